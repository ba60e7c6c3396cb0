#pragma once

#include <QString>

namespace mes {

// True when a batch only reads: no word outside its quotes and comments that
// could change data, the schema or the transaction (INSERT, UPDATE, SELECT
// INTO, EXEC ...). Such a batch may safely be sent again after a lost link.
bool gfSQL_READ_ONLY(const QString& sql);

}  // namespace mes
