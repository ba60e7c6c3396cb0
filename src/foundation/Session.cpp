#include "foundation/Session.h"

#include <QElapsedTimer>

#include "foundation/Configuration.h"
#include "foundation/ErrorLog.h"
#include "foundation/OdbcEngine.h"
#include "foundation/ReadOnlySql.h"
#include "foundation/UserInterface.h"

namespace mes {

namespace {

// ADO's "operation is not allowed when the object is closed".
const DbError kClosed{3704, QStringLiteral("Operation is not allowed when the object is closed.")};

// The hourglass for the length of one helper. Nested (a silent reopen inside
// a helper), only the outermost one puts it back.
class BusyPointer {
  public:
    BusyPointer() {
        if (depth()++ == 0) gvUI().setBusy(true);
    }
    ~BusyPointer() {
        if (--depth() == 0) gvUI().setBusy(false);
    }

  private:
    static int& depth() {
        static int d = 0;
        return d;
    }
};

std::unique_ptr<DbEngine> odbcFromConfig() {
    const Configuration& c = gvConfig();
    return std::make_unique<OdbcEngine>(
        OdbcEngine::connectString(c.IMIP, c.DBUSER, c.DBPWD, c.DBNAME));
}

}  // namespace

Session::Session() : factory_(&odbcFromConfig) {}

Session::~Session() = default;

template <class Run>
bool Session::traced(const QString& sql, DbError* err, Run run) {
    if (!conn_) {
        *err = kClosed;
        return false;
    }
    QElapsedTimer t;
    t.start();
    const bool ok = run(*conn_);
    if (trace_) trace_(TraceEvent{conn_->name(), sql, t.nsecsElapsed(), ok});
    return ok;
}

bool Session::tracedExec(const QString& sql, qint64* rows, DbError* err) {
    return traced(sql, err, [&](DbEngine& c) { return c.exec(sql, rows, err); });
}

bool Session::tracedQuery(const QString& sql, RecordData* out, DbError* err) {
    return traced(sql, err, [&](DbEngine& c) { return c.query(sql, out, err); });
}

void Session::checkOpen() {
    if (!isOpen()) connect();
}

bool Session::checkedQuery(const QString& sql, RecordData* out, DbError* err, bool useDatabase) {
    BusyPointer busy;
    for (int attempt = 0;; ++attempt) {
        // The second attempt is on a new connection, whatever the old one thinks.
        if (attempt == 0) {
            checkOpen();
        } else {
            connect();
        }
        bool ok = conn_ != nullptr;
        if (!ok) *err = kClosed;
        if (ok && useDatabase) ok = conn_->useDatabase(gvConfig().DBNAME, err);
        if (ok) ok = tracedQuery(sql, out, err);
        // A read that lost its link (a server restart) runs once more on a new
        // connection: sending it twice changes nothing.
        if (ok || attempt > 0 || err->number != DbError::kConnectionLost || !gfSQL_READ_ONLY(sql)) {
            return ok;
        }
    }
}

bool Session::connect() {
    BusyPointer busy;
    DbError err;
    conn_.reset();
    std::unique_ptr<DbEngine> engine = factory_ ? factory_() : nullptr;
    bool ok = engine && engine->open(&err);
    if (ok) ok = engine->useDatabase(gvConfig().DBNAME, &err);
    if (ok) {
        conn_ = std::move(engine);
        outageLogged_ = false;
        return true;
    }
    if (!engine) err.description = QStringLiteral("no database engine");
    gvUI().showMessage(
        gfPRODUCT_NAME(),
        QStringLiteral("데이타베이스를 OPEN 할수 없습니다.\nCAUSE - ") + err.description,
        UserInterface::Icon::Warning);
    return false;
}

void Session::reconnect() {
    const QString title = gfPRODUCT_NAME();
    if (!gvUI().askRetryCancel(
            title, QStringLiteral("데이터베이스와의 접속이 끊여졌습니다.\n재시도 하시겠습니까?"))) {
        return;
    }
    if (connect()) {
        gvUI().showMessage(title, QStringLiteral("접속되었습니다."),
                           UserInterface::Icon::Information);
    } else {
        gvUI().showMessage(title, QStringLiteral("접속실패!!! 전산실에 문의하여 주십시요..."),
                           UserInterface::Icon::Warning);
    }
}

bool Session::exec(const QString& sql, const QString& location) {
    return runList(QStringList{sql}, location, -1);
}

bool Session::execList(const QStringList& list, const QString& location) {
    return runList(list, location, -1);
}

bool Session::execListCnt(const QStringList& list, const QString& location, qint16 expected) {
    return runList(list, location, expected);
}

bool Session::runList(const QStringList& list, const QString& location, int expected) {
    DbError err;
    if (tryList(list, expected, &err)) return true;
    gsERR_LOG(err, err.description, location);
    return false;
}

bool Session::tryList(const QStringList& list, int expected, DbError* err) {
    BusyPointer busy;
    for (int attempt = 0;; ++attempt) {
        // The second attempt is on a new connection, whatever the old one thinks.
        if (attempt == 0) {
            checkOpen();
        } else {
            connect();
        }
        if (!conn_) {
            *err = kClosed;
            return false;
        }
        if (!conn_->begin(err)) {
            // Nothing of the list was sent: after a lost link (a server restart)
            // it runs once more on a new connection.
            if (attempt == 0 && err->number == DbError::kConnectionLost) continue;
            conn_->rollback();
            return false;
        }
        bool ok = true;
        for (int i = 0; ok && i < list.size(); ++i) {
            qint64 rows = -1;
            ok = tracedExec(list[i], expected >= 0 ? &rows : nullptr, err);
            if (ok && expected >= 0 && rows != expected) {
                ok = false;
                *err = DbError{};
            }
        }
        if (ok) ok = conn_->commit(err);
        if (!ok) conn_->rollback();
        return ok;
    }
}

bool Session::query(const QString& sql, bool closeAtOnce, const QString& location) {
    DbError err;
    RecordData data;
    const bool ok = checkedQuery(sql, &data, &err);
    if (!ok) {
        gsERR_LOG(err, err.description, location);
        return false;
    }
    rs_.open(std::move(data));
    const bool any = !rs_.eof();
    if (closeAtOnce) rs_.close();
    return any;
}

QVariant Session::value(const QString& sql, const QString& location) {
    DbError err;
    RecordData data;
    const bool ok = checkedQuery(sql, &data, &err);
    if (!ok) {
        if (rs_.isOpen()) rs_.close();
        gsERR_LOG(err, err.description, location);
        return QVariant();
    }
    rs_.open(std::move(data));
    QVariant v = rs_.eof() ? QVariant(QString()) : rs_.value(0);
    if (!v.isValid() || v.isNull()) v = QVariant(QString());
    rs_.close();
    return v;
}

QVariantList Session::row(const QString& sql, const QString& location) {
    DbError err;
    RecordData data;
    const bool ok = checkedQuery(sql, &data, &err);
    if (!ok) {
        if (rs_.isOpen()) rs_.close();
        gsERR_LOG(err, err.description, location);
        return {};
    }
    return firstRow(data);
}

QVariantList Session::quietRow(const QString& sql, const QString& location) {
    DbError err = kClosed;
    RecordData data;
    bool ok = false;
    if (isOpen()) {
        BusyPointer busy;
        ok = tracedQuery(sql, &data, &err);
    }
    if (ok) {
        outageLogged_ = false;
        return firstRow(data);
    }
    if (rs_.isOpen()) rs_.close();
    if (isOpen() && err.number != DbError::kConnectionLost) {
        gsERR_LOG(err, err.description, location);
    } else if (!outageLogged_) {
        outageLogged_ = true;
        gsERR_RECORD(err, err.description, location);
    }
    return {};
}

QVariantList Session::firstRow(const RecordData& data) {
    QVariantList result;
    if (data.rows.isEmpty()) {
        result << QVariant(QString());
    } else {
        result = data.rows.first();
    }
    rs_.close();
    return result;
}

bool Session::rsOpen(const QString& sql, bool release) {
    DbError err;
    RecordData data;
    if (!checkedQuery(sql, &data, &err, true)) {
        gsERR_LOG(err, err.description, QString());
        return false;
    }
    rs_.open(std::move(data));
    if (release) rs_.close();
    return true;
}

bool Session::fetch(const QString& sql, RecordData* out, DbError* err) {
    return checkedQuery(sql, out, err, true);
}

// ---- process-wide state and the helpers' free-function names ----

namespace {
Session*& installedSession() {
    static Session* s = nullptr;
    return s;
}
}  // namespace

Session& gvSession() {
    static Session defaultSession;
    return installedSession() ? *installedSession() : defaultSession;
}

void gsSET_SESSION(Session* session) { installedSession() = session; }

QString gvSQL;
QStringList gvSQLList;

void gsSQL(const QString& line) {
    gvSQL += QLatin1Char('\n');
    gvSQL += line;
}

void gsSQL_LIST_START() { gvSQLList = QStringList{QString()}; }

void gsSQL_LIST_ADD() {
    if (gvSQLList.isEmpty()) gvSQLList << QString();
    gvSQLList.last() = gvSQL;
    gvSQLList << QString();
}

bool gfSQL_LIST_READY() {
    if (gvSQLList.size() < 2) return false;
    if (gvSQLList.last().isEmpty()) gvSQLList.removeLast();
    return true;
}

QString gfSQ(const QString& value) {
    QString v = value;
    return v.replace(QLatin1Char('\''), QStringLiteral("''"));
}

bool gfDB_CONNECT() { return gvSession().connect(); }
void gsDB_RECONNECT() { gvSession().reconnect(); }
bool gfDB_EXEC(const QString& sql, const QString& location) {
    return gvSession().exec(sql, location);
}
bool gfDB_EXEC_LIST(const QStringList& list, const QString& location) {
    return gvSession().execList(list, location);
}
bool gfDB_EXEC_LIST_CNT(const QStringList& list, const QString& location, qint16 expected) {
    return gvSession().execListCnt(list, location, expected);
}
bool gfDB_QUERY(const QString& sql, bool closeAtOnce, const QString& location) {
    return gvSession().query(sql, closeAtOnce, location);
}
QVariant gfDB_VALUE(const QString& sql, const QString& location) {
    return gvSession().value(sql, location);
}
QVariantList gfDB_ROW(const QString& sql, const QString& location) {
    return gvSession().row(sql, location);
}
QVariantList gfDB_ROW_QUIET(const QString& sql, const QString& location) {
    return gvSession().quietRow(sql, location);
}
bool gfDB_RS_OPEN(const QString& sql, bool release) { return gvSession().rsOpen(sql, release); }
RecordSet& gvRS() { return gvSession().rs(); }

}  // namespace mes
