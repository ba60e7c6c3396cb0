#pragma once

#include <QString>

namespace engine {

// A CREATE, DROP or ALTER statement as SQLite reads it: names in its quoting, N''
// strings as plain ones, comments as a blank; in CREATE TABLE, text columns declared
// without a collation get CI_AS, the database's default, as on SQL Server
// (temporary tables included).
QString definitionSql(const QString& text);

}  // namespace engine
