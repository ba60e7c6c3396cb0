#pragma once

#include <QList>
#include <QString>

#include "foundation/RecordSet.h"

namespace mes {

// One diagnostic record of an ODBC handle.
struct OdbcDiagnostic {
    QString sqlState;
    qint64 nativeError = 0;
    QString text;
};

// A NUMERIC or DECIMAL as the driver writes it ("100000.00", "-2.35"), as the
// embedded engine hands the same value to the screens.
QVariant gfNUMERIC_VALUE(const QString& text);

// One statement on an open ODBC connection handle: allocated with the command
// time-out set on it, run directly (the text reaches the server unchanged) and
// freed when it goes. QODBC allocates and runs its statement in one call, so
// there is no moment to set an attribute; hence our own.
class OdbcStatement {
  public:
    OdbcStatement(void* hdbc, int timeoutSeconds);
    ~OdbcStatement();
    OdbcStatement(const OdbcStatement&) = delete;
    OdbcStatement& operator=(const OdbcStatement&) = delete;

    void* handle() const { return hstmt_; }
    // False when the statement could not even be allocated or configured.
    bool isValid() const { return hstmt_ != nullptr && ready_; }

    bool execute(const QString& sql);
    // Steps to the next result of a batch; false at the end or on a failure
    // (failed() tells them apart).
    bool nextResult();
    bool failed() const { return failed_; }
    bool hasColumns() const;
    // Rows changed by the current result; -1 when it reports none.
    qint64 rowsAffected() const;
    // Columns and all rows of the current result.
    bool fetchAll(RecordData* out);

    // What the driver said about the last failure (statement records, else the
    // connection's).
    QList<OdbcDiagnostic> diagnostics() const;

    // The driver's records for a handle (SQL_HANDLE_STMT, SQL_HANDLE_DBC ...).
    static QList<OdbcDiagnostic> diagnosticsOf(short handleType, void* handle);
    // SQL_ATTR_CONNECTION_DEAD; false when the driver cannot tell.
    static bool connectionDead(void* hdbc);

  private:
    bool check(short rc);
    bool readValue(int col, short sqlType, QVariant* out);

    void* hdbc_;
    void* hstmt_ = nullptr;
    bool ready_ = false;
    bool failed_ = false;
};

}  // namespace mes
