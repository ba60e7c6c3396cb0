// The production screen: the counts from the machine's stroke counter.
#include <QLabel>
#include <QPushButton>

#include "foundation/Configuration.h"
#include "foundation/ErrorLog.h"
#include "foundation/TerminalClock.h"
#include "production/RunFigures.h"
#include "production/StrokeCounter.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/frm_MSG_001.h"
#include "ui/frm_Pass_Key.h"
#include "workorders/frm_S_jakupjisi_list.h"

namespace mes {

namespace {
const qint64 kRateWindowMs = 10000;
const QString kWeighedText = QStringLiteral("중량(KG) 수기입력");
const QString kRanWhileStoppedText = QStringLiteral("정지 중 가동");
}  // namespace

void frm_S_dayReport::lsCounterSetup() {
    const Configuration& c = gvConfig();
    if (c.CounterHost.isEmpty()) return;  // no counter: the counts are typed
    counter_ = new StrokeCounter({c.CounterHost, c.CounterPort, c.CounterUnit, c.CounterRegister,
                                  c.CounterHighWordFirst, c.CounterPollMs},
                                 this);
    // Emitted on the counter's thread: queued into this one.
    connect(counter_, &StrokeCounter::counted, this, &frm_S_dayReport::lsCounterRead,
            Qt::QueuedConnection);
    connect(counter_, &StrokeCounter::linkChanged, this, &frm_S_dayReport::lsCounterLink,
            Qt::QueuedConnection);
    connect(btnTypedCounts, &QPushButton::clicked, this, &frm_S_dayReport::btnTypedCounts_Click);
    lblCounter->show();
    btnTypedCounts->show();
}

bool frm_S_dayReport::lsCountsFromMachine() const {
    // Strokes make pieces, not kilograms: a run counted in KG is weighed and typed.
    return counter_ != nullptr && !shownRun_.isEmpty() && !typedCounts_ &&
           lblUnit_Code->text() != QLatin1String("KG");
}

void frm_S_dayReport::lsCounterFollow(bool newRun) {
    if (counter_ == nullptr) return;
    if (newRun) {
        tally_.clear();
        typedCounts_ = false;
    }
    rateStrokes_ = -1;
    movedStrokes_ = -1;
    ranWhileStopped_ = false;
    rateText_.clear();
    if (!lsCountsFromMachine()) {
        counter_->stop();
        if (!shownRun_.isEmpty() && !typedCounts_) lblCounter->setText(kWeighedText);
        return;
    }
    if (lblCounter->text() == kWeighedText) lblCounter->clear();
    counter_->start();
}

void frm_S_dayReport::lsCounterRead(quint32 raw) {
    if (!lsCountsFromMachine()) return;
    const qint64 lastKept = tally_.lastValue();
    const qint64 strokes = tally_.feed(raw);
    const qint64 now = TerminalClock::now().toMSecsSinceEpoch();
    if (rateStrokes_ < 0) {
        rateStrokes_ = strokes;
        rateSince_ = now;
    } else if (now - rateSince_ >= kRateWindowMs) {
        const qint64 perMinute = (strokes - rateStrokes_) * 60000 / (now - rateSince_);
        rateText_ = QStringLiteral("%1 spm").arg(perMinute);
        rateStrokes_ = strokes;
        rateSince_ = now;
    }
    const bool moved = movedStrokes_ >= 0 && strokes != movedStrokes_;
    if (movedStrokes_ < 0 || moved) {
        movedStrokes_ = strokes;
        movedAt_ = now;
    }
    // The stop buttons against what the machine does.
    // The warning stays until the stop is ended, whatever the link does meanwhile.
    const bool stopOpen = !btnBigadong_s->isEnabled();
    ranWhileStopped_ = stopOpen && (ranWhileStopped_ || moved);
    if (ranWhileStopped_)
        lblCounter->setText(kRanWhileStoppedText);
    else if (!stopOpen && now - movedAt_ > qint64(gvConfig().CounterStillMinutes) * 60000)
        lblCounter->setText(QStringLiteral("정지 미입력"));
    else
        lblCounter->setText(rateText_);
    // Every new reading is kept, even one that adds no piece (the first of the
    // run, a reset of the PLC): a restart counts on from it.
    if (!lsCounterApply() && tally_.lastValue() != lastKept) lsKeepEntries();
}

bool frm_S_dayReport::lsCounterApply() {
    if (!tally_.started()) return false;
    const qint64 strokes = tally_.strokes();
    // The pieces pressed on this terminal come on top of the counts the run was
    // loaded with; the bad count entered by cause is taken from them.
    const std::optional<qint32> okLoaded = gfCOUNT32(lblOk_Cnt2->count());
    const std::optional<qint32> badLoaded = gfCOUNT32(lblBad_Cnt2->count());
    const std::optional<qint32> bad = gfCOUNT32(lblBad_Cnt->count());
    if (!okLoaded || !badLoaded || !bad) return false;
    const qint64 made = qint64(*okLoaded) + *badLoaded + strokes * gvConfig().CounterPieces;
    const qint64 good = qMax<qint64>(0, made - *bad);
    if (lblOk_Cnt->count().toLongLong() == good &&
        lblJakup_Cnt->count().toLongLong() == good + *bad)
        return false;
    lsApplyGood(good);
    return true;
}

void frm_S_dayReport::btnTypedCounts_Click() {
    if (!lsCountsFromMachine()) return;
    if (gfFORM<frm_Pass_Key>().Show() != frm_S_jakupjisi_list::kAccessCode) {
        gsMSG(QStringLiteral("잘못된 비밀번호 입니다."));
        return;
    }
    typedCounts_ = true;
    counter_->stop();
    lblCounter->setText(QStringLiteral("수기입력"));
    const QDateTime now = TerminalClock::now();
    ErrorLog::append(ErrorLog::formatRecord(DbError{},
                                            QStringLiteral("수기입력 전환: %1, 타발 %2, 양품 %3")
                                                .arg(shownRun_)
                                                .arg(tally_.strokes())
                                                .arg(lblOk_Cnt->count()),
                                            objectName(), now),
                     now);
    gsMSG(QStringLiteral("이 작업의 수량을 수기로 입력합니다."));
}

void frm_S_dayReport::lsCounterLink(bool online) {
    counterOnline_ = online;
    if (!lsCountsFromMachine()) return;  // a late signal of a counter just stopped
    // The counts stay as they are; the next reading brings the strokes made meanwhile.
    lblCounter->setText(online ? (ranWhileStopped_ ? kRanWhileStoppedText : QString())
                               : QStringLiteral("신호 없음"));
}

}  // namespace mes
