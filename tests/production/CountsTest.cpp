// Count entry, the unit switch and the manual lot quantity on the production screen.
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "EndRunFixture.h"
#include "production/frm_S_dayReport.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"

using namespace mes;

namespace {

class Counts : public EndRunFixture {
  protected:
    // The component's quantities in the grid, over all its rows.
    static double taken(const frm_S_dayReport& s, const QString& product) {
        double sum = 0;
        for (int r = 1; r <= s.spread->MaxRows(); ++r)
            if (s.spread->TextWithColID("품번코드", r) == product)
                sum += s.spread->TextWithColID("투입수량", r).toDouble();
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
    s.lsQuery();
    script.keypad("7");
    touch(*s.spread, bolt, "투입수량");
    EXPECT_EQ(s.spread->TextWithColID("투입수량", bolt), "7");
    script.notice("저장이 완료되었습니다.");
    s.btnEnd->click();
    EXPECT_EQ(rows("SELECT product_code, culgo_su FROM S_PRODUCT_STORE WHERE culgo_no_sub = '" +
                   kRun + "' AND culgo_type = '재공품소모' ORDER BY product_code"),
              (Table{{"RM-100", 0}, {"RM-400", 7}}));
}

}  // namespace
