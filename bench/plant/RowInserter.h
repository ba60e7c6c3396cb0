#pragma once

#include <initializer_list>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace mesbench {

// One prepared INSERT of SQLite's own dialect, bound column by column in the order
// the columns were named, then run with insert(). Throws engine::EngineError.
class RowInserter {
  public:
    RowInserter(sqlite3* db, const char* table, std::initializer_list<const char*> columns);
    ~RowInserter();
    RowInserter(const RowInserter&) = delete;
    RowInserter& operator=(const RowInserter&) = delete;

    RowInserter& text(const std::string& value);
    RowInserter& text(const char* value);
    RowInserter& integer(long long value);
    RowInserter& real(double value);
    RowInserter& null();
    // Runs the insert; every column must have been bound. Returns the new rowid.
    long long insert();
    long long rows() const { return rows_; }

  private:
    int nextColumn();

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    std::string table_;
    int columns_ = 0;
    int bound_ = 0;
    long long rows_ = 0;
};

}  // namespace mesbench
