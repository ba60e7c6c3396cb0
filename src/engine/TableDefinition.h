#pragma once

#include "engine/Pieces.h"

namespace engine {

// CREATE TABLE: text columns declared without a collation get CI_AS, the
// database's default, as on SQL Server (temporary tables included).
void collateTextColumns(Pieces& s);

}  // namespace engine
