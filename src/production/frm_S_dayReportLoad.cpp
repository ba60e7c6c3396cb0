// The production screen: loading the run, the material grid and the timers.
#include <QLabel>
#include <QTimer>

#include "foundation/ErrorLog.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "production/DayReportSql.h"
#include "production/HeldEntriesFile.h"
#include "production/RunFigures.h"
#include "production/frm_S_dayReport.h"
#include "ui/SpreadModel.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"

namespace mes {

namespace {
const QString kLocation = QStringLiteral("작업지시목록");
}  // namespace

void frm_S_dayReport::lsQuery() {
    // The run already shown keeps what was entered on it; only another run replaces it.
    const RunEntries held = lsHeldEntries();
    const QString asked = lblOp_seq_sub->text();
    // A fresh screen: what the file kept before the program ended.
    const std::optional<RunEntries> kept =
        held.runKey.isEmpty() ? lsKeptEntries() : std::optional<RunEntries>();
    const bool found =
        gfDB_QUERY(gfDAYREPORT_RUN_SQL(lvEquipment_code, lblOp_seq_sub->text()), false, kLocation);
    QString savedBad;  // the defects saved in the database
    if (found) {
        copyRun();
        savedBad = lblBad_Cnt->count();
        gvRS().close();
        Timer2_Timer();
        Timer2->start();
    } else {
        emptyRun();
        gvRS().close();
        Timer2->stop();
    }
    shownRun_ = found ? lblOp_seq_sub->text() : QString();
    setCaptionsByUnit();
    const bool same = found && !held.runKey.isEmpty() && held.runKey == shownRun_;
    const bool fromFile = !same && found && kept && kept->runKey == shownRun_;
    if (same) {
        lsRestoreEntries(held);
    } else if (fromFile) {
        lsRestoreEntries(*kept);
        lblUnit_Code->setText(kept->unit);
        lblStTime->setText(kept->startTime);
        lblEdTime->setText(kept->endTime);
        setCaptionsByUnit();
    } else {
        lsBottomQuery();
        lsTuip_Sum();
    }
    lsCounterFollow(!same && !fromFile);
    // Killed after the defect dialog's commit, before the file was written: the
    // saved defects are the bad count.
    if (fromFile && kept->bad != savedBad) {
        lblBad_Cnt->setCount(savedBad);
        lsBadCounted();
    }
    lblWC_name->setText(lblCustomer_Name->text() + QStringLiteral(" (") +
                        lbl_jakupjisi_num->text() + u')');
    // Ended here or elsewhere, or no longer in progress: nothing left to book.
    if (kept && kept->runKey == asked && !found) HeldEntriesFile::discard();
    loadStopState();
    Timer1_Timer();
}

std::optional<RunEntries> frm_S_dayReport::lsKeptEntries() const {
    QString why;
    std::optional<RunEntries> kept = HeldEntriesFile::load(&why);
    const QString run = lblOp_seq_sub->text();
    if (!kept && why.isEmpty()) return kept;  // no file
    if (kept && (kept->runKey == run || run.isEmpty())) return kept;
    if (kept) why = QStringLiteral("kept for run ") + kept->runKey + QStringLiteral(", not ") + run;
    const QDateTime when = TerminalClock::now();
    ErrorLog::append(
        ErrorLog::formatRecord({}, HeldEntriesFile::path() + QStringLiteral(" ignored: ") + why,
                               QStringLiteral("frm_S_dayReport"), when),
        when);
    return std::nullopt;
}

void frm_S_dayReport::lsKeepEntries() {
    if (shownRun_.isEmpty()) return;
    if (HeldEntriesFile::save(lsHeldEntries())) return;
    const QDateTime when = TerminalClock::now();
    ErrorLog::append(
        ErrorLog::formatRecord({}, HeldEntriesFile::path() + QStringLiteral(" not written"),
                               QStringLiteral("frm_S_dayReport"), when),
        when);
}

RunEntries frm_S_dayReport::lsHeldEntries() const {
    RunEntries held;
    if (shownRun_.isEmpty()) return held;
    held.runKey = shownRun_;
    held.good = lblOk_Cnt->count();
    held.bad = lblBad_Cnt->count();
    held.made = lblJakup_Cnt->count();
    held.goodLoaded = lblOk_Cnt2->count();
    held.badLoaded = lblBad_Cnt2->count();
    held.goodFixed = !Timer2->isActive();
    held.lotIdx = lvLotIdx;
    held.unit = lblUnit_Code->text();
    held.startTime = lblStTime->text();
    held.endTime = lblEdTime->text();
    held.counterStart = tally_.startValue();
    held.counterLast = tally_.lastValue();
    held.counterStrokes = tally_.strokes();
    held.typedCounts = typedCounts_;
    const SpreadModel& grid = *spread->model();
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.columnCount(); ++c) cells << grid.raw(r, c);
        held.lotCells << cells;
        held.lotMarks << grid.mark(r);
    }
    return held;
}

void frm_S_dayReport::lsRestoreEntries(const RunEntries& held) {
    lblOk_Cnt->setCount(held.good);
    lblBad_Cnt->setCount(held.bad);
    lblJakup_Cnt->setCount(held.made);
    lblOk_Cnt2->setCount(held.goodLoaded);
    lblBad_Cnt2->setCount(held.badLoaded);
    if (held.goodFixed) Timer2->stop();
    lvLotIdx = held.lotIdx;
    if (held.counterLast >= 0)
        tally_.resume(held.counterStart, held.counterLast, held.counterStrokes);
    else
        tally_.clear();
    typedCounts_ = held.typedCounts;
    spread->model()->replaceRows(held.lotCells);
    for (int r = 1; r <= held.lotMarks.size(); ++r) spread->SetRowMark(r, held.lotMarks[r - 1]);
}

