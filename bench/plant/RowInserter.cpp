#include "RowInserter.h"

#include <sqlite3.h>

#include <QString>

#include "engine/EngineError.h"

namespace mesbench {

namespace {

[[noreturn]] void fail(sqlite3* db, int rc, const std::string& table) {
    throw engine::EngineError(rc,
                              QStringLiteral("%1: %2").arg(QString::fromStdString(table),
                                                           QString::fromUtf8(sqlite3_errmsg(db))));
}

}  // namespace

RowInserter::RowInserter(sqlite3* db, const char* table, std::initializer_list<const char*> columns)
    : db_(db), table_(table), columns_(static_cast<int>(columns.size())) {
    std::string sql = "INSERT INTO " + table_ + " (";
    std::string values;
    for (const char* column : columns) {
        if (!values.empty()) {
            sql += ", ";
            values += ", ";
        }
        sql += column;
        values += '?';
    }
    sql += ") VALUES (" + values + ")";
    const int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt_, nullptr);
    if (rc != SQLITE_OK) fail(db_, rc, table_);
}

RowInserter::~RowInserter() { sqlite3_finalize(stmt_); }

int RowInserter::nextColumn() {
    if (bound_ >= columns_)
        throw engine::EngineError(
            SQLITE_RANGE,
            QStringLiteral("%1: more values than columns").arg(QString::fromStdString(table_)));
    return ++bound_;
}

RowInserter& RowInserter::text(const std::string& value) {
    sqlite3_bind_text(stmt_, nextColumn(), value.data(), static_cast<int>(value.size()),
                      SQLITE_TRANSIENT);
    return *this;
}

RowInserter& RowInserter::text(const char* value) {
    sqlite3_bind_text(stmt_, nextColumn(), value, -1, SQLITE_TRANSIENT);
    return *this;
}

RowInserter& RowInserter::integer(long long value) {
    sqlite3_bind_int64(stmt_, nextColumn(), value);
    return *this;
}

RowInserter& RowInserter::real(double value) {
    sqlite3_bind_double(stmt_, nextColumn(), value);
    return *this;
}

RowInserter& RowInserter::null() {
    sqlite3_bind_null(stmt_, nextColumn());
    return *this;
}

long long RowInserter::insert() {
    if (bound_ != columns_)
        throw engine::EngineError(SQLITE_RANGE, QStringLiteral("%1: %2 of %3 values bound")
                                                    .arg(QString::fromStdString(table_))
                                                    .arg(bound_)
                                                    .arg(columns_));
    const int rc = sqlite3_step(stmt_);
    sqlite3_reset(stmt_);
    bound_ = 0;
    if (rc != SQLITE_DONE) fail(db_, rc, table_);
    ++rows_;
    return sqlite3_last_insert_rowid(db_);
}

}  // namespace mesbench
