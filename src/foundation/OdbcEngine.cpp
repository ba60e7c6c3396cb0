#include "foundation/OdbcEngine.h"

#include <QAtomicInt>
#include <QSqlDriver>
#include <QSqlError>

#include "foundation/OdbcStatement.h"

namespace mes {

namespace {

constexpr qint64 kCommandFailed = -2147217900;

QString nextConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("mes-odbc-%1").arg(counter.fetchAndAddRelaxed(1));
}

// SQLSTATEs of a broken link: class 08 and the connection time-out.
bool isLinkState(const QString& state) {
    return state.startsWith(QLatin1String("08")) || state == QLatin1String("HYT01");
}

bool isLinkFailure(const QSqlError& e) {
    const QString t = e.nativeErrorCode() + QLatin1Char(' ') + e.text();
    return e.type() == QSqlError::ConnectionError || t.contains(QLatin1String("08S01")) ||
           t.contains(QLatin1String("08003")) || t.contains(QLatin1String("08001"));
}

void* connectionHandle(const QSqlDatabase& db) {
    const QVariant h = db.driver() ? db.driver()->handle() : QVariant();
    if (!h.isValid() || h.metaType().sizeOf() != sizeof(void*)) return nullptr;
    return *static_cast<void* const*>(h.constData());
}

}  // namespace

OdbcEngine::OdbcEngine(QString connectString, Dialect dialect)
    : connectString_(std::move(connectString)),
      dialect_(dialect),
      connectionName_(nextConnectionName()) {}

OdbcEngine::~OdbcEngine() {
    close();
    QSqlDatabase::removeDatabase(connectionName_);
}

QString OdbcEngine::connectString(const QString& imip, const QString& user, const QString& pwd,
                                  const QString& dbname) {
    return QStringLiteral("DRIVER={SQL Server}") + ";Server=" + imip + ";UID=" + user +
           ";PWD=" + pwd + "; database =" + dbname + ";";
}

bool OdbcEngine::fail(const QSqlError& e, DbError* err) {
    if (isLinkFailure(e) || OdbcStatement::connectionDead(hdbc_)) lost_ = true;
    bool ok = false;
    qint64 number = e.nativeErrorCode().toLongLong(&ok);
    if (lost_ || !ok || number == 0) number = lost_ ? DbError::kConnectionLost : kCommandFailed;
    if (err) {
        QString text = e.databaseText();
        if (text.isEmpty()) text = e.text();
        *err = DbError{number, text};
    }
    return false;
}

bool OdbcEngine::fail(const QList<OdbcDiagnostic>& records, DbError* err) {
    // The first record that is more than a notice names the failure; a dropped
    // link may leave only a notice, or nothing but the driver's own verdict.
    OdbcDiagnostic main;
    for (const OdbcDiagnostic& r : records) {
        if (isLinkState(r.sqlState)) lost_ = true;
        if (main.text.isEmpty() && !r.sqlState.startsWith(QLatin1String("01"))) main = r;
    }
    if (main.text.isEmpty() && !records.isEmpty()) main = records.first();
    if (OdbcStatement::connectionDead(hdbc_)) lost_ = true;
    qint64 number = main.nativeError != 0 ? main.nativeError : kCommandFailed;
    if (lost_) number = DbError::kConnectionLost;
    if (err) {
        QString text = main.text;
        if (text.isEmpty()) {
            text = lost_ ? QStringLiteral("the connection to the database is lost")
                         : QStringLiteral("the statement failed");
        }
        *err = DbError{number, text};
    }
    return false;
}

