#pragma once

#include <QString>
#include <QStringList>

namespace mes {

// Statements of the production screen. Text values are quote-doubled here, so
// callers pass them as typed or as read from the screen.

// Each line after a line feed, as gsSQL assembles them.
QString gfSQL_LINES(const QStringList& lines);

// The run shown: the newest in-progress run of this equipment with this key.
QString gfDAYREPORT_RUN_SQL(const QString& equipment, const QString& opSeqSub);
// The bill of material of the product, with the lots of ##TEMP_REAL_LOT when it exists.
QString gfDAYREPORT_BOM_SQL(const QString& productCode, const QString& opSeqSub);
// Good and bad totals of every run of the work order.
QString gfDAYREPORT_TOTALS_SQL(const QString& seq);
// Open timed stops (no cause) of the run on this equipment: their count.
QString gfDAYREPORT_OPEN_STOPS_SQL(const QString& equipment, const QString& opSeqSub);

}  // namespace mes
