#pragma once

#include <QSqlDatabase>
#include <functional>

#include "foundation/DbEngine.h"

namespace mes {

class OdbcStatement;
struct OdbcDiagnostic;

// The Session's engine on an ODBC data source (SQL Server in a plant). Qt's
// QODBC driver opens the connection and runs its transactions; statements run
// on the same connection handle through OdbcStatement, each with the command
// time-out, and go to the server unchanged.
class OdbcEngine : public DbEngine {
  public:
    static constexpr int kCommandTimeoutSeconds = 100;
    // Sees the handle of every statement just before it runs (tests).
    using StatementHook = std::function<void(void* hstmt)>;

    // useTemplate: statement that makes a database the default ("USE [%1]" for
    // SQL Server); empty skips the step (drivers without catalogs).
    OdbcEngine(QString connectString, QString useTemplate = QStringLiteral("USE [%1]"));
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
    // The rows counted are the first count the batch reports: the statement's own.
    bool exec(const QString& sql, qint64* rowsAffected, DbError* err) override;
    // The rows of the batch's first result set.
    bool query(const QString& sql, RecordData* out, DbError* err) override;

    void setCommandTimeout(int seconds) { timeoutSeconds_ = seconds; }
    void setStatementHook(StatementHook hook) { hook_ = std::move(hook); }

  private:
    bool start(OdbcStatement& st, const QString& sql);
    bool fail(const class QSqlError& e, DbError* err);
    bool fail(const QList<OdbcDiagnostic>& records, DbError* err);

    QString connectString_;
    QString useTemplate_;
    QString connectionName_;
    void* hdbc_ = nullptr;
    int timeoutSeconds_ = kCommandTimeoutSeconds;
    StatementHook hook_;
    bool lost_ = false;
};

}  // namespace mes
