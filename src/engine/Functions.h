#pragma once

#include <QDateTime>
#include <functional>

struct sqlite3;

namespace engine {

// Registers the run-time functions the translated statements call (tsql_add,
// tsql_cast, tsql_datediff ...). statementTime gives GETDATE()'s value: one
// instant per statement, as on SQL Server.
void registerFunctions(sqlite3* db, std::function<QDateTime()>* statementTime);

}  // namespace engine
