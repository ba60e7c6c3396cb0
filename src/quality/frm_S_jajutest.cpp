#include "quality/frm_S_jajutest.h"

#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include "foundation/BuildInfo.h"
#include "foundation/NumberText.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"
#include "production/frm_S_dayReport.h"
#include "quality/InspectionJudgement.h"
#include "quality/JajuTestSql.h"
#include "quality/MoldTestSql.h"
#include "quality/ProductPicture.h"
#include "quality/frm_S_jaju_employee.h"
#include "ui/Forms.h"
#include "ui/TouchDatePicker.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"
#include "ui/frmImgShow.h"
#include "ui/frmKey2_jaju.h"
#include "ui/frm_MSG_001.h"
#include "ui/frm_MSG_004.h"

namespace mes {

namespace {
const QString kLocation = QStringLiteral("자주검사등록");
const QString kResult = QStringLiteral("판정");
const QString kPass = QStringLiteral("합격");
const QString kFail = QStringLiteral("불합격");
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

QString xCol(int n) { return QStringLiteral("x%1").arg(n); }
}  // namespace

void frm_S_jajutest::gsOPEN(const frm_S_dayReport& run) {
    frm_S_jajutest& s = gfFORM<frm_S_jajutest>();
    gsSHOW_SCREEN(s);
    s.lsNewSheet();
    s.lblProduct_code->setText(run.lblProduct_code->text());
    s.lbl_seq->setText(run.lblseq->text());
    s.lbljuya->setText(run.lbl_juya->text());
    s.lblemployee_no->setText(run.lblemployee_no->text());
    s.lbl_employee->setText(run.lblEmployee_name->text());
    s.lbltest_num->setText(
        gfDB_VALUE(gfJAJU_STANDARD_SQL(s.lblProduct_code->text()), kLocation).toString());
    s.lbl_jaju_num->setText(gfDB_VALUE(gfJAJU_SHEET_OF_SQL(s.key()), kLocation).toString());
    s.lblipha_su->setText(
        gfVALUE_TEXT(gfDB_VALUE(gfJAJU_ORDER_QTY_SQL(s.lbl_seq->text()), kLocation)));
    s.lsQuery();
    s.lsPicture();
}

JajuKey frm_S_jajutest::key() const {
    return {lbl_seq->text(), lblProduct_code->text(), gfJAJU_SHIFT_CODE(lbljuya->text()),
            lbltest_num->text()};
}

void frm_S_jajutest::Form_Load() {
    gsRUN_SHARE_COMMANDS(gfSHARE_COMMANDS());
    lsSpreadInit();
    lsNewSheet();
}

void frm_S_jajutest::lsNewSheet() {
    // The screen outlives a sheet (another run, a night over midnight): nothing of
    // the last one may pass into the next, neither its verdict nor its date.
    for (TouchDatePicker* d : {dtpSt_date, dtptest_date}) {
        d->setDate(TerminalClock::now().date());
        d->setEnabled(false);
    }
    spread->SetMaxRows(0);
    lbl_jaju_num->clear();
    optPass->setChecked(true);
    optCheck->setChecked(false);
}

void frm_S_jajutest::lsQuery() {
    spread->SetbindRS(gfJAJU_QUERY_SQL(key()), kLocation);
    if (spread->MaxRows() == 0) return;
    // A new sheet keeps the inspector the opener or the picker gave.
    const QString tester = spread->TextWithColID(QStringLiteral("검사자사번"), 1);
    if (!tester.isEmpty()) {
        lbl_employee->setText(spread->TextWithColID(QStringLiteral("검사자"), 1));
        lblemployee_no->setText(tester);
    }
    optCheck->setChecked(spread->TextWithColID(QStringLiteral("등록완료유무"), 1) ==
                         QLatin1String("1"));
    for (int row = 1; row <= spread->MaxRows(); ++row) {
        const QString judged = spread->TextWithColID(kResult, row);
        if (!judged.isEmpty()) ss_Change(spread->GetColNo(xCol(1)), row);
    }
    for (int row = 1; row <= spread->MaxRows(); ++row) spread->SetRowMark(row, {});
}

void frm_S_jajutest::lsPicture() {
    const QString path = gfDB_VALUE(gfJAJU_PICTURE_SQL(lbltest_num->text()), kLocation).toString();
    picture = gfPRODUCT_PICTURE(path, gfGET_IP(), QString::fromUtf8(build::kPictureShare));
    imgProduct->setPixmap(QPixmap::fromImage(picture));
}

void frm_S_jajutest::imgProduct_Click() {
    if (!picture.isNull()) gsIMG_SHOW(picture);
}

void frm_S_jajutest::ss_Click(int col, int row) {
    if (row < 1 || col < spread->GetColNo(xCol(1)) ||
        col > spread->GetColNo(QStringLiteral("검사확인")))
        return;
    const QString entry = gfFORM<frmKey2_jaju>().Show();
    if (entry.isEmpty()) return;
    spread->SetText(col, row, entry);
    ss_Change(col, row);
}

void frm_S_jajutest::ss_Change(int col, int row) {
    const int first = spread->GetColNo(xCol(1));
    if (row < 1 || col < first || col > spread->GetColNo(xCol(9))) return;
    const int result = spread->GetColNo(kResult);
    const QString min = spread->TextWithColID(QStringLiteral("MIN"), row);
    const QString max = spread->TextWithColID(QStringLiteral("MAX"), row);
    bool failed = false;
    // Every filled value counts, the middle and last articles too.
    for (int c = first; c < first + 9; ++c) {
        const bool fails = gfINSPECTION_FAILS(spread->GetText(c, row), min, max);
        spread->SetForeColor(c, row, fails ? kRed : kBlack);
        failed = failed || fails;
    }
    spread->SetText(result, row, failed ? kFail : kPass);
    spread->SetForeColor(result, row, failed ? kRed : kBlack);
    bool complete = true;
    for (int r = 1; r <= spread->MaxRows() && complete; ++r) {
        for (int n = 1; n <= 3; ++n)
            complete = complete && !spread->TextWithColID(xCol(n), r).isEmpty();
    }
    if (complete) optCheck->setChecked(true);
    spread->SetRowMark(row, clsSpread::kChanged);
    judgeSheet();
}

void frm_S_jajutest::judgeSheet() {
    for (int r = 1; r <= spread->MaxRows(); ++r) {
        if (spread->TextWithColID(kResult, r) == kFail) {
            optNotpass->setChecked(true);
            return;
        }
    }
    optPass->setChecked(true);
}

void frm_S_jajutest::btn_Savejaju_Click() {
    if (spread->MaxRows() == 0) return;
    const QString qty = lblipha_su->text().isEmpty() ? QStringLiteral("0") : lblipha_su->text();
    if (!gfIS_NUMBER_TOKEN(qty)) {
        gsMSG(QStringLiteral("지시수량을 확인하십시오: ") + qty);
        return;
    }
    const JajuKey k = key();
    const QVariant counted = gfDB_VALUE(gfJAJU_COUNT_SQL(k), kLocation);
    bool isNumber = false;
    const int count = counted.toInt(&isNumber);
    if (!isNumber) return;
    const bool pass = optPass->isChecked();
    JajuSheet s;
    s.check = optCheck->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    s.result = pass ? QStringLiteral("1") : QStringLiteral("0");
    s.qty = qty;
    s.passQty = pass ? qty : QStringLiteral("0");
    s.badQty = pass ? QStringLiteral("0") : qty;
    s.tester = lblemployee_no->text();
    s.testDate = dtptest_date->text();
    s.date = TerminalClock::date();
    s.hhmmss = TerminalClock::hhmmss();
    s.number = lbl_jaju_num->text();
    if (count == 0 && s.number.isEmpty()) {
        s.number = gfDB_VALUE(gfJAJU_SHEET_NUMBER_SQL(dtptest_date->date().toString("yyyyMMdd"),
                                                      s.testDate),
                              kLocation)
                       .toString();
        if (s.number.isEmpty()) return;
    }
    QStringList list{count == 0 ? gfJAJU_INSERT_SQL(k, s) : gfJAJU_UPDATE_SQL(k, s)};
    for (int row = 1; row <= spread->MaxRows(); ++row) {
        JajuItem item;
        item.testNumSub = spread->TextWithColID(QStringLiteral("세부출하검사번호"), row);
        for (int n = 1; n <= 9; ++n) item.x << spread->TextWithColID(xCol(n), row);
        item.check = spread->TextWithColID(QStringLiteral("검사확인"), row);
        item.result = spread->TextWithColID(kResult, row);
        item.remark = spread->TextWithColID(QStringLiteral("비고"), row);
        if (count == 0)
            list << gfJAJU_ITEM_INSERT_SQL(k, s, item);
        else
            list << gfJAJU_ITEM_UPDATE_SQL(k, s, item) << gfJAJU_ITEM_ADD_SQL(k, s, item);
    }
    if (!gfDB_EXEC_LIST(list, kLocation)) return;
    lbl_jaju_num->setText(s.number.isEmpty() ? lbl_jaju_num->text() : s.number);
    gsMSG(QStringLiteral("저장이 완료되었습니다."));
    lsQuery();
}

void frm_S_jajutest::btn_deletejaju_Click() {
    frm_MSG_004& ask = gfFORM<frm_MSG_004>();
    ask.lbldelete_type = lbldelete_type;
    lbldelete_type->clear();
    ask.Show();
    if (lbldelete_type->text() != QLatin1String("OK")) {
        gsMSG(QStringLiteral("삭제가 취소되었습니다."));
        return;
    }
    if (!gfDB_EXEC_LIST(gfJAJU_DELETE_SQL(key()), kLocation)) return;
    gsMSG(QStringLiteral("초중종검사가 삭제되었습니다."));
    lbl_jaju_num->clear();
    lsQuery();
}

void frm_S_jajutest::lbl_employee_Click() { gfFORM<frm_S_jaju_employee>().Show(); }

void frm_S_jajutest::Timer1_Timer() {
    const QDateTime now = TerminalClock::now();
    lblDate->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    lblTime->setText(now.toString(QStringLiteral("HH:mm:ss")));
}

}  // namespace mes
