#include "foundation/NumberText.h"

#include <QLocale>
#include <cmath>

namespace mes {

QString gfNUMBER_TEXT(double value) {
    if (!std::isfinite(value)) return QString::number(value);
    const double rounded = QString::number(value, 'g', 15).toDouble();
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
