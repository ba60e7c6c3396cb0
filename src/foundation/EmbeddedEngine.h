#pragma once

#include <memory>

#include "engine/Database.h"
#include "foundation/DbEngine.h"

namespace mes {

// The Session's engine on an embedded database file (SQLite plus the T-SQL layer).
class EmbeddedEngine : public DbEngine {
  public:
    explicit EmbeddedEngine(QString path);

    QString name() const override { return QStringLiteral("embedded"); }
    bool open(DbError* err) override;
    void close() override;
    bool isOpen() const override;
    bool useDatabase(const QString& name, DbError* err) override;
    bool begin(DbError* err) override;
    bool commit(DbError* err) override;
    void rollback() override;
    bool exec(const QString& sql, qint64* rowsAffected, DbError* err) override;
    bool query(const QString& sql, RecordData* out, DbError* err) override;

    engine::Database& database() { return db_; }

  private:
    QString path_;
    engine::Database db_;
};

}  // namespace mes
