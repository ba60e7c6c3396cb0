#include "quality/InspectionJudgement.h"

#include <optional>

#include "quality/MoldTestSql.h"

namespace mes {

namespace {
std::optional<double> numberOf(const QString& text) {
    const QString t = text.trimmed();
    if (!gfIS_NUMBER_TOKEN(t)) return std::nullopt;
    return t.toDouble();
}
}  // namespace

bool gfINSPECTION_FAILS(const QString& value, const QString& min, const QString& max) {
    const std::optional<double> v = numberOf(value);
    if (!v) {
        const QString t = value.trimmed().toUpper();
        return !(t.isEmpty() || t == QLatin1String("OK") || t == QStringLiteral("양호"));
    }
    const std::optional<double> lo = numberOf(min);
    const std::optional<double> hi = numberOf(max);
    if (!lo && !hi) return true;
    return (lo && *v < *lo) || (hi && *v > *hi);
}

}  // namespace mes
