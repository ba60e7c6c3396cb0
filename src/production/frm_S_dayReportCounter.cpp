// The production screen: the counts from the machine's stroke counter.
#include <QDateTime>
#include <QLabel>

#include "foundation/Configuration.h"
#include "production/RunFigures.h"
#include "production/StrokeCounter.h"
#include "production/frm_S_dayReport.h"

namespace mes {

namespace {
const qint64 kRateWindowMs = 10000;
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
    lblCounter->show();
}

bool frm_S_dayReport::lsCountsFromMachine() const {
    return counter_ != nullptr && !shownRun_.isEmpty();
}

void frm_S_dayReport::lsCounterFollow(bool newRun) {
    if (counter_ == nullptr) return;
    if (newRun) tally_.clear();
    rateStrokes_ = -1;
    if (shownRun_.isEmpty()) {
        counter_->stop();
        return;
    }
    counter_->start();
}

void frm_S_dayReport::lsCounterRead(quint32 raw) {
    if (!lsCountsFromMachine()) return;
    const qint64 strokes = tally_.feed(raw);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (rateStrokes_ < 0) {
        rateStrokes_ = strokes;
        rateSince_ = now;
    } else if (now - rateSince_ >= kRateWindowMs) {
        const qint64 perMinute = (strokes - rateStrokes_) * 60000 / (now - rateSince_);
        lblCounter->setText(QStringLiteral("%1 spm").arg(perMinute));
        rateStrokes_ = strokes;
        rateSince_ = now;
    }
    lsCounterApply();
}

void frm_S_dayReport::lsCounterApply() {
    if (!tally_.started()) return;
    const qint64 strokes = tally_.strokes();
    // The pieces pressed on this terminal come on top of the counts the run was
    // loaded with; the bad count entered by cause is taken from them.
    const std::optional<qint32> okLoaded = gfCOUNT32(lblOk_Cnt2->count());
    const std::optional<qint32> badLoaded = gfCOUNT32(lblBad_Cnt2->count());
    const std::optional<qint32> bad = gfCOUNT32(lblBad_Cnt->count());
    if (!okLoaded || !badLoaded || !bad) return;
    const qint64 made = qint64(*okLoaded) + *badLoaded + strokes * gvConfig().CounterPieces;
    const qint64 good = qMax<qint64>(0, made - *bad);
    if (lblOk_Cnt->count().toLongLong() == good &&
        lblJakup_Cnt->count().toLongLong() == good + *bad)
        return;
    lsApplyGood(good);
}

void frm_S_dayReport::lsCounterLink(bool online) {
    counterOnline_ = online;
    // The counts stay as they are; the next reading brings the strokes made meanwhile.
    lblCounter->setText(online ? QString() : QStringLiteral("신호 없음"));
}

}  // namespace mes
