#include "foundation/DemoSeed.h"

#include <QRegularExpression>

#include "foundation/Session.h"

namespace mes {

namespace {

bool expandOne(const QString& name, const QString& offsetText, const QDateTime& now,
               const QString& ip, QString* value) {
    const bool hasOffset = !offsetText.isEmpty();
    const int offset = hasOffset ? offsetText.toInt() : 0;
    const QDate today = now.date();
    if (name == QLatin1String("D")) {
        *value = today.addDays(offset).toString(QStringLiteral("yyyy-MM-dd"));
    } else if (name == QLatin1String("K")) {
        *value = today.addDays(offset).toString(QStringLiteral("yyyyMMdd"));
    } else if (name == QLatin1String("L")) {
        *value = today.addDays(offset).toString(QStringLiteral("yyMMdd"));
    } else if (name == QLatin1String("T")) {
        // Stays on the creation day so that a run's start never falls on another date.
        const QDateTime t = now.addSecs(qint64(offset) * 60);
        if (t.date() < today) {
            *value = QStringLiteral("00:00");
        } else if (t.date() > today) {
            *value = QStringLiteral("23:59");
        } else {
            *value = t.toString(QStringLiteral("HH:mm"));
        }
    } else if (name == QLatin1String("NOW") && !hasOffset) {
        *value = now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    } else if (name == QLatin1String("IP") && !hasOffset) {
        *value = gfSQ(ip);
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool gfDEMO_EXPAND(const QString& script, const QDateTime& now, const QString& ip, QString* result,
                   QString* error) {
    static const QRegularExpression placeholder(QStringLiteral(R"(\$\{([A-Z]+)([+-]\d+)?\})"));
    QString out;
    out.reserve(script.size());
    qsizetype from = 0;
    qsizetype matches = 0;
    auto it = placeholder.globalMatch(script);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        ++matches;
        QString value;
        if (!expandOne(m.captured(1), m.captured(2), now, ip, &value)) {
            if (error)
                *error =
                    QStringLiteral("unknown placeholder %1 in the demo script").arg(m.captured(0));
            return false;
        }
        out += QStringView(script).mid(from, m.capturedStart(0) - from);
        out += value;
        from = m.capturedEnd(0);
    }
    out += QStringView(script).mid(from);
    // A "${" that did not match is a malformed placeholder.
    if (script.count(QLatin1String("${")) != matches) {
        if (error) *error = QStringLiteral("malformed placeholder in the demo script");
        return false;
    }
    *result = out;
    return true;
}

}  // namespace mes
