#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ProductionFixture.h"
#include "production/frm_S_badqty.h"
#include "production/frm_S_dayReport.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class BadQty : public ProductionFixture {
  protected:
    // Opens the defect entry from the bad count and runs edit on it, with the
    // keypad entries queued after it.
    void enter(frm_S_dayReport& s, std::function<void(frm_S_badqty&)> edit) {
        script.on("frm_S_badqty", [edit](DialogHandle& d) { edit(d.as<frm_S_badqty>()); });
        s.lblBad_Cnt->clicked();
    }
    // Types a quantity for a cause on the keypad.
    void qty(frm_S_badqty& d, const QString& cause, const QString& keys) {
        script.keypad(keys);
        touch(*d.spread, rowOf(*d.spread, "부적합코드", cause), "수량");
    }
    QList<QVariantList> defects() {
        return rows("SELECT processbad_code, bad_qty, bigo FROM P_BADQTY WHERE op_seq_sub = '" +
                    kRun + "' ORDER BY processbad_code");
    }
    QVariant runBad() {
        return value("SELECT bad_qty FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + kRun + "'");
    }
};

TEST_F(BadQty, ASplitOfSevenRaisesProductionAndKeepsTheGoodCount) {
    exec("UPDATE P_SANGSAN_MASTER SET qty = 100 WHERE op_seq_sub = '" + kRun + "'");
    frm_S_dayReport& s = open();
    ASSERT_EQ(s.lblJakup_Cnt->text(), "103");
    QString total, rest;
    enter(s, [&](frm_S_badqty& d) {
        total = d.txtBad_Total_cnt->text();
        rest = d.txtBad_cnt->text();
        EXPECT_EQ(d.spread->MaxRows(), 6) << "the press causes";
        qty(d, "B01", "4");
        qty(d, "B03", "2");
        d.cmdSave->click();
    });
    EXPECT_EQ(total, "3");
    EXPECT_EQ(rest, "0");
    EXPECT_EQ(s.lblBad_Cnt->text(), "7");
    EXPECT_EQ(s.lblJakup_Cnt->text(), "107");
    EXPECT_EQ(s.lblOk_Cnt->text(), "100");
    s.Timer1->timeout({});
    EXPECT_EQ(s.lblOk_Cnt->text(), "100") << "production minus bad";
    EXPECT_TRUE(s.Timer2->isActive());
    EXPECT_EQ(s.lbl_badcnt2->text(), "7");
    EXPECT_EQ(runBad(), 7);
    EXPECT_EQ(defects(), (QList<QVariantList>{{"B01", 4, ""}, {"B02", 1, ""}, {"B03", 2, ""}}));
    EXPECT_EQ(
        rows("SELECT op_seq, process_code, equipment_code, product_code, employee_no, "
             "user_id, last_date, last_time FROM P_BADQTY WHERE processbad_code = 'B03' AND "
             "op_seq_sub = '" +
             kRun + "'"),
        (QList<QVariantList>{{kRun.left(11), "1000", "P-01", "FP-100", "", "", day(), "090000"}}));
}

TEST_F(BadQty, EachRowIsInsertedUpdatedDeletedOrLeftAsItsQuantitySays) {
    exec(
        "UPDATE P_BADQTY SET bigo = '금형 점검', last_time = '070000' WHERE processbad_code = "
        "'B02' AND op_seq_sub = '" +
        kRun + "'");
    frm_S_dayReport& s = open();
    enter(s, [&](frm_S_badqty& d) {
        qty(d, "B01", "0");  // recorded, set to 0: deleted
        qty(d, "B02", "5");  // recorded, quantity only: remark kept
        qty(d, "B03", "0");  // unrecorded left at 0: nothing
        d.cmdSave->click();
    });
    EXPECT_EQ(defects(), (QList<QVariantList>{{"B02", 5, "금형 점검"}}));
    EXPECT_EQ(value("SELECT last_time FROM P_BADQTY WHERE processbad_code = 'B02' AND "
                    "op_seq_sub = '" +
                    kRun + "'"),
              "090000");
    EXPECT_EQ(runBad(), 5);
    EXPECT_EQ(s.lblBad_Cnt->text(), "5");
}

TEST_F(BadQty, RemarksAreStoredAsTypedOrRefusedWhole) {
    struct Case {
        QString remark;
        bool stored;
    };
    const Case cases[] = {{"it's 'bad'", true},
                          {"x'; DELETE P_BADQTY;--", true},
                          {"첫 줄\n둘째 줄", true},
                          {QString(255, u'가'), true},
                          {QString(4000, u'a'), false}};
    frm_S_dayReport& s = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remark.left(20).toStdString());
        const auto before = defects();
        enter(s, [&](frm_S_badqty& d) {
            const int b01 = rowOf(*d.spread, "부적합코드", "B01");
            typeInto(*d.spread, b01, "비고", c.remark);
            qty(d, "B01", "6");
            if (!c.stored) script.notice("비고는 255자까지 입력할 수 있습니다.");
            d.cmdSave->click();
            if (!c.stored) d.Command14->click();
        });
        if (c.stored) {
            EXPECT_EQ(value("SELECT bigo FROM P_BADQTY WHERE processbad_code = 'B01' AND "
                            "op_seq_sub = '" +
                            kRun + "'"),
                      c.remark);
            EXPECT_EQ(runBad(), 7);
        } else {
            EXPECT_EQ(defects(), before);
        }
    }
}

