#pragma once

#include <QtGlobal>

#include "engine/Database.h"

namespace mes {

// The upkeep of the ledger's lot totals (S_PRODUCT_STORE_LOT) as plain SQLite:
// the triggers keep them while every writer goes through them, but a ledger
// older than the table or a program writing the table itself leaves them
// wrong, and the look-ups would then hide or invent stock.
class LotTotalsTable {
  public:
    static bool exists(engine::Database& db);
    // Lots whose totals row is missing, left over, or differs from the ledger in
    // its sums, balance, first date or idx, or in the spelling of its first movement.
    static qint64 staleLots(engine::Database& db);
    static qint64 lots(engine::Database& db);
    // Replaces every totals row by the ledger's; the number of lots.
    static qint64 rebuild(engine::Database& db);
};

}  // namespace mes
