#pragma once

#include <QString>

namespace mes {

// Creates the plant tables in a new embedded database at path and seeds the demo
// plant, dates relative to the terminal clock. False (with error) when path exists
// or anything fails; a half-made file is removed.
bool gfCREATE_DEMO(const QString& path, QString* error);
// Creates only the plant tables in an embedded database at path.
bool gfCREATE_SCHEMA(const QString& path, QString* error);
// The demo database in the user's data folder.
QString gfDEMO_PATH();

}  // namespace mes
