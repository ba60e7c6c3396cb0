// The production screen: its buttons, the machine stop and run, the defect entry.
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "production/DayReportSql.h"
#include "production/RunFigures.h"
#include "production/StopSql.h"
#include "production/frm_S_badqty.h"
#include "production/frm_S_bigadong2.h"
#include "production/frm_S_dayReport.h"
#include "production/frm_S_endtime.h"
#include "quality/frm_S_jajutest.h"
#include "quality/frm_S_test.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "ui/TouchLabel.h"
#include "ui/frm_MSG_001.h"
#include "workorders/frm_S_starttime.h"

namespace mes {

namespace {
const QString kStopLocation = QStringLiteral("frm_S_dayReport");
}  // namespace

QColor frm_S_dayReport::unknownColour() { return {192, 192, 192}; }

void frm_S_dayReport::setShapeColour(const QColor& colour) {
    QPalette p = Shape[0]->palette();
    p.setColor(QPalette::Window, colour);
    Shape[0]->setPalette(p);
}

void frm_S_dayReport::loadStopState() {
    const QString run = lblOp_seq_sub->text();
    bool stopped = false;
    if (!run.isEmpty()) {
        const QVariant open =
            gfDB_VALUE(gfDAYREPORT_OPEN_STOPS_SQL(lblEquipment_code->text(), run), kStopLocation);
        stopped = open.toInt() > 0;
    }
    showStopState(stopped);
    setShapeColour(stopped ? stoppedColour() : unknownColour());
}

void frm_S_dayReport::btnBigadong_s_Click() {
    if (lblOp_seq_sub->text().isEmpty()) return;
    gsSQL_LIST_START();
    StopStart s;
    s.opSeqSub = lblOp_seq_sub->text();
    s.equipment = lblEquipment_code->text();
    s.orderDate = lblJakupdate->text();
    s.date = TerminalClock::date();
    s.hhmm = TerminalClock::hhmm();
    s.hhmmss = TerminalClock::hhmmss();
    if (gfDB_EXEC(gfSTOP_INSERT_SQL(s), kStopLocation)) {
        showStopState(true);
        setShapeColour(stoppedColour());
        gvSQL = gfREAL_TIME_SQL(QStringLiteral("TRUE"), s.equipment);
        gsSQL_LIST_ADD();
        gfSQL_LIST_READY();
        if (!gfDB_EXEC_LIST(gvSQLList, kStopLocation)) {
            gsMSG(QStringLiteral("저장 실패"));
            return;
        }
    }
    // Also after a failed insert: the operator sees what is recorded.
    NavigationBar::go(QStringLiteral("btnBigadongList"));
}

void frm_S_dayReport::btnBigadong_e_Click() {
    gsSQL_LIST_START();
    const QString equipment = lblEquipment_code->text();
    if (!gfDB_EXEC(gfSTOP_CLOSE_SQL(TerminalClock::date(), TerminalClock::hhmm(), equipment,
                                    lblOp_seq_sub->text()),
                   kStopLocation)) {
        return;
    }
    showStopState(false);
    setShapeColour(runningColour());
    gvSQL = gfREAL_TIME_SQL(QStringLiteral("FALSE"), equipment);
    gsSQL_LIST_ADD();
    gfSQL_LIST_READY();
    if (!gfDB_EXEC_LIST(gvSQLList, kStopLocation)) gsMSG(QStringLiteral("저장 실패"));
}

void frm_S_dayReport::lblBad_Cnt_Click() {
    if (lblOp_seq_sub->text().isEmpty()) return;
    // The dialog writes the defects to the database before the screen keeps its
    // entries: the booking's baseline is kept first, so that a kill in between
    // still finds it beside the saved defects (lsQuery).
    lsKeepEntries();
    frm_S_badqty& dialog = gfFORM<frm_S_badqty>();
    dialog.Show();
    Timer2_Timer();
    Timer2->start();
    lsBadCounted();
}

void frm_S_dayReport::lsBadCounted() {
    if (lsCountsFromMachine() && tally_.started()) {
        // The machine's count stays the production count: the defects come off the good.
        lsCounterApply();
        return;
    }
    const std::optional<qint32> ok = gfCOUNT32(lblOk_Cnt->count());
    const std::optional<qint32> bad = gfCOUNT32(lblBad_Cnt->count());
    if (ok && bad) lblJakup_Cnt->setCount(qint64(*ok) + *bad);
    lsBottomQuery();
    lsTuip_Sum();
    lsKeepEntries();
}

void frm_S_dayReport::btnBigadong_Click() {
    if (lblOp_seq_sub->text().isEmpty()) return;
    gfFORM<frm_S_bigadong2>().Show();
}

void frm_S_dayReport::lblStTime_Click() {
    if (!lblOp_seq_sub->text().isEmpty()) lsOpenStartTime();
}

void frm_S_dayReport::lblEdTime_Click() {
    if (!lblOp_seq_sub->text().isEmpty()) lsOpenEndTime();
}

void frm_S_dayReport::btnTest_Click() {
    if (!lblseq->text().isEmpty()) lsOpenTest();
}

void frm_S_dayReport::CmdChange_Click() {
    if (lblWC_code->text() == QLatin1String("1000")) return;
    gsMSG(QStringLiteral("작업전환은\n프레스작업만 가능합니다."));
}

// The dialog writes the accepted time straight into lblStTime.
void frm_S_dayReport::lsOpenStartTime() {
    frm_S_starttime::gsOPEN();
    lsKeepEntries();
}

void frm_S_dayReport::lsOpenEndTime() {
    frm_S_endtime::gsOPEN();
    lsKeepEntries();
}

void frm_S_dayReport::lsOpenTest() {
    // The sheet reads the order, product and date from this screen.
    gfFORM<frm_S_test>().Show();
}

void frm_S_dayReport::btnJajuTest_Click() {
    if (!lblseq->text().isEmpty()) frm_S_jajutest::gsOPEN(*this);
}

}  // namespace mes
