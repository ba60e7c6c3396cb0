#pragma once

#include <QSqlDatabase>
#include <functional>

#include "foundation/DbEngine.h"

namespace mes {

class OdbcStatement;
struct OdbcDiagnostic;

// The Session's engine on an ODBC data source (SQL Server in a plant). Qt's
// QODBC driver opens the connection; statements run on the same connection
// handle through OdbcStatement, each with the command time-out, and go to the
// server unchanged.
//
// On SQL Server the driver stays in autocommit and the transaction is the
// server's own, begun and ended by T-SQL statements that carry the command
// time-out too. The server may end a transaction by itself (a deadlock victim,
// a ROLLBACK in a trigger, XACT_ABORT); a driver that keeps its own idea of the
// transaction then never begins another one, and every later statement commits
// on its own. Here the only state is the server's, and a rollback asks it.
class OdbcEngine : public DbEngine {
  public:
    static constexpr int kCommandTimeoutSeconds = 100;
    // FreeTDS's protocol version (SQL Server 2012 on; older servers answer
    // with their own). Unpinned, a failed login is tried again with TDS 5.0.
    static constexpr const char* kTdsVersion = "7.4";
    // Sees the handle of every statement just before it runs (tests).
    using StatementHook = std::function<void(void* hstmt)>;
    // SqlServer: USE for the default database, T-SQL transactions, the
    // server's own row counts. Plain: a driver without catalogs whose
    // transactions are the driver's (ODBC stand-ins in tests).
    enum class Dialect { SqlServer, Plain };

    explicit OdbcEngine(QString connectString, Dialect dialect = Dialect::SqlServer);
    ~OdbcEngine() override;

    // The connect string of the plant database, from the configuration.
    static QString connectString(const QString& imip, const QString& user, const QString& pwd,
                                 const QString& dbname);

    QString name() const override { return QStringLiteral("odbc"); }
    bool open(DbError* err) override;
    void close() override;
    bool isOpen() const override;
    bool useDatabase(const QString& name, DbError* err) override;
    bool begin(DbError* err) override;
    bool commit(DbError* err) override;
    void rollback() override;
    // The rows counted are the statement's own: the first count of a batch of
    // several, else the server's @@ROWCOUNT (a trigger's counts come first and
    // NOCOUNT sends none).
    bool exec(const QString& sql, qint64* rowsAffected, DbError* err) override;
    // The rows of the batch's first result set.
    bool query(const QString& sql, RecordData* out, DbError* err) override;

    void setCommandTimeout(int seconds) { timeoutSeconds_ = seconds; }
    void setStatementHook(StatementHook hook) { hook_ = std::move(hook); }

  private:
    bool start(OdbcStatement& st, const QString& sql);
    bool scalar(const QString& sql, qint64* value, DbError* err);
    // Closes and opens the connection again (the server rolls back what it held).
    void reopen();
    bool fail(const class QSqlError& e, DbError* err);
    bool fail(const QList<OdbcDiagnostic>& records, DbError* err);

    QString connectString_;
    Dialect dialect_;
    QString database_;
    QString connectionName_;
    void* hdbc_ = nullptr;
    int timeoutSeconds_ = kCommandTimeoutSeconds;
    StatementHook hook_;
    bool lost_ = false;
};

}  // namespace mes
