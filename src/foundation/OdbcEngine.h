#pragma once

#include <QSqlDatabase>

#include "foundation/DbEngine.h"

namespace mes {

// The Session's engine on an ODBC data source (SQL Server in a plant) through
// Qt's QODBC driver. Statements go to the server unchanged.
class OdbcEngine : public DbEngine {
  public:
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
    bool exec(const QString& sql, qint64* rowsAffected, DbError* err) override;
    bool query(const QString& sql, RecordData* out, DbError* err) override;

  private:
    bool fail(const class QSqlError& e, DbError* err);

    QString connectString_;
    QString useTemplate_;
    QString connectionName_;
    bool lost_ = false;
};

}  // namespace mes
