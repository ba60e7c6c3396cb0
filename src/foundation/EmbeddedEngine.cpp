#include "foundation/EmbeddedEngine.h"

#include <sqlite3.h>
#include <QFileInfo>

#include "foundation/DemoPlant.h"
#include "foundation/PlantRules.h"

namespace mes {

namespace {

// ADO's numbers for a failed command and a broken integrity rule, so that the
// error log reads the same on both engines.
constexpr qint64 kCommandFailed = -2147217900;
constexpr qint64 kIntegrityViolation = -2147217873;

DbError toDbError(const engine::EngineError& e) {
    const int primary = e.code() & 0xff;
    qint64 number = kCommandFailed;
    if (primary == SQLITE_CONSTRAINT) number = kIntegrityViolation;
    if (primary == SQLITE_MISUSE || primary == SQLITE_CANTOPEN) number = DbError::kConnectionLost;
    return DbError{number, e.message()};
}

template <typename F>
bool guarded(DbError* err, F&& f) {
    try {
        f();
        return true;
    } catch (const engine::EngineError& e) {
        if (err) *err = toDbError(e);
    } catch (const std::exception& e) {
        if (err) *err = DbError{kCommandFailed, QString::fromUtf8(e.what())};
    }
    return false;
}

}  // namespace

EmbeddedEngine::EmbeddedEngine(QString path) : path_(std::move(path)) { usePlantRules(db_); }

bool EmbeddedEngine::open(DbError* err) {
    // A mistyped path must not silently become a new, empty plant database.
    if (!QFileInfo::exists(path_)) {
        if (err) {
            *err = DbError{DbError::kConnectionLost,
                           QStringLiteral("database file not found: %1").arg(path_)};
        }
        return false;
    }
    return guarded(err, [&] {
        db_.open(path_);
        // A file of an earlier release is brought to this release's lot totals once.
        gfUPGRADE_LOT_TOTALS(db_);
    });
}

void EmbeddedEngine::close() { db_.close(); }

bool EmbeddedEngine::isOpen() const { return db_.isOpen(); }

bool EmbeddedEngine::useDatabase(const QString&, DbError* err) {
    // One file is one database: any name selects it, as long as it is open.
    if (db_.isOpen()) return true;
    if (err) *err = DbError{DbError::kConnectionLost, QStringLiteral("the database is not open")};
    return false;
}

bool EmbeddedEngine::begin(DbError* err) {
    return guarded(err, [&] { db_.begin(); });
}

bool EmbeddedEngine::commit(DbError* err) {
    return guarded(err, [&] { db_.commit(); });
}

void EmbeddedEngine::rollback() { db_.rollback(); }

bool EmbeddedEngine::exec(const QString& sql, qint64* rowsAffected, DbError* err) {
    return guarded(err, [&] {
        // As SQL Server reports it: the first count of the batch, the statement's own.
        const auto outcomes = db_.execute(sql);
        qint64 rows = -1;
        for (const auto& o : outcomes) {
            if (o.rowsAffected >= 0) {
                rows = o.rowsAffected;
                break;
            }
        }
        if (rowsAffected) *rowsAffected = rows;
    });
}

bool EmbeddedEngine::query(const QString& sql, RecordData* out, DbError* err) {
    return guarded(err, [&] {
        // A batch's result is its first result set.
        const auto outcomes = db_.execute(sql);
        RecordData data;
        for (const auto& o : outcomes) {
            if (o.hasResult) {
                data.columns = o.result.columns;
                data.rows = o.result.rows;
                break;
            }
        }
        if (out) *out = std::move(data);
    });
}

}  // namespace mes
