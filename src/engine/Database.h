#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

#include "engine/Batch.h"
#include "engine/EngineError.h"
#include "engine/SchemaInfo.h"

struct sqlite3;
struct sqlite3_stmt;

namespace engine {

// A fully fetched result: column names and rows. A null QVariant is SQL NULL;
// numbers arrive as qlonglong or double, text as QString.
struct Result {
    QStringList columns;
    QList<QVariantList> rows;
};

// What one statement of a batch produced.
struct Outcome {
    bool hasResult = false;  // the statement returned rows (possibly none)
    Result result;
    qint64 rowsAffected = -1;  // rows changed by INSERT/UPDATE/DELETE, else -1
};

// One connection to an embedded database file. Several terminal processes may
// share the file: WAL journal, a busy time-out, write transactions begun IMMEDIATE.
// execute() takes T-SQL: each batch is translated (once per text) and run.
class Database {
  public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void open(const QString& path);  // throws EngineError
    void close();
    bool isOpen() const { return db_ != nullptr; }

    void begin();  // BEGIN IMMEDIATE
    void commit();
    void rollback();  // never throws
    bool inTransaction() const;

    // Runs a T-SQL batch of one or more statements and returns what each produced.
    QList<Outcome> execute(const QString& sql);
    // Runs SQLite's own dialect unchanged (schema scripts, pragmas).
    QList<Outcome> executeNative(const QString& sql) { return runNative(sql); }

    // The translation of a batch as execute() runs it (cached by text).
    std::shared_ptr<const TranslatedBatch> translation(const QString& sql);
    void clearTranslations() { cache_.clear(); }
    // The rewrites of known slow shapes applied to every statement; none by default.
    void setRules(TranslationRules rules) {
        rules_ = std::move(rules);
        cache_.clear();
    }

    // The engine's clock, used for GETDATE(); tests set it.
    void setClock(std::function<QDateTime()> clock);
    QDateTime now() const;

    sqlite3* handle() const { return db_; }

    // SQLite's own run time of every statement it runs (SQLITE_TRACE_PROFILE):
    // the statement's text and nanoseconds. For benchmarks; off by default, and an
    // empty hook leaves no trace callback installed.
    using ProfileHook = std::function<void(const char* sql, qint64 ns)>;
    void setProfileHook(ProfileHook hook);

  private:
    QList<Outcome> runNative(const QString& sql);
    void runSteps(const std::vector<BatchStep>& steps, QList<Outcome>* out);
    Outcome runStatement(const TranslatedStatement& statement);
    void refreshSchema();
    void installProfile();

    sqlite3* db_ = nullptr;
    sqlite3_stmt* schemaVersionStmt_ = nullptr;
    std::function<QDateTime()> clock_;
    QDateTime statementNow_;
    std::function<QDateTime()> statementClock_;
    SchemaInfo schema_;
    TranslationRules rules_;
    qint64 schemaVersion_ = -1;
    QHash<QString, std::shared_ptr<const TranslatedBatch>> cache_;
    ProfileHook profile_;
};

}  // namespace engine
