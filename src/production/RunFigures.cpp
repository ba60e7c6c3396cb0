#include "production/RunFigures.h"

#include <cmath>
#include <limits>

namespace mes {

std::optional<qint32> gfCOUNT32(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    const double r = std::nearbyint(v);  // default rounding mode: half to even
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(r);
}

std::optional<qint16> gfCOUNT16(const QString& text) {
    const std::optional<qint32> v = gfCOUNT32(text);
    if (!v || *v < std::numeric_limits<qint16>::min() || *v > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(*v);
}

std::optional<qint32> gfMINUTES32(const QString& elapsed) {
    const qsizetype unit = elapsed.indexOf(QStringLiteral("분"));
    return gfCOUNT32(unit < 0 ? elapsed : elapsed.left(unit));
}

namespace {

QDateTime at(const QString& date, const QString& time) {
    const QDate d = QDate::fromString(date.trimmed(), QStringLiteral("yyyy-MM-dd"));
    QTime t = QTime::fromString(time.trimmed(), QStringLiteral("HH:mm"));
    if (!t.isValid()) t = QTime::fromString(time.trimmed(), QStringLiteral("HH:mm:ss"));
    if (!d.isValid() || !t.isValid()) return {};
    return QDateTime(d, QTime(t.hour(), t.minute()));
}

}  // namespace

std::optional<qint64> gfRUN_MINUTES(const QString& date, const QString& from, const QString& to,
                                    const QDateTime& now) {
    const QDateTime start = at(date, from);
    QDateTime end;
    if (to.isEmpty()) {
        end = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()));
    } else {
        end = at(date, to);
    }
    if (!start.isValid() || !end.isValid()) return std::nullopt;
    return start.secsTo(end) / 60;
}

QString gfELAPSED_TEXT(const QString& stDate, const QString& stTime, const QString& edTime,
                       const QString& juya, const QDateTime& now, const QString& keeps) {
    if (stDate.isEmpty()) return keeps;
    if (!edTime.isEmpty() && juya != QStringLiteral("주간")) return keeps;
    const std::optional<qint64> m = gfRUN_MINUTES(stDate, stTime, edTime, now);
    if (!m) return keeps;
    return QString::number(*m) + QStringLiteral("분");
}

}  // namespace mes
