// The lot picker opened from the material grid's "LOT NO" cell.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "EndRunFixture.h"
#include "production/frm_S_dayReport.h"
#include "production/frm_S_lot_select.h"
#include "ui/clsSpread.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class LotSelect : public EndRunFixture {
  protected:
    // RM-400's lots: one 25 days old, one 6 days old (one of tomorrow is not in store yet).
    static QString bolts(int age) {
        return "L" + kNow.date().addDays(-age).toString("yyMMdd") + "-04";
    }
    // Opens the picker on the RM-400 row and runs step in it.
    int pick(frm_S_dayReport& s, std::function<void(frm_S_lot_select&, DialogHandle&)> step) {
        const int row = rowOf(*s.spread, "품번코드", "RM-400");
        script.on("frm_S_lot_select",
                  [step](DialogHandle& d) { step(d.as<frm_S_lot_select>(), d); });
        touch(*s.spread, row, "LOT NO");
        return row;
    }
    static void scan(frm_S_lot_select& p, const QString& text) {
        p.txtBarcode->setText(text);
        emit p.txtBarcode->returnPressed();
    }
};

TEST_F(LotSelect, AnOlderLotAsksFirstAndTheTakenLotIsBookedAtTheEnd) {
    frm_S_dayReport& s = open();
    QStringList listed;
    const int row = pick(s, [&](frm_S_lot_select& p, DialogHandle& d) {
        for (int r = 1; r <= p.spread->MaxRows(); ++r)
            listed << p.spread->TextWithColID("LOT NO", r);
        p.spread->SetFocus(1, listed.indexOf(bolts(6)) + 1);
        script.press("No");
        d.press("cmdSave");
        EXPECT_TRUE(p.isVisible()) << "no: the picker stays";
        EXPECT_EQ(
            script.shown().last().text,
            "LOT NO (" + bolts(25) + ") 가 먼저 투입 되어야 합니다.\n무시하고 투입 하시겠습니까?");
        EXPECT_EQ(script.shown().last().icon, UserInterface::Icon::Critical);
        script.press("Yes");
        d.press("cmdSave");
    });
    EXPECT_EQ(listed, (QStringList{bolts(25), bolts(6)}));
    EXPECT_EQ(s.spread->TextWithColID("LOT NO", row), bolts(6));
    EXPECT_EQ(s.spread->ValueWithColID("LOT재고", row), "3000");
    script.notice("저장이 완료되었습니다.");
    s.btnEnd->click();
    EXPECT_EQ(value("SELECT culgo_lot_no FROM S_LOT_HISTORY WHERE culgo_product_code = 'RM-400' "
                    "AND ipgo_no_sub = '" +
                    kRun + "'"),
              bolts(6));
}

TEST_F(LotSelect, AScanTakesItsLotOnlyForTheRightMaterial) {
    frm_S_dayReport& s = open();
    const struct {
        QString scanned, message;
    } refused[] = {
        {"*" + bolts(6) + "/RM-500*", "해당 LOT를 찾을 수 없습니다."},
        {"*L'X/RM-400*", "해당 LOT를 찾을 수 없습니다."},
        {"*선진행재고-RM100/RM-100*", "해당제품의 LOT가 아닙니다.."},
    };
    const int row = pick(s, [&](frm_S_lot_select& p, DialogHandle&) {
        for (const auto& r : refused) {
            script.ok(r.message);
            scan(p, r.scanned);
            EXPECT_EQ(p.txtBarcode->text(), "") << r.scanned.toStdString();
            EXPECT_TRUE(p.isVisible());
        }
        scan(p, "*" + bolts(6) + "/RM-400*\r");
    });
    EXPECT_EQ(s.spread->TextWithColID("LOT NO", row), bolts(6));
}

TEST_F(LotSelect, TheScannersEnterTakesTheScanAndNothingElse) {
    // The scanner ends with an Enter key in the barcode box: after a refused scan it
    // must not press the take button (the listed lot active would go in unasked).
    frm_S_dayReport& s = open();
    const int row = pick(s, [&](frm_S_lot_select& p, DialogHandle&) {
        p.spread->SetFocus(1, 2);
        const QString listed = p.spread->TextWithColID("LOT NO", 2);
        script.ok("해당 LOT를 찾을 수 없습니다.");
        p.txtBarcode->setText("*" + listed + "/RM-500*");
        QTest::keyClick(p.txtBarcode, Qt::Key_Return);
        EXPECT_TRUE(p.isVisible()) << "refused: the picker stays";
        EXPECT_NE(s.spread->TextWithColID("LOT NO", s.spread->ActiveRow()), listed);
        p.txtBarcode->setText("*" + bolts(25) + "/RM-400*");
        QTest::keyClick(p.txtBarcode, Qt::Key_Return);
    });
    EXPECT_EQ(s.spread->TextWithColID("LOT NO", row), bolts(25));
    EXPECT_EQ(script.shown().last().text, "해당 LOT를 찾을 수 없습니다.")
        << "no question of an older lot after it";
}

TEST_F(LotSelect, WithNothingInStoreAScanDoesNothing) {
    exec("DELETE FROM S_PRODUCT_STORE WHERE product_code = 'RM-400'");
    frm_S_dayReport& s = open();
    const int row = pick(s, [&](frm_S_lot_select& p, DialogHandle& d) {
        EXPECT_EQ(p.spread->MaxRows(), 0);
        scan(p, "*L1/RM-400*");
        EXPECT_TRUE(p.isVisible());
        d.press("Command14");
    });
    EXPECT_EQ(s.spread->TextWithColID("LOT NO", row), "0");
}

}  // namespace
