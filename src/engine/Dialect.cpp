#include "engine/Dialect.h"

#include <QHash>
#include <QRegularExpression>
#include <iterator>

namespace engine {

namespace {

using R = FunctionRule;
using T = ResultRule;

constexpr FunctionInfo kFunctions[] = {
    {"COUNT", R::Native, "COUNT", 1, 1, T::Int, true},
    {"SUM", R::Native, "SUM", 1, 1, T::Sum, true},
    {"MIN", R::Native, "MIN", 1, 1, T::FirstArgument, true},
    {"MAX", R::Native, "MAX", 1, 1, T::FirstArgument, true},
    {"AVG", R::Native, "AVG", 1, 1, T::Avg, true},
    {"ABS", R::Native, "ABS", 1, 1, T::FirstArgument, true},
    {"UPPER", R::Native, "UPPER", 1, 1, T::TextOfFirst, true},
    {"LOWER", R::Native, "LOWER", 1, 1, T::TextOfFirst, true},
    {"LTRIM", R::Native, "LTRIM", 1, 1, T::TextOfFirst, true},
    {"RTRIM", R::Native, "RTRIM", 1, 1, T::TextOfFirst, true},
    {"COALESCE", R::Native, "COALESCE", 2, 64, T::Coalesce, true},
    {"NULLIF", R::Native, "NULLIF", 2, 2, T::FirstArgument, true},
    {"ISNULL", R::Isnull, "tsql_isnull", 2, 2, T::FirstArgument, true},
    {"LEFT", R::Rename, "tsql_left", 2, 2, T::TextOfFirst, true},
    {"RIGHT", R::Rename, "tsql_right", 2, 2, T::TextOfFirst, true},
    {"SUBSTRING", R::Rename, "tsql_substring", 3, 3, T::TextOfFirst, true},
    {"ISNUMERIC", R::Rename, "tsql_isnumeric", 1, 1, T::Int, true},
    {"REPLACE", R::Rename, "tsql_replace", 3, 3, T::TextOfFirst, true},
    {"LEN", R::Rename, "tsql_len", 1, 1, T::Int, true},
    {"GETDATE", R::Rename, "tsql_getdate", 0, 0, T::Datetime, false},
    // Reads the schema, which may change between calls.
    {"OBJECT_ID", R::Rename, "tsql_object_id", 1, 2, T::Int, false},
    {"CAST", R::Cast, "tsql_cast", 1, 1, T::CastAs, true},
    {"CONVERT", R::Convert, "tsql_convert", 2, 3, T::ConvertTo, true},
    {"DATEDIFF", R::Datediff, "tsql_datediff", 3, 3, T::Int, true},
    // The runtime functions the translations call besides the renamed ones.
    {"tsql_add", R::Internal, "tsql_add", 2, 2, T::Additive, true},
    {"tsql_sub", R::Internal, "tsql_sub", 2, 2, T::Additive, true},
    {"tsql_mul", R::Internal, "tsql_mul", 2, 2, T::Multiplicative, true},
    {"tsql_cmp", R::Internal, "tsql_cmp", 3, 3, T::Int, true},
    {"tsql_num", R::Internal, "tsql_num", 3, 3, T::QuotedSecond, true},
    {"tsql_to", R::Internal, "tsql_to", 2, 2, T::QuotedLast, true},
    {"tsql_cast", R::Internal, "tsql_cast", 2, 3, T::QuotedSecond, true},
    {"tsql_convert", R::Internal, "tsql_convert", 4, 5, T::QuotedFirst, true},
    {"tsql_sum", R::Internal, "tsql_sum", 1, 1, T::Sum, true},
    {"tsql_avg", R::Internal, "tsql_avg", 2, 2, T::Avg, true},
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

namespace {

// Lower-case names to entries, built once: T-SQL names, and the names a
// translation calls (a runtime entry before a T-SQL function of the same target).
struct Index {
    QHash<QString, const FunctionInfo*> tsql;
    QHash<QString, const FunctionInfo*> callee;
    Index() {
        for (const FunctionInfo& f : kFunctions) {
            const QString name = QString::fromLatin1(f.name).toLower();
            if (f.rule == FunctionRule::Internal) {
                callee.insert(name, &f);
                continue;
            }
            tsql.insert(name, &f);
            if (!callee.contains(name)) callee.insert(name, &f);
            const QString target = QString::fromLatin1(f.target).toLower();
            if (!callee.contains(target)) callee.insert(target, &f);
        }
    }
};

const Index& index() {
    static const Index i;
    return i;
}

}  // namespace

const FunctionInfo* findFunction(const QString& name) {
    return index().tsql.value(name.toLower(), nullptr);
}

const FunctionInfo* findCallee(const QString& name) {
    return index().callee.value(name.toLower(), nullptr);
}

const FunctionInfo* functionsBegin() { return std::begin(kFunctions); }
const FunctionInfo* functionsEnd() { return std::end(kFunctions); }

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
