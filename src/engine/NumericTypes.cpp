#include "engine/NumericTypes.h"

#include <algorithm>
#include <limits>

namespace engine {

namespace {

constexpr int kMaxPrecision = 38;

TypeSpec decimal(int precision, int scale) {
    TypeSpec t = parseTypeSpec(QStringLiteral("numeric"));
    t.precision = precision;
    t.scale = scale;
    t.scaleGiven = true;
    t.name = QStringLiteral("numeric");
    return t;
}

// Beyond 38 digits the integral part is kept and the places give way, to no
// fewer than 6 unless the operands had fewer.
TypeSpec capped(int precision, int scale) {
    if (precision <= kMaxPrecision) return decimal(precision, scale);
    const int integral = precision - scale;
    scale = integral < 32 ? std::min(scale, kMaxPrecision - integral) : std::min(scale, 6);
    return decimal(kMaxPrecision, scale);
}

bool isDecimal(const TypeSpec& t) { return t.base == TypeSpec::Base::Numeric && t.scaleGiven; }

}  // namespace

int typeRank(const TypeSpec& t) {
    switch (t.base) {
        case TypeSpec::Base::Datetime:
        case TypeSpec::Base::Date:
            return 5;
        case TypeSpec::Base::Float:
            return 4;
        case TypeSpec::Base::Numeric:
            return 3;
        case TypeSpec::Base::Int:
            return 2;
        case TypeSpec::Base::Text:
        case TypeSpec::Base::Char:
            return 1;
        default:
            return 0;
    }
}

TypeSpec numberLiteralType(const QString& text) {
    if (text.contains(u'e', Qt::CaseInsensitive)) return parseTypeSpec(QStringLiteral("float"));
    const int point = static_cast<int>(text.indexOf(u'.'));
    if (point < 0) {
        bool ok = false;
        const qint64 v = text.toLongLong(&ok);
        if (ok && v <= std::numeric_limits<qint32>::max())
            return parseTypeSpec(QStringLiteral("int"));
        return decimal(std::clamp(static_cast<int>(text.size()), 1, kMaxPrecision), 0);
    }
    // The digits as written, leading zeros of the integral part not counted.
    const QString whole = text.left(point);
    int integral = 0;
    for (QChar c : whole) {
        if (c.isDigit() && (integral > 0 || c != u'0')) ++integral;
    }
    const int scale = static_cast<int>(text.size()) - point - 1;
    return decimal(std::clamp(integral + scale, 1, kMaxPrecision), std::min(scale, kMaxPrecision));
}

TypeSpec asDecimal(const TypeSpec& t) {
    if (t.base == TypeSpec::Base::Int) {
        if (t.name == QLatin1String("bigint")) return decimal(19, 0);
        if (t.name == QLatin1String("smallint")) return decimal(5, 0);
        if (t.name == QLatin1String("tinyint")) return decimal(3, 0);
        return decimal(10, 0);
    }
    if (t.base == TypeSpec::Base::Numeric && !t.scaleGiven) return decimal(18, 0);
    return t;
}

TypeSpec operatorResult(char op, const TypeSpec& a, const TypeSpec& b) {
    if (typeRank(a) == 0 || typeRank(b) == 0) return {};
    const TypeSpec high = typeRank(b) > typeRank(a) ? b : a;
    if (high.base != TypeSpec::Base::Numeric) {
        if (high.base == TypeSpec::Base::Int && typeRank(a) == typeRank(b))
            return a.name == QLatin1String("bigint") ? a : b;
        return high;
    }
    // A text operand becomes the other operand's number type.
    const TypeSpec x = asDecimal(a.isText() ? b : a), y = asDecimal(b.isText() ? a : b);
    if (!isDecimal(x) || !isDecimal(y)) return high;
    const int p1 = x.precision, s1 = x.scale, p2 = y.precision, s2 = y.scale;
    switch (op) {
        case '+':
        case '-': {
            const int scale = std::max(s1, s2);
            return capped(std::max(p1 - s1, p2 - s2) + scale + 1, scale);
        }
        case '*':
            return capped(p1 + p2 + 1, s1 + s2);
        case '/': {
            const int scale = std::max(6, s1 + p2 + 1);
            return capped(p1 - s1 + s2 + scale, scale);
        }
        default: {  // %
            const int scale = std::max(s1, s2);
            return capped(std::min(p1 - s1, p2 - s2) + scale, scale);
        }
    }
}

TypeSpec sumResult(const TypeSpec& t) {
    if (!isDecimal(asDecimal(t)) || t.base != TypeSpec::Base::Numeric) return t;
    return decimal(kMaxPrecision, asDecimal(t).scale);
}

TypeSpec avgResult(const TypeSpec& t) {
    if (t.base != TypeSpec::Base::Numeric) return t;
    return decimal(kMaxPrecision, std::max(asDecimal(t).scale, 6));
}

TypeSpec branchResult(const TypeSpec& a, const TypeSpec& b) {
    if (typeRank(a) == 0 || typeRank(b) == 0) return {};
    const TypeSpec high = typeRank(b) > typeRank(a) ? b : a;
    if (high.base != TypeSpec::Base::Numeric) return high;
    const TypeSpec x = asDecimal(a), y = asDecimal(b);
    if (!isDecimal(x) || !isDecimal(y)) return high;
    const int scale = std::max(x.scale, y.scale);
    return capped(std::max(x.precision - x.scale, y.precision - y.scale) + scale, scale);
}

QString decimalTypeText(const TypeSpec& t) { return isDecimal(t) ? typeText(t) : QString(); }

}  // namespace engine
