#pragma once

#include <QtGlobal>

namespace mes {

// Strokes of a run from the raw readings of a 32-bit machine counter. A
// reading below the last one is a wrap when counting on from the last gives
// less than half the range, otherwise the PLC reset its counter: the strokes
// before the reset stay counted and the counter counts on from zero.
class StrokeTally {
  public:
    bool started() const { return last_ >= 0; }
    // The first reading of the run: strokes count from here.
    void start(quint32 raw);
    // Carries on from a kept state (a restart of the terminal).
    void resume(qint64 start, qint64 last, qint64 strokes);
    void clear() { *this = StrokeTally(); }
    // Takes a reading; returns the strokes since the start.
    qint64 feed(quint32 raw);

    qint64 startValue() const { return start_; }
    qint64 lastValue() const { return last_; }
    qint64 strokes() const { return strokes_; }

  private:
    qint64 start_ = -1;
    qint64 last_ = -1;
    qint64 strokes_ = 0;
};

}  // namespace mes
