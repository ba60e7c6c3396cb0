#include "production/StrokeTally.h"

namespace mes {

void StrokeTally::start(quint32 raw) {
    start_ = raw;
    last_ = raw;
    strokes_ = 0;
}

void StrokeTally::resume(qint64 start, qint64 last, qint64 strokes) {
    start_ = start;
    last_ = last;
    strokes_ = strokes < 0 ? 0 : strokes;
}

qint64 StrokeTally::feed(quint32 raw) {
    if (!started()) {
        start(raw);
        return 0;
    }
    const quint32 forward = raw - quint32(last_);  // modulo 2^32: a wrap counts on
    strokes_ += forward < 0x80000000u ? forward : raw;
    last_ = raw;
    return strokes_;
}

}  // namespace mes
