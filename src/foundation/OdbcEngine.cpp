#include "foundation/OdbcEngine.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace mes {

namespace {

constexpr qint64 kCommandFailed = -2147217900;

QString nextConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("mes-odbc-%1").arg(counter.fetchAndAddRelaxed(1));
}

// SQLSTATE classes of a broken link: the Session must see itself closed.
bool isLinkFailure(const QSqlError& e) {
    const QString t = e.nativeErrorCode() + QLatin1Char(' ') + e.text();
    return e.type() == QSqlError::ConnectionError || t.contains(QLatin1String("08S01")) ||
           t.contains(QLatin1String("08003")) || t.contains(QLatin1String("08001"));
}

}  // namespace

OdbcEngine::OdbcEngine(QString connectString, QString useTemplate)
    : connectString_(std::move(connectString)),
      useTemplate_(std::move(useTemplate)),
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
    if (isLinkFailure(e)) lost_ = true;
    bool ok = false;
    qint64 number = e.nativeErrorCode().toLongLong(&ok);
    if (!ok || number == 0) number = lost_ ? DbError::kConnectionLost : kCommandFailed;
    if (err) {
        QString text = e.databaseText();
        if (text.isEmpty()) text = e.text();
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
    db.setDatabaseName(connectString_);
    db.setConnectOptions(
        QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=100;SQL_ATTR_CONNECTION_TIMEOUT=100"));
    if (!db.open()) return fail(db.lastError(), err);
    lost_ = false;
    return true;
}

void OdbcEngine::close() {
    if (QSqlDatabase::contains(connectionName_)) {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
}

bool OdbcEngine::isOpen() const {
    if (lost_ || !QSqlDatabase::contains(connectionName_)) return false;
    return QSqlDatabase::database(connectionName_, false).isOpen();
}

bool OdbcEngine::useDatabase(const QString& name, DbError* err) {
    if (useTemplate_.isEmpty()) return true;
    qint64 rows = 0;
    return exec(useTemplate_.arg(name), &rows, err);
}

bool OdbcEngine::begin(DbError* err) {
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.transaction()) return fail(db.lastError(), err);
    return true;
}

bool OdbcEngine::commit(DbError* err) {
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.commit()) return fail(db.lastError(), err);
    return true;
}

void OdbcEngine::rollback() {
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (db.isOpen()) db.rollback();
}

bool OdbcEngine::exec(const QString& sql, qint64* rowsAffected, DbError* err) {
    QSqlQuery q(QSqlDatabase::database(connectionName_, false));
    if (!q.exec(sql)) return fail(q.lastError(), err);
    if (rowsAffected) *rowsAffected = q.isSelect() ? -1 : q.numRowsAffected();
    return true;
}

bool OdbcEngine::query(const QString& sql, RecordData* out, DbError* err) {
    QSqlQuery q(QSqlDatabase::database(connectionName_, false));
    q.setForwardOnly(true);
    if (!q.exec(sql)) return fail(q.lastError(), err);
    // A batch may report row counts before its result: take the first result with columns.
    while (!q.isSelect() && q.nextResult()) {
    }
    RecordData data;
    const QSqlRecord rec = q.record();
    for (int c = 0; c < rec.count(); ++c) data.columns << rec.fieldName(c);
    while (q.next()) {
        QVariantList row;
        row.reserve(rec.count());
        for (int c = 0; c < rec.count(); ++c) {
            const QVariant v = q.value(c);
            row << (v.isNull() ? QVariant() : v);
        }
        data.rows << row;
    }
    if (q.lastError().isValid()) return fail(q.lastError(), err);
    if (out) *out = std::move(data);
    return true;
}

}  // namespace mes
