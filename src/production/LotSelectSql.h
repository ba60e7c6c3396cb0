#pragma once

#include <QString>

namespace mes {

// Statements of the lot picker; text values are quote-doubled here.

// The material's lots with stock registered up to today.
QString gfLOTSEL_LIST_SQL(const QString& material, const QString& today);
// A lot's first registration: its date and lowest idx.
QString gfLOTSEL_FIRST_SQL(const QString& material, const QString& lot);
// An older lot with stock that should go in first.
QString gfLOTSEL_OLDER_SQL(const QString& workDate, const QString& material,
                           const QString& firstDate, const QString& firstIdx);
// The scanned lot of the material, when it is in store.
QString gfLOTSEL_SCAN_SQL(const QString& material, const QString& lot, const QString& today);

}  // namespace mes