TEST_F(BadQty, AFailureInTheMiddleKeepsEverythingAsItWas) {
    exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON P_BADQTY WHEN NEW.processbad_code = 'B04' "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    frm_S_dayReport& s = open();
    const auto before = defects();
    enter(s, [&](frm_S_badqty& d) {
        qty(d, "B01", "9");  // an update before the failing insert
        qty(d, "B04", "1");
        script.ok();  // the driver's message
        d.cmdSave->click();
        EXPECT_TRUE(d.isVisible()) << "stays open";
        d.Command14->click();
    });
    EXPECT_EQ(defects(), before);
    EXPECT_EQ(runBad(), 3);
    EXPECT_EQ(s.lblBad_Cnt->text(), "3");
}

TEST_F(BadQty, BadInputIsReportedAndNothingIsWritten) {
    struct Case {
        const char* name;
        const char* arrange;  // %1 the run
        const char* keys;     // typed for B01, or none
        const char* message;  // frm_MSG_001 on save, or a load-time error-log box
        bool atLoad;
    };
    const Case cases[] = {
        {"quantity past 32 bits", "", "99999999999", "숫자를 확인하십시오: 99,999,999,999", false},
        {"load sum past 16 bits",
         "UPDATE P_BADQTY SET bad_qty = 40000 WHERE processbad_code = 'B01' AND op_seq_sub = '%1'",
         nullptr, "불량 수량을 합산할 수 없습니다: 40,000", true},
        {"quantity not a number",
         "UPDATE P_BADQTY SET bad_qty = 'x' WHERE processbad_code = 'B01' AND op_seq_sub = '%1'",
         nullptr, "불량 수량을 합산할 수 없습니다: x", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (*c.arrange) exec(QString::fromUtf8(c.arrange).replace("%1", kRun));
        frm_S_dayReport& s = open();
        const auto before = defects();
        if (c.atLoad) script.ok(QString::fromUtf8(c.message));
        enter(s, [&](frm_S_badqty& d) {
            if (c.keys) {
                qty(d, "B01", c.keys);
                script.notice(QString::fromUtf8(c.message));
                d.cmdSave->click();
            }
            EXPECT_TRUE(d.isVisible());
            d.Command14->click();
        });
        EXPECT_EQ(defects(), before);
        EXPECT_EQ(s.lblBad_Cnt->text(), "3");
    }
}

TEST_F(BadQty, AWorkCentreWithoutCausesWritesNothingAndKeepsTheBadCount) {
    exec("DELETE FROM B_PROCESSBAD1 WHERE process_code = '1000'");
    frm_S_dayReport& s = open();
    enter(s, [](frm_S_badqty& d) {
        EXPECT_EQ(d.spread->MaxRows(), 0);
        d.cmdSave->click();
    });
    EXPECT_EQ(s.lblBad_Cnt->text(), "3");
    EXPECT_EQ(runBad(), 3);
    EXPECT_EQ(defects().size(), 2);
}

TEST_F(BadQty, ClosingLeavesTheCountAndNoRunOpensNothing) {
    frm_S_dayReport& s = open();
    enter(s, [](frm_S_badqty& d) {
        EXPECT_EQ(d.txtBad_cnt->styleSheet(), "color: black;");
        d.Command14->click();
    });
    EXPECT_EQ(s.lblBad_Cnt->text(), "3");
    EXPECT_TRUE(s.Timer2->isActive());
    open("none");
    s.lblBad_Cnt->clicked();  // a dialog here would fail the script
    EXPECT_EQ(script.shown().size(), 1);
}

TEST_F(BadQty, MoreSplitThanTheRunHadShowsRed) {
    exec("UPDATE P_BADQTY SET bad_qty = 5 WHERE processbad_code = 'B01' AND op_seq_sub = '" + kRun +
         "'");
    frm_S_dayReport& s = open();
    enter(s, [](frm_S_badqty& d) {
        EXPECT_EQ(d.txtBad_Total_cnt->text(), "6");
        EXPECT_EQ(d.txtBad_cnt->text(), "-3");
        EXPECT_EQ(d.txtBad_cnt->styleSheet(), "color: red;");
        d.Command14->click();
    });
}

}  // namespace
