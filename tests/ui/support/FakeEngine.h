#pragma once

#include <QStringList>
#include <functional>

#include "foundation/DbEngine.h"

namespace uitest {

// A database engine whose answers the test decides: every statement is
// recorded, queries are answered by a function, opening can be refused.
class FakeEngine : public mes::DbEngine {
  public:
    using Answer = std::function<bool(const QString& sql, mes::RecordData* out, mes::DbError* err)>;

    FakeEngine(QStringList* log, Answer answer, bool opens = true)
        : log_(log), answer_(std::move(answer)), opens_(opens) {}

    QString name() const override { return QStringLiteral("fake"); }
    bool open(mes::DbError* err) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool useDatabase(const QString&, mes::DbError*) override { return open_; }
    bool begin(mes::DbError*) override { return open_; }
    bool commit(mes::DbError*) override { return open_; }
    void rollback() override {}
    bool exec(const QString& sql, qint64* rows, mes::DbError* err) override;
    bool query(const QString& sql, mes::RecordData* out, mes::DbError* err) override;

  private:
    QStringList* log_;
    Answer answer_;
    bool opens_;
    bool open_ = false;
};

}  // namespace uitest
