#include "engine/Dialect.h"

#include <QRegularExpression>

namespace engine {

namespace {

constexpr FunctionInfo kFunctions[] = {
    {"COUNT", FunctionRule::Native, "COUNT", 1, 1},
    {"SUM", FunctionRule::Native, "SUM", 1, 1},
    {"MIN", FunctionRule::Native, "MIN", 1, 1},
    {"MAX", FunctionRule::Native, "MAX", 1, 1},
    {"AVG", FunctionRule::Native, "AVG", 1, 1},
    {"ABS", FunctionRule::Native, "ABS", 1, 1},
    {"UPPER", FunctionRule::Native, "UPPER", 1, 1},
    {"LOWER", FunctionRule::Native, "LOWER", 1, 1},
    {"LTRIM", FunctionRule::Native, "LTRIM", 1, 1},
    {"RTRIM", FunctionRule::Native, "RTRIM", 1, 1},
    {"COALESCE", FunctionRule::Native, "COALESCE", 2, 64},
    {"NULLIF", FunctionRule::Native, "NULLIF", 2, 2},
    {"ISNULL", FunctionRule::Isnull, "tsql_isnull", 2, 2},
    {"LEFT", FunctionRule::Rename, "tsql_left", 2, 2},
    {"RIGHT", FunctionRule::Rename, "tsql_right", 2, 2},
    {"SUBSTRING", FunctionRule::Rename, "tsql_substring", 3, 3},
    {"ISNUMERIC", FunctionRule::Rename, "tsql_isnumeric", 1, 1},
    {"REPLACE", FunctionRule::Rename, "tsql_replace", 3, 3},
    {"LEN", FunctionRule::Rename, "tsql_len", 1, 1},
    {"GETDATE", FunctionRule::Rename, "tsql_getdate", 0, 0},
    {"OBJECT_ID", FunctionRule::Rename, "tsql_object_id", 1, 2},
    {"CAST", FunctionRule::Cast, "tsql_cast", 1, 1},
    {"CONVERT", FunctionRule::Convert, "tsql_convert", 2, 3},
    {"DATEDIFF", FunctionRule::Datediff, "tsql_datediff", 3, 3},
};

struct Unit {
    const char* canonical;
    const char* names[4];
};

constexpr Unit kUnits[] = {
    {"year", {"year", "yy", "yyyy", nullptr}},
    {"quarter", {"quarter", "qq", "q", nullptr}},
    {"month", {"month", "mm", "m", nullptr}},
    {"day", {"day", "dd", "d", "dayofyear"}},
    {"week", {"week", "wk", "ww", nullptr}},
    {"hour", {"hour", "hh", nullptr, nullptr}},
    {"minute", {"minute", "mi", "n", nullptr}},
    {"second", {"second", "ss", "s", nullptr}},
    {"millisecond", {"millisecond", "ms", nullptr, nullptr}},
};

qint64 floorDiv(qint64 a, qint64 b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

const FunctionInfo* findFunction(const QString& name) {
    for (const FunctionInfo& f : kFunctions) {
        if (name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0) return &f;
    }
    return nullptr;
}

QString datediffUnit(const QString& name) {
    for (const Unit& u : kUnits) {
        for (const char* n : u.names) {
            if (n && name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
                return QLatin1String(u.canonical);
        }
    }
    return {};
}

qint64 datediffBoundaries(const QString& unit, const QDateTime& a, const QDateTime& b) {
    const QDate epoch(1900, 1, 1);
    const qint64 dayA = epoch.daysTo(a.date()), dayB = epoch.daysTo(b.date());
    const qint64 msA = a.time().msecsSinceStartOfDay(), msB = b.time().msecsSinceStartOfDay();
    const qint64 totalA = dayA * 86400000 + msA, totalB = dayB * 86400000 + msB;
    if (unit == QLatin1String("year")) return b.date().year() - a.date().year();
    if (unit == QLatin1String("quarter"))
        return (b.date().year() - a.date().year()) * 4 + (b.date().month() - 1) / 3 -
               (a.date().month() - 1) / 3;
    if (unit == QLatin1String("month"))
        return (b.date().year() - a.date().year()) * 12 + b.date().month() - a.date().month();
    if (unit == QLatin1String("day")) return dayB - dayA;
    // Weeks end on Saturday: 1900-01-01 was a Monday, so Sunday-started weeks count from day -1.
    if (unit == QLatin1String("week")) return floorDiv(dayB + 1, 7) - floorDiv(dayA + 1, 7);
    if (unit == QLatin1String("hour")) return floorDiv(totalB, 3600000) - floorDiv(totalA, 3600000);
    if (unit == QLatin1String("minute")) return floorDiv(totalB, 60000) - floorDiv(totalA, 60000);
    if (unit == QLatin1String("second")) return floorDiv(totalB, 1000) - floorDiv(totalA, 1000);
    return totalB - totalA;
}

bool isNumericText(const QString& text) {
    // Digits with optional sign, currency sign, thousands commas, decimal point and
    // exponent; a lone sign, point or currency sign counts too, as on SQL Server.
    static const QRegularExpression re(QStringLiteral(
        R"(^\s*[$\x{20A9}\x{00A3}\x{00A5}\x{20AC}]?\s*[+-]?\s*[$\x{20A9}\x{00A3}\x{00A5}\x{20AC}]?(?:[\d,]*\.?\d*)(?:[eEdD][+-]?\d+)?\s*$)"));
    if (text.trimmed().isEmpty()) return false;
    if (!re.match(text).hasMatch()) return false;
    // An exponent needs a mantissa digit.
    static const QRegularExpression exponent(QStringLiteral("[eEdD]"));
    if (text.contains(exponent) &&
        !text.section(exponent, 0, 0).contains(QRegularExpression(QStringLiteral("\\d"))))
        return false;
    return true;
}

}  // namespace engine