bool OdbcEngine::open(DbError* err) {
    QSqlDatabase db = QSqlDatabase::contains(connectionName_)
                          ? QSqlDatabase::database(connectionName_, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QODBC"), connectionName_);
    if (!db.isValid()) {
        if (err)
            *err = DbError{DbError::kConnectionLost, QStringLiteral("QODBC driver not loaded")};
        return false;
    }
    // FreeTDS takes no version from odbcinst.ini or freetds.conf for a
    // DRIVER=...;Server= connect string, but reads $TDSVER at every login; a
    // value set by the plant stays.
    if (!qEnvironmentVariableIsSet("TDSVER")) qputenv("TDSVER", kTdsVersion);
    db.setDatabaseName(connectString_);
    db.setConnectOptions(
        QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=100;SQL_ATTR_CONNECTION_TIMEOUT=100"));
    hdbc_ = nullptr;
    if (!db.open()) return fail(db.lastError(), err);
    hdbc_ = connectionHandle(db);
    lost_ = hdbc_ == nullptr;
    if (lost_ && err) *err = DbError{DbError::kConnectionLost, QStringLiteral("no ODBC handle")};
    return !lost_;
}

void OdbcEngine::close() {
    hdbc_ = nullptr;
    if (QSqlDatabase::contains(connectionName_)) {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
}

bool OdbcEngine::isOpen() const {
    if (lost_ || !hdbc_ || !QSqlDatabase::contains(connectionName_)) return false;
    return QSqlDatabase::database(connectionName_, false).isOpen() &&
           !OdbcStatement::connectionDead(hdbc_);
}

bool OdbcEngine::useDatabase(const QString& name, DbError* err) {
    if (dialect_ == Dialect::Plain) return true;
    database_ = name;
    return exec(QStringLiteral("USE [%1]").arg(name), nullptr, err);
}

bool OdbcEngine::begin(DbError* err) {
    if (dialect_ == Dialect::SqlServer)
        return exec(QStringLiteral("BEGIN TRANSACTION"), nullptr, err);
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.transaction()) return fail(db.lastError(), err);
    return true;
}

bool OdbcEngine::commit(DbError* err) {
    if (dialect_ == Dialect::SqlServer)
        return exec(QStringLiteral("COMMIT TRANSACTION"), nullptr, err);
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.commit()) return fail(db.lastError(), err);
    return true;
}

void OdbcEngine::rollback() {
    if (dialect_ == Dialect::Plain) {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isOpen()) db.rollback();
        return;
    }
    // A lost link: the server rolls back on its own, the next helper reopens.
    if (!isOpen()) return;
    // Only what is still open is rolled back (a plain ROLLBACK fails with 3903
    // after the server ended the transaction), then nothing may be left open.
    DbError ignored;
    qint64 open = -1;
    if (exec(QStringLiteral("IF @@TRANCOUNT > 0 ROLLBACK TRANSACTION"), nullptr, &ignored) &&
        scalar(QStringLiteral("SELECT @@TRANCOUNT"), &open, &ignored) && open == 0) {
        return;
    }
    reopen();
}

void OdbcEngine::reopen() {
    close();
    lost_ = false;
    DbError ignored;
    if (open(&ignored) && (database_.isEmpty() || useDatabase(database_, &ignored))) return;
    lost_ = true;
}

bool OdbcEngine::scalar(const QString& sql, qint64* value, DbError* err) {
    RecordData data;
    if (!query(sql, &data, err)) return false;
    bool ok = false;
    *value = data.rows.value(0).value(0).toLongLong(&ok);
    if (!ok && err) *err = DbError{kCommandFailed, sql + QStringLiteral(": no number")};
    return ok;
}

bool OdbcEngine::start(OdbcStatement& st, const QString& sql) {
    if (!st.isValid()) return false;
    if (hook_) hook_(st.handle());
    return st.execute(sql);
}

bool OdbcEngine::exec(const QString& sql, qint64* rowsAffected, DbError* err) {
    OdbcStatement st(hdbc_, timeoutSeconds_);
    if (!start(st, sql)) return fail(st.diagnostics(), err);
    // Later results are read for their errors: a failing second statement must
    // not pass for success.
    const bool firstHasRows = st.hasColumns();
    qint64 rows = firstHasRows ? -1 : st.rowsAffected();
    int results = 1;
    while (st.nextResult()) {
        ++results;
        if (rows < 0 && !st.hasColumns()) rows = st.rowsAffected();
    }
    if (st.failed()) return fail(st.diagnostics(), err);
    if (!rowsAffected) return true;
    // One statement: the driver took a trigger's DONEINPROC count for its own,
    // or got none under NOCOUNT; the server's @@ROWCOUNT is the statement's.
    if (dialect_ == Dialect::SqlServer && results == 1 && !firstHasRows &&
        !scalar(QStringLiteral("SELECT @@ROWCOUNT"), &rows, err)) {
        return false;
    }
    *rowsAffected = rows;
    return true;
}

bool OdbcEngine::query(const QString& sql, RecordData* out, DbError* err) {
    OdbcStatement st(hdbc_, timeoutSeconds_);
    if (!start(st, sql)) return fail(st.diagnostics(), err);
    bool found = st.hasColumns();
    while (!found && st.nextResult()) found = st.hasColumns();
    RecordData data;
    if (found && !st.fetchAll(&data)) return fail(st.diagnostics(), err);
    while (st.nextResult()) {
    }
    if (st.failed()) return fail(st.diagnostics(), err);
    if (out) *out = std::move(data);
    return true;
}

}  // namespace mes
