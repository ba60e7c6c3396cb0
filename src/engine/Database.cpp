#include "engine/Database.h"

#include <sqlite3.h>

#include "engine/CiCollation.h"
#include "engine/Functions.h"
#include "engine/TextCells.h"

namespace engine {

namespace {

constexpr int kBusyTimeoutMs = 15000;
constexpr int kMaxCachedBatches = 2000;
constexpr qint64 kMapBytes = 1LL << 30;
constexpr int kCacheKiB = 32 * 1024;

QVariant columnValue(sqlite3_stmt* stmt, int col, TextCells* texts) {
    switch (sqlite3_column_type(stmt, col)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qlonglong>(sqlite3_column_int64(stmt, col)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt, col));
        case SQLITE_NULL:
            return QVariant();
        case SQLITE_BLOB: {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, col));
            return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, col)));
        }
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
            const int size = sqlite3_column_bytes(stmt, col);
            if (texts) return texts->text(col, text, size);
            return QVariant(QString::fromUtf8(text, size));
        }
    }
}

}  // namespace

Database::Database()
    : clock_([] { return QDateTime::currentDateTime(); }),
      statementClock_([this] { return statementNow_.isValid() ? statementNow_ : clock_(); }) {}

Database::~Database() { close(); }

void Database::open(const QString& path) {
    close();
    sqlite3* db = nullptr;
    const QByteArray file = path.toUtf8();
    int rc =
        sqlite3_open_v2(file.constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close(db);
        throw EngineError(rc, QStringLiteral("cannot open database %1: %2").arg(path, msg));
    }
    db_ = db;
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_create_collation_v2(db_, "CI_AS", SQLITE_UTF8, nullptr, &compareCiAs, nullptr);
    registerFunctions(db_, &statementClock_);
    // "x" is always a name, as on SQL Server; SQLite would otherwise take an
    // unknown "x" for the text 'x'.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    schemaVersion_ = -1;
    cache_.clear();
    installProfile();
    try {
        runNative(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;"));
        // A list of thousands of rows joins five tables per row: read through the
        // operating system's page cache mapped in, not a read() per page, and keep
        // more pages of a plant's large file than SQLite's default 2 MB.
        runNative(QStringLiteral("PRAGMA mmap_size=%1; PRAGMA cache_size=-%2;")
                      .arg(kMapBytes)
                      .arg(kCacheKiB));
    } catch (...) {
        close();
        throw;
    }
}

void Database::close() {
    if (db_) {
        sqlite3_finalize(schemaVersionStmt_);
        schemaVersionStmt_ = nullptr;
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

void Database::begin() { runNative(QStringLiteral("BEGIN IMMEDIATE")); }

void Database::commit() { runNative(QStringLiteral("COMMIT")); }

void Database::rollback() {
    if (db_ && !sqlite3_get_autocommit(db_)) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

bool Database::inTransaction() const { return db_ && !sqlite3_get_autocommit(db_); }

QList<Outcome> Database::execute(const QString& sql) {
    const auto batch = translation(sql);
    QList<Outcome> outcomes;
    runSteps(batch->steps, &outcomes);
    return outcomes;
}

void Database::refreshSchema() {
    // Kept prepared: every execute() asks.
    if (!schemaVersionStmt_)
        sqlite3_prepare_v2(db_, "PRAGMA schema_version", -1, &schemaVersionStmt_, nullptr);
    qint64 version = -1;
    if (schemaVersionStmt_ && sqlite3_step(schemaVersionStmt_) == SQLITE_ROW)
        version = sqlite3_column_int64(schemaVersionStmt_, 0);
    if (schemaVersionStmt_) sqlite3_reset(schemaVersionStmt_);
    if (version != schemaVersion_) {
        // Translations depend on the declared column types.
        schema_.load(db_);
        cache_.clear();
        schemaVersion_ = version;
    }
}

std::shared_ptr<const TranslatedBatch> Database::translation(const QString& sql) {
    if (!db_) throw EngineError(SQLITE_MISUSE, QStringLiteral("the database is not open"));
    refreshSchema();
    auto it = cache_.constFind(sql);
    if (it != cache_.constEnd()) return *it;
    auto batch = std::make_shared<const TranslatedBatch>(translateBatch(sql, schema_, rules_));
    if (cache_.size() >= kMaxCachedBatches) cache_.clear();
    cache_.insert(sql, batch);
    return batch;
}

void Database::runSteps(const std::vector<BatchStep>& steps, QList<Outcome>* out) {
    for (const BatchStep& step : steps) {
        if (!step.isIf) {
            *out << runStatement(step.statement);
            continue;
        }
        const Outcome cond = runStatement(step.statement);
        const bool holds =
            !cond.result.rows.isEmpty() && cond.result.rows[0].value(0).toLongLong() == 1;
        runSteps(holds ? step.thenSteps : step.elseSteps, out);
    }
}

Outcome Database::runStatement(const TranslatedStatement& statement) {
    const QByteArray text = statement.sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v2(db_, text.constData(), static_cast<int>(text.size()), &stmt, &tail);
    if (rc != SQLITE_OK) throw EngineError(rc, QString::fromUtf8(sqlite3_errmsg(db_)));
    if (!stmt) throw EngineError(SQLITE_ERROR, QStringLiteral("empty statement"));
    // GETDATE() is one instant for the whole statement.
    statementNow_ = clock_();
    Outcome out;
    const int cols = sqlite3_column_count(stmt);
    out.hasResult = statement.kind == StatementKind::Select;
    for (int c = 0; c < cols; ++c)
        out.result.columns << QString::fromUtf8(sqlite3_column_name(stmt, c));
    // A result of one row never repeats a text: sharing starts at the second.
    std::unique_ptr<TextCells> texts;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        QVariantList row;
        row.reserve(cols);
        for (int c = 0; c < cols; ++c) row << columnValue(stmt, c, texts.get());
        if (!texts && cols > 0) texts = std::make_unique<TextCells>(cols);
        out.result.rows << row;
    }
    statementNow_ = QDateTime();
    if (rc != SQLITE_DONE) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_finalize(stmt);
        throw EngineError(rc, msg);
    }
    if (statement.kind == StatementKind::Insert || statement.kind == StatementKind::Update ||
        statement.kind == StatementKind::Delete)
        out.rowsAffected = sqlite3_changes64(db_);
    sqlite3_finalize(stmt);
    return out;
}

void Database::setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

QDateTime Database::now() const { return clock_(); }

void Database::setProfileHook(ProfileHook hook) {
    profile_ = std::move(hook);
    installProfile();
}

void Database::installProfile() {
    if (!db_) return;
    if (!profile_) {
        sqlite3_trace_v2(db_, 0, nullptr, nullptr);
        return;
    }
    auto callback = [](unsigned, void* context, void* p, void* x) -> int {
        const auto* self = static_cast<const Database*>(context);
        const char* sql = sqlite3_sql(static_cast<sqlite3_stmt*>(p));
        self->profile_(sql ? sql : "", static_cast<qint64>(*static_cast<sqlite3_int64*>(x)));
        return 0;
    };
    sqlite3_trace_v2(db_, SQLITE_TRACE_PROFILE, callback, this);
}

QList<Outcome> Database::runNative(const QString& sql) {
    if (!db_) {
        throw EngineError(SQLITE_MISUSE, QStringLiteral("the database is not open"));
    }
    QList<Outcome> outcomes;
    const QByteArray text = sql.toUtf8();
    const char* tail = text.constData();
    const char* end = tail + text.size();
    while (tail < end) {
        sqlite3_stmt* stmt = nullptr;
        int rc = sqlite3_prepare_v2(db_, tail, static_cast<int>(end - tail), &stmt, &tail);
        if (rc != SQLITE_OK) {
            throw EngineError(rc, QString::fromUtf8(sqlite3_errmsg(db_)));
        }
        if (!stmt) {
            continue;  // blank or comment only
        }
        Outcome out;
        const sqlite3_int64 changesBefore = sqlite3_total_changes64(db_);
        const int cols = sqlite3_column_count(stmt);
        out.hasResult = cols > 0;
        for (int c = 0; c < cols; ++c) {
            out.result.columns << QString::fromUtf8(sqlite3_column_name(stmt, c));
        }
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            QVariantList row;
            row.reserve(cols);
            for (int c = 0; c < cols; ++c) {
                row << columnValue(stmt, c, nullptr);
            }
            out.result.rows << row;
        }
        if (rc != SQLITE_DONE) {
            QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
            sqlite3_finalize(stmt);
            throw EngineError(rc, msg);
        }
        if (!sqlite3_stmt_readonly(stmt) && cols == 0) {
            out.rowsAffected = sqlite3_total_changes64(db_) - changesBefore;
        }
        sqlite3_finalize(stmt);
        outcomes << out;
    }
    return outcomes;
}

}  // namespace engine
