#pragma once

#include <QString>
#include <QVariant>

namespace mes {

// A number as plain decimal text, never in exponent form: SQL Server does not
// convert '1e+05' to int or numeric, so every number a statement carries is
// written this way. 15 significant digits, what a double holds reliably
// (0.1 + 0.2 gives "0.3"); no trailing zeros.
QString gfNUMBER_TEXT(double value);

// A field value as text: null gives "", a floating-point value its plain
// decimal form, anything else as Qt converts it.
QString gfVALUE_TEXT(const QVariant& value);

}  // namespace mes
