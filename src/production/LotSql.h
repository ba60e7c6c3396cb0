#pragma once

#include <QString>

namespace mes {

// The two first-in first-out look-ups of a component's lots with stock up to
// today: the first lot (lot, stock), and every lot in the same order.
QString gfLOT_FIRST_SQL(const QString& productCode, const QString& today);
QString gfLOT_NEXT_SQL(const QString& productCode, const QString& today);

}  // namespace mes
