#include "engine/DateTimeText.h"

#include <QRegularExpression>
#include <cmath>

namespace engine {

QDateTime roundToDatetime(const QDateTime& t) {
    const QTime time = t.time();
    const int ms = time.msec();
    const int ticks = static_cast<int>(std::lround(ms * 0.3));  // 1/300 s
    const int roundedMs = static_cast<int>(std::lround(ticks * 10.0 / 3.0));
    // Wall-clock values held as UTC: no time-zone look-ups as for local time.
    QDateTime base(t.date(), QTime(time.hour(), time.minute(), time.second()), Qt::UTC);
    return base.addMSecs(roundedMs);
}

QString datetimeText(const QDateTime& t) {
    return roundToDatetime(t).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

bool parseDatetime(const QString& text, QDateTime* out) {
    const QString s = text.trimmed();
    if (s.isEmpty()) {
        *out = QDateTime(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC);
        return true;
    }
    static const QRegularExpression re(QStringLiteral(
        R"(^(?:(\d{4})([-/.]?)(\d{1,2})\2(\d{1,2}))?(?:(?:^|[ T]+)(\d{1,2}):(\d{1,2})(?::(\d{1,2})(?:[.:](\d{1,3}))?)?)?$)"));
    const auto m = re.match(s);
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(5).isEmpty())) return false;
    QDate date(1900, 1, 1);
    if (!m.captured(1).isEmpty()) {
        // yyyymmdd needs all eight digits; with separators one or two digits are fine.
        if (m.captured(2).isEmpty() && (m.captured(3).size() != 2 || m.captured(4).size() != 2))
            return false;
        date = QDate(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
        if (!date.isValid()) return false;
    }
    QTime time(0, 0);
    if (!m.captured(5).isEmpty()) {
        QString msText = m.captured(8);
        int ms = 0;
        if (!msText.isEmpty()) ms = QString(msText + QStringLiteral("00")).left(3).toInt();
        time = QTime(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(7).toInt(), ms);
        if (!time.isValid()) return false;
    }
    *out = roundToDatetime(QDateTime(date, time, Qt::UTC));
    return true;
}

bool formatDatetimeStyle(const QDateTime& t0, int style, QString* out) {
    const QDateTime t = roundToDatetime(t0);
    const char* format = nullptr;
    switch (style) {
        case 20:
        case 120:
            format = "yyyy-MM-dd HH:mm:ss";
            break;
        case 21:
        case 121:
            format = "yyyy-MM-dd HH:mm:ss.zzz";
            break;
        case 8:
        case 108:
            format = "HH:mm:ss";
            break;
        case 14:
        case 114:
            format = "HH:mm:ss:zzz";
            break;
        case 23:
            format = "yyyy-MM-dd";
            break;
        case 112:
            format = "yyyyMMdd";
            break;
        case 111:
            format = "yyyy/MM/dd";
            break;
        case 102:
            format = "yyyy.MM.dd";
            break;
        case 0:
        case 100: {
            // "Dec  8 2026  9:14PM": month abbreviation, day and hour padded with blanks.
            static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
            const int h12 = t.time().hour() % 12 == 0 ? 12 : t.time().hour() % 12;
            *out = QStringLiteral("%1 %2 %3 %4:%5%6")
                       .arg(QLatin1String(months[t.date().month() - 1]))
                       .arg(t.date().day(), 2)
                       .arg(t.date().year())
                       .arg(h12, 2)
                       .arg(t.time().minute(), 2, 10, QLatin1Char('0'))
                       .arg(t.time().hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
            return true;
        }
        default:
            return false;
    }
    *out = t.toString(QLatin1String(format));
    return true;
}

}  // namespace engine
