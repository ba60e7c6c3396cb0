#pragma once

#include <QString>

#include "foundation/DbError.h"
#include "foundation/RecordSet.h"

namespace mes {

// One connection to the plant database: ODBC to SQL Server, or the embedded
// engine. The Session owns one and replaces it on every connect.
class DbEngine {
  public:
    virtual ~DbEngine() = default;

    virtual QString name() const = 0;  // "odbc" or "embedded"
    virtual bool open(DbError* err) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Makes name the default database of the connection.
    virtual bool useDatabase(const QString& name, DbError* err) = 0;

    virtual bool begin(DbError* err) = 0;
    virtual bool commit(DbError* err) = 0;
    virtual void rollback() = 0;

    // A statement (or batch) that returns no rows; rowsAffected gets the rows
    // changed (-1 when the statement changes none by nature).
    virtual bool exec(const QString& sql, qint64* rowsAffected, DbError* err) = 0;
    // A query: the rows of the (last) result the statement produced.
    virtual bool query(const QString& sql, RecordData* out, DbError* err) = 0;
};

}  // namespace mes
