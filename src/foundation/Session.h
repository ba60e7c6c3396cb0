#pragma once

#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

#include "foundation/DbEngine.h"
#include "foundation/RecordSet.h"

namespace mes {

// One statement as it went to the engine: for tests and benchmarks.
struct TraceEvent {
    QString engine;
    QString statement;
    qint64 elapsedNs = 0;
    bool ok = false;
};

// The one database connection of the process, its shared Record set and the
// helpers through which every screen runs SQL. Nothing here throws: failures go
// through gsERR_LOG and come back as false or an empty result.
class Session {
  public:
    using EngineFactory = std::function<std::unique_ptr<DbEngine>()>;
    using TraceHook = std::function<void(const TraceEvent&)>;

    Session();
    ~Session();

    // How gfDB_CONNECT makes a connection. Default: ODBC with the configuration.
    void setEngineFactory(EngineFactory factory) { factory_ = std::move(factory); }
    void setTrace(TraceHook hook) { trace_ = std::move(hook); }

    DbEngine* connection() const { return conn_.get(); }  // gvConn; null when dropped
    bool isOpen() const { return conn_ && conn_->isOpen(); }
    RecordSet& rs() { return rs_; }  // gvRS

    bool connect();                                                   // gfDB_CONNECT
    void reconnect();                                                 // gsDB_RECONNECT
    bool exec(const QString& sql, const QString& location);           // gfDB_EXEC
    bool execList(const QStringList& list, const QString& location);  // gfDB_EXEC_LIST
    bool execListCnt(const QStringList& list, const QString& location, qint16 expected);
    bool query(const QString& sql, bool closeAtOnce, const QString& location);  // gfDB_QUERY
    QVariant value(const QString& sql, const QString& location);                // gfDB_VALUE
    QVariantList row(const QString& sql, const QString& location);              // gfDB_ROW
    bool rsOpen(const QString& sql, bool release);                              // gfDB_RS_OPEN
    // gfDB_ROW for a timer's refresh, which nobody asked for: a connection that
    // is down is neither reopened nor reported on screen, only written to the
    // error log, once until the connection works again; the operator's next
    // action reopens it and reports as the helpers do. Other failures are
    // reported as by gfDB_ROW. An empty list on failure.
    QVariantList quietRow(const QString& sql, const QString& location);  // gfDB_ROW_QUIET

    // Runs the list in one transaction like gfDB_EXEC_LIST(_CNT) (expected -1: any
    // count) but reports nothing: the caller decides (a key taken by another
    // terminal is retried). A count mismatch leaves err empty.
    bool tryList(const QStringList& list, int expected, DbError* err);

    // Runs sql into out without touching gvRS (the grid fill uses it): reopens a
    // closed Session silently like the helpers. No error log.
    bool fetch(const QString& sql, RecordData* out, DbError* err);

  private:
    void checkOpen();
    // Checks the Session, optionally makes DBNAME the default, runs the query.
    bool checkedQuery(const QString& sql, RecordData* out, DbError* err, bool useDatabase = false);
    bool runList(const QStringList& list, const QString& location, int expected);
    QVariantList firstRow(const RecordData& data);
    bool tracedExec(const QString& sql, qint64* rows, DbError* err);
    bool tracedQuery(const QString& sql, RecordData* out, DbError* err);
    // Runs one statement on the open connection and reports it to the trace hook.
    template <class Run>
    bool traced(const QString& sql, DbError* err, Run run);

    EngineFactory factory_;
    TraceHook trace_;
    std::unique_ptr<DbEngine> conn_;
    RecordSet rs_;
    bool outageLogged_ = false;  // the quiet refresh wrote the lost connection
};

// The process-wide Session.
Session& gvSession();
// Installs another Session as the process-wide one (tests); nullptr restores the default.
void gsSET_SESSION(Session* session);

// The shared SQL text buffer and statement list.
extern QString gvSQL;
extern QStringList gvSQLList;

// Appends one line to gvSQL, after a line feed.
void gsSQL(const QString& line);
// Starts gvSQLList anew: one empty slot.
void gsSQL_LIST_START();
// Stores gvSQL in the last slot and opens a new empty one.
void gsSQL_LIST_ADD();
// Drops the trailing empty slot; false when no statement was added.
bool gfSQL_LIST_READY();
// A text value ready to stand between single quotes: quotes doubled.
QString gfSQ(const QString& value);

bool gfDB_CONNECT();
void gsDB_RECONNECT();
bool gfDB_EXEC(const QString& sql, const QString& location);
bool gfDB_EXEC_LIST(const QStringList& list, const QString& location);
bool gfDB_EXEC_LIST_CNT(const QStringList& list, const QString& location, qint16 expected);
bool gfDB_QUERY(const QString& sql, bool closeAtOnce, const QString& location);
QVariant gfDB_VALUE(const QString& sql, const QString& location);
QVariantList gfDB_ROW(const QString& sql, const QString& location);
QVariantList gfDB_ROW_QUIET(const QString& sql, const QString& location);
bool gfDB_RS_OPEN(const QString& sql, bool release);
RecordSet& gvRS();

}  // namespace mes
