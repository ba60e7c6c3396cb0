// One work run from the list to its end, as an operator goes through it, checked
// on the ledgers it leaves.
#include <QPushButton>

#include "ProductionFixture.h"
#include "production/frm_S_badqty.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_jakupjisi_list.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class RunRoad : public ProductionFixture {};

// P-02's order of today: FP-300 (half-finished), one sheet RM-200 at 1.2 a piece,
// its older lot holding 700 and the next 1,200.
TEST_F(RunRoad, StartCountDefectStopAndEndBookTheLotsFirstInFirstOut) {
    const QString seq = kNow.toString("yyyyMMdd") + "004001";
    frm_S_jakupjisi_list::showScreen();
    frm_S_jakupjisi_list& list = gfFORM<frm_S_jakupjisi_list>();
    list.spread->SetFocus(3, rowOf(*list.spread, "지시순번", seq));
    list.btnStart->click();
    ASSERT_TRUE(gfFORM_LOADED<frm_S_dayReport>());
    frm_S_dayReport& s = gfFORM<frm_S_dayReport>();
    const QString run = s.lblOp_seq_sub->text();
    ASSERT_FALSE(run.isEmpty());

    script.keypad("600");
    s.lblOk_Cnt->clicked();
    script.on("frm_S_badqty", [this](DialogHandle& d) {
        frm_S_badqty& b = d.as<frm_S_badqty>();
        script.keypad("2");
        touch(*b.spread, rowOf(*b.spread, "부적합코드", "B01"), "수량");
        b.cmdSave->click();
    });
    s.lblBad_Cnt->clicked();
    EXPECT_EQ(s.lblJakup_Cnt->text(), "602");
    // 602 x 1.2 = 722: the older lot's 700, then 22 from the next in a continuation row.
    QStringList booked;
    for (int r = 1; r <= s.spread->MaxRows(); ++r)
        booked << s.spread->TextWithColID("LOT NO", r) + "|" +
                      s.spread->ValueWithColID("투입수량", r);
    const QString older = "L" + kNow.date().addDays(-15).toString("yyMMdd") + "-02";
    const QString next = "L" + kNow.date().addDays(-5).toString("yyMMdd") + "-02";
    EXPECT_EQ(booked, (QStringList{older + "|700", next + "|22"}));

    s.btnBigadong_s->click();
    setServerClock(kNow.addSecs(600));
    s.btnBigadong_e->click();
    script.notice("저장이 완료되었습니다.");
    s.btnEnd->click();
    EXPECT_EQ(script.pending(), 0);
    EXPECT_FALSE(gfFORM_LOADED<frm_S_dayReport>());

    const QString ofRun = "'" + run + "'";
    EXPECT_EQ(rows("SELECT qty, bad_qty, end_yn FROM B_JAKUPJISI_MASTER WHERE seq = '" + seq + "'"),
              (QList<QVariantList>{{600, 2, "3"}}));
    EXPECT_EQ(rows("SELECT qty, bad_qty FROM P_SANGSAN_MASTER WHERE op_seq_sub = " + ofRun),
              (QList<QVariantList>{{600, 2}}));
    EXPECT_EQ(rows("SELECT processbad_code, bad_qty FROM P_BADQTY WHERE op_seq_sub = " + ofRun),
              (QList<QVariantList>{{"B01", 2}}));
    EXPECT_EQ(value("SELECT count(*) FROM P_BIGADONG WHERE op_seq_sub = " + ofRun +
                    " AND etime IS NOT NULL AND etime <> ''"),
              1);
    EXPECT_EQ(rows("SELECT lot_no, culgo_su FROM S_PRODUCT_STORE WHERE product_code = 'RM-200' "
                   "AND culgo_no_sub = " +
                   ofRun + " ORDER BY idx"),
              (QList<QVariantList>{{older, 700}, {next, 22}}));
    EXPECT_EQ(value("SELECT total(ipgo_su) - total(culgo_su) FROM S_PRODUCT_STORE WHERE "
                    "product_code = 'RM-200' AND lot_no = '" +
                    older + "'"),
              0.0);
    EXPECT_EQ(rows("SELECT culgo_lot_no FROM S_LOT_HISTORY WHERE ipgo_no_sub = " + ofRun +
                   " ORDER BY idx"),
              (QList<QVariantList>{{older}, {next}}));
    EXPECT_EQ(rows("SELECT culgo_type, ipgo_su FROM S_PRODUCT_STORE WHERE product_code = "
                   "'FP-300' AND ipgo_no_sub = " +
                   ofRun),
              (QList<QVariantList>{{"재공품추가", 600}}))
        << "the good pieces go into the work-in-process store";
    EXPECT_EQ(value("SELECT count(*) FROM P_PRODUCT_IPGO WHERE ipgo_no_sub = " + ofRun), 0)
        << "a half-finished product is not received into the goods store";
}

}  // namespace
