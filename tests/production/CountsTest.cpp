// Count entry, the unit switch and the manual lot quantity on the production screen.
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cmath>

#include "EndRunFixture.h"
#include "production/frm_S_badqty.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_jakupjisi_list.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class Counts : public EndRunFixture {
  protected:
    // The component's quantities in the grid, over all its rows.
    static double taken(const frm_S_dayReport& s, const QString& product) {
        double sum = 0;
        for (int r = 1; r <= s.spread->MaxRows(); ++r)
            if (s.spread->TextWithColID("품번코드", r) == product)
                sum += s.spread->ValueWithColID("투입수량", r).toDouble();
        return sum;
    }
    static QStringList counts(const frm_S_dayReport& s) {
        return {s.lblOk_Cnt->text(), s.lblBad_Cnt->text(), s.lblJakup_Cnt->text()};
    }
};

TEST_F(Counts, AGoodCountRebooksTheLotsAndACancelChangesNothing) {
    exec("UPDATE P_SANGSAN_MASTER SET bad_qty = 5 WHERE op_seq_sub = '" + kRun + "'");
    frm_S_dayReport& s = open();
    script.cancelKeypad("9");
    s.lblOk_Cnt->clicked();
    EXPECT_EQ(counts(s), (QStringList{"0", "5", "5"}));
    EXPECT_TRUE(s.Timer2->isActive()) << "count mode kept";
    EXPECT_EQ(taken(s, "RM-400"), 0);

    script.keypad("120");
    s.lblOk_Cnt->clicked();
    EXPECT_EQ(counts(s), (QStringList{"120", "5", "125"}));
    EXPECT_FALSE(s.Timer2->isActive());
    EXPECT_EQ(taken(s, "RM-400"), 240) << "change 120 x usage 2";
    EXPECT_EQ(taken(s, "RM-100"), 54) << "change 120 x usage 0.45";
    for (int r = 1; r <= s.spread->MaxRows(); ++r)
        EXPECT_NE(s.spread->RowMark(r), "") << "row " << r << " marked for the end";
}

TEST_F(Counts, TheUnitSwitchTurnsBetweenKgAndEa) {
    frm_S_dayReport& s = open();
    for (const char* start : {"EA", "SET", "KG"}) {
        SCOPED_TRACE(start);
        s.lblUnit_Code->setText(start);
        const bool kg = QString(start) == "KG";
        script.notice("단위 정보를 전환합니다.");
        s.cmdUnit_Change->click();
        EXPECT_EQ(s.lblUnit_Code->text(), kg ? "EA" : "KG");
        EXPECT_EQ(s.lblSangsan_Text->text(), kg ? "생산수량" : "생산중량");
        script.notice("단위 정보를 전환합니다.");
        s.cmdUnit_Change->click();
        EXPECT_EQ(s.lblUnit_Code->text(), kg ? "KG" : "EA");
        EXPECT_EQ(s.lblBad_Text->text(), kg ? "불량중량" : "불량수량");
    }
}

TEST_F(Counts, AHandTypedQuantityIsWhatTheEndBooks) {
    exec("UPDATE P_SANGSAN_MASTER SET bad_qty = 0 WHERE op_seq_sub = '" + kRun + "'");
    frm_S_dayReport& s = open();
    const int bolt = rowOf(*s.spread, "품번코드", "RM-400");
    touch(*s.spread, bolt, "투입수량");  // both counts zero: no keypad
    EXPECT_EQ(script.shown().size(), 0);

    exec("UPDATE P_SANGSAN_MASTER SET bad_qty = 3 WHERE op_seq_sub = '" + kRun + "'");
    gsUNLOAD<frm_S_dayReport>();  // a fresh screen loads the bad count
    frm_S_dayReport& again = open();
    script.keypad("7");
    touch(*again.spread, bolt, "투입수량");
    EXPECT_EQ(again.spread->TextWithColID("투입수량", bolt), "7");
    script.notice("저장이 완료되었습니다.");
    again.btnEnd->click();
    EXPECT_EQ(rows("SELECT product_code, culgo_su FROM S_PRODUCT_STORE WHERE culgo_no_sub = '" +
                   kRun + "' AND culgo_type = '재공품소모' ORDER BY product_code"),
              (Table{{"RM-100", 0}, {"RM-400", 7}}));
}

// The list's "생산작업현황" on the run already shown: the typed good count, the
// baseline of the defects entered since the load and the lot rows stay, and the
// end books them.
TEST_F(Counts, ShowingTheRunAgainKeepsWhatWasEnteredForTheEnd) {
    exec("UPDATE P_SANGSAN_MASTER SET qty = 2000, bad_qty = 3 WHERE op_seq_sub = '" + kRun + "'");
    frm_S_dayReport& s = open();
    script.keypad("12500");
    s.lblOk_Cnt->clicked();
    script.on("frm_S_badqty", [this](DialogHandle& d) {
        frm_S_badqty& b = d.as<frm_S_badqty>();
        script.keypad("1002");
        touch(*b.spread, rowOf(*b.spread, "부적합코드", "B01"), "수량");
        b.cmdSave->click();
    });
    s.lblBad_Cnt->clicked();
    ASSERT_EQ(value("SELECT bad_qty FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + kRun + "'"), 1003)
        << "the defects are stored at once";
    const auto grid = [&s] {
        QStringList cells;
        for (int r = 1; r <= s.spread->MaxRows(); ++r)
            cells << s.spread->TextWithColID("LOT NO", r) + "|" +
                         s.spread->ValueWithColID("투입수량", r);
        return cells;
    };
    const QStringList booked = grid();

    frm_S_jakupjisi_list::showScreen();
    frm_S_jakupjisi_list& list = gfFORM<frm_S_jakupjisi_list>();
    list.spread->SetFocus(3, rowOf(*list.spread, "지시순번", kOrder));
    list.btnDayReport->click();
    ASSERT_EQ(&gfFORM<frm_S_dayReport>(), &s);
    EXPECT_EQ((QStringList{s.lblOk_Cnt->count(), s.lblBad_Cnt->count(), s.lblOk_Cnt2->count(),
                           s.lblBad_Cnt2->count()}),
              (QStringList{"12500", "1003", "2000", "3"}));
    EXPECT_EQ(s.lblOk_Cnt->text(), "12,500");
    EXPECT_EQ(grid(), booked);

    const double change = 12500 - 2000 + 1003 - 3;
    QList<QVariantList> consumed;
    for (const QVariantList& bom :
         rows("SELECT b2.product_code, b2.usage FROM B_BOM b JOIN B_BOM b2 ON b.bom_code = "
              "b2.high_bom_code WHERE b.product_code = 'FP-100' ORDER BY b2.product_code"))
        consumed.append({bom[0], std::trunc(std::round(change * bom[1].toDouble() * 1e6) / 1e6)});
    script.notice("저장이 완료되었습니다.");
    s.btnEnd->click();
    EXPECT_EQ(rows("SELECT qty, bad_qty FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + kRun + "'"),
              (Table{{12500, 1003}}));
    EXPECT_EQ(rows("SELECT product_code, total(culgo_su) FROM S_PRODUCT_STORE WHERE culgo_no_sub = "
                   "'" +
                   kRun +
                   "' AND culgo_type = '재공품소모' GROUP BY product_code ORDER BY "
                   "product_code"),
              consumed);
    EXPECT_EQ(value("SELECT ipgo_su FROM S_PRODUCT_STORE WHERE ipgo_no_sub = '" + kRun +
                    "' AND culgo_type = '재공품추가'"),
              10500);
}

}  // namespace
