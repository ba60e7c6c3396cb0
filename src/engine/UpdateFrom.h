#pragma once

#include "engine/Pieces.h"

namespace engine {

// T-SQL's UPDATE target SET ... FROM <table refs and inner joins> WHERE ... in
// SQLite's form: UPDATE table AS alias SET ... [FROM the other refs] WHERE the
// join conditions AND the original condition. Returns the target's table name.
// Outer joins are refused: SQLite cannot keep the target's unmatched rows.
QString rewriteUpdateFrom(Pieces& s, int set, int from);

}  // namespace engine
