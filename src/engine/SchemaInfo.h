#pragma once

#include <QHash>
#include <QStringList>

#include "engine/Value.h"

struct sqlite3;

namespace engine {

// Declared column types of the embedded database, which stand in for SQL
// Server's column types when the translator needs a type.
class SchemaInfo {
  public:
    void load(sqlite3* db);

    // Declared type of table.column; Unknown when there is no such column.
    TypeSpec columnType(const QString& table, const QString& column) const;
    // Declared type text of table.column, empty when there is no such column.
    QString declaredType(const QString& table, const QString& column) const;
    // Whether table.column compares text under CI_AS, the database's default collation.
    bool isCaseInsensitive(const QString& table, const QString& column) const;
    // Column names of a table in declared order; empty when there is no such table.
    QStringList columns(const QString& table) const;
    // The type a column of this name has in every table that has one; Unknown
    // when no table has it or the tables disagree.
    TypeSpec anyColumnType(const QString& column) const;

  private:
    struct Column {
        QString declared;
        TypeSpec type;
        bool caseInsensitive = false;
    };

    QHash<QString, QStringList> columns_;  // lower-case table -> names
    const Column* find(const QString& table, const QString& column) const;

    QHash<QString, QHash<QString, Column>> types_;  // lower-case table -> lower-case column
    QHash<QString, TypeSpec> byColumn_;  // lower-case column -> type, Unknown when tables differ
};

}  // namespace engine
