#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace engine {
class Database;
}

namespace mesbench {

// SQLite's EXPLAIN QUERY PLAN of every statement the engine runs for a T-SQL
// batch (its translation; of an IF, the condition and the branch the condition
// picks now, as the other may name tables that do not exist), and the plan lines
// that read a whole big table.
class QueryPlan {
  public:
    static QueryPlan of(engine::Database& database, const QString& tsql);

    bool ok() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }
    // Statement by statement, each plan drawn as a tree (with the SQLite text when
    // MES_BENCH_SQL is set).
    QString text() const;
    // Lines that scan one of the tables (a SCAN, also of an index, or an automatic
    // index, which SQLite builds by scanning), as "TABLE: line".
    QStringList scansOf(const QStringList& tables) const;
    QStringList bigTableScans() const { return scansOf(growingTables()); }
    // The tables that grow with the plant's history.
    static QStringList growingTables();

  private:
    struct Line {
        int depth = 0;
        QString detail;
        QString table;  // the table the line reads, when it names one
    };
    struct Statement {
        QString sql;
        QList<Line> lines;
    };
    void explain(engine::Database& database, const QString& sql);
    bool holds(engine::Database& database, const QString& condition);

    QList<Statement> statements_;
    QString error_;
};

}  // namespace mesbench
