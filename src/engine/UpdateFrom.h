#pragma once

#include "engine/SyntaxTree.h"

namespace engine {

// UPDATE t SET ... FROM a JOIN b ON ... WHERE ...: T-SQL updates the table of FROM
// that t names (alias or table name); SQLite's UPDATE ... FROM may not name the
// target again. The target moves out of FROM (keeping its alias) and the join
// conditions join the WHERE. Returns the updated table's name.
QString updateFrom(Node& update);

}  // namespace engine
