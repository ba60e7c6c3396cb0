#include "foundation/NumberText.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace mes {

QString gfNUMBER_TEXT(double value) {
    if (!std::isfinite(value)) return QString::number(value);
    // Fifteen significant digits and back; std's conversions, not QString's, as a
    // grid of thousands of numbers does this per cell.
    char digits[32];
    const auto printed =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 15);
    double rounded = value;
    std::from_chars(digits, printed.ptr, rounded);
    if (rounded == 0) return QStringLiteral("0");  // also -0
    return QString::number(rounded, 'f', QLocale::FloatingPointShortest);
}

QString gfVALUE_TEXT(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return {};
    const int type = value.typeId();
    if (type == QMetaType::Double || type == QMetaType::Float)
        return gfNUMBER_TEXT(value.toDouble());
    return value.toString();
}

}  // namespace mes
