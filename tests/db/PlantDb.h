#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "engine/Database.h"

namespace plantdb {

// Reads a plant database with SQLite's own SQL (not the terminal's dialect), on a
// connection that has the engine's collation registered.
class PlantDb {
  public:
    explicit PlantDb(const QString& path);
    QList<QVariantList> rows(const QString& sql) const;
    QVariant value(const QString& sql) const;         // first column of the first row
    QStringList tables() const;                       // the plant's, not the engine's lot totals
    QStringList columns(const QString& table) const;  // lower case
    QString declaredCollation(const QString& table, const QString& column) const;
    QString declaredType(const QString& table, const QString& column) const;
    QString lastError() const { return error_; }
    bool exec(const QString& sql);  // false (lastError) on failure

  private:
    engine::Database db_;
    mutable QString error_;
};

}  // namespace plantdb