void frm_S_dayReport::copyRun() {
    RecordSet& rs = gvRS();
    // A null shows as empty (RecordSet::text).
    const auto put = [&rs](QLabel* l, const char* column) {
        l->setText(rs.text(QString::fromUtf8(column)));
    };
    put(lblJakupdate, "지시일자");
    put(lbl_juya, "주야구분");
    put(lblEmployee_name, "작업자");
    put(lblJakupsu, "작업인원");
    put(lbl_jakupjisi_num, "작업지시번호");
    put(lblseq, "작업지시번호");
    put(lblOp_seq_sub, "생산실적번호");
    put(lblCustomer_Code, "수주처코드");
    put(lblCustomer_Name, "수주처");
    put(lblWC_code, "공정코드");
    put(lblWC_name, "공정명");
    put(lblEquipment_code, "설비코드");
    put(lblProduct_code, "품번코드");
    put(lblpumbun, "품번");
    put(lblproduct_name, "품명");
    put(lblProduct_name_Detail, "품명상세");
    put(lblUnit_Code, "단위");
    lblJisi_Cnt->setCount(rs.text(QStringLiteral("지시수량")));
    const QString good = rs.text(QStringLiteral("양품수량"));
    const QString bad = rs.text(QStringLiteral("불량수량"));
    lblOk_Cnt->setCount(good);
    lblOk_Cnt2->setCount(good);
    lblBad_Cnt->setCount(bad);
    lblBad_Cnt2->setCount(bad);
    put(lblStDate, "시작일자");
    put(lblStTime, "시작시간");
    put(lblEdTime, "종료시간");
    put(lblProduct_Gubun, "제품구분");
    put(lblemployee_no, "작업자사번");
    const std::optional<qint32> ok = gfCOUNT32(good);
    const std::optional<qint32> badCount = gfCOUNT32(bad);
    if (ok && badCount) lblJakup_Cnt->setCount(qint64(*ok) + *badCount);
}

void frm_S_dayReport::emptyRun() {
    for (QLabel* l : {static_cast<QLabel*>(lblJakupdate), lbl_juya, lblEmployee_name, lblJakupsu,
                      lbl_jakupjisi_num, lblOp_seq_sub, lblCustomer_Name, lblWC_code,
                      lblProduct_code, lblpumbun, lblproduct_name, lblProduct_name_Detail}) {
        l->clear();
    }
    for (QLabel* l : {lbl_okcnt2, lbl_badcnt2}) l->setText(QStringLiteral("0"));
    for (CountLabel* l :
         {lblJisi_Cnt, lblJakup_Cnt, lblBad_Cnt, lblOk_Cnt, lblBad_Cnt2, lblOk_Cnt2})
        l->setCount(0);
    for (QLabel* l :
         {lblUnit_Code, lblStDate, static_cast<QLabel*>(lblStTime), lblMin, lblCar_code, lblLotno,
          lblProduct_Gubun, static_cast<QLabel*>(lblEdTime), lblProduct_type_code, lblseq}) {
        l->clear();
    }
}

void frm_S_dayReport::setCaptionsByUnit() {
    const bool kg = lblUnit_Code->text() == QLatin1String("KG");
    lblJisi_Text->setText(kg ? QStringLiteral("지시중량") : QStringLiteral("지시수량"));
    lblSangsan_Text->setText(kg ? QStringLiteral("생산중량") : QStringLiteral("생산수량"));
    lblOk_Text->setText(kg ? QStringLiteral("양품중량") : QStringLiteral("양품수량"));
    lblBad_Text->setText(kg ? QStringLiteral("불량중량") : QStringLiteral("불량수량"));
}

void frm_S_dayReport::lsBottomQuery() {
    spread->SetbindRS(gfDAYREPORT_BOM_SQL(lblProduct_code->text(), lblOp_seq_sub->text()),
                      QStringLiteral("frm_S_dayReport"));
}

void frm_S_dayReport::Timer1_Timer() {
    const QDateTime now = TerminalClock::now();
    lblDate->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    lblTime->setText(now.toString(QStringLiteral("HH:mm:ss")));
    if (lblStDate->text().isEmpty()) return;
    lblMin->setText(gfELAPSED_TEXT(lblStDate->text(), lblStTime->text(), lblEdTime->text(),
                                   lbl_juya->text(), now, lblMin->text()));
    // The count rule; a count that is not a number leaves the fields as they are.
    const std::optional<qint32> bad = gfCOUNT32(lblBad_Cnt->count());
    if (Timer2->isActive()) {
        const std::optional<qint32> made = gfCOUNT32(lblJakup_Cnt->count());
        if (made && bad) lblOk_Cnt->setCount(qint64(*made) - *bad);
    } else {
        const std::optional<qint32> ok = gfCOUNT32(lblOk_Cnt->count());
        if (ok && bad) lblJakup_Cnt->setCount(qint64(*ok) + *bad);
    }
}

void frm_S_dayReport::Timer2_Timer() {
    if (lbl_jakupjisi_num->text().isEmpty()) return;
    // A refresh nobody asked for: a lost connection keeps the last figures
    // quietly until the operator's next action reconnects.
    const QVariantList row =
        gfDB_ROW_QUIET(gfDAYREPORT_TOTALS_SQL(lbl_jakupjisi_num->text()), kLocation);
    if (row.isEmpty()) return;
    const auto sum = [&row](int i) {
        const QVariant v = row.value(i);
        return v.isNull() || v.toString().isEmpty() ? QStringLiteral("0") : v.toString();
    };
    lbl_okcnt2->setText(sum(0));
    lbl_badcnt2->setText(sum(1));
}

}  // namespace mes
