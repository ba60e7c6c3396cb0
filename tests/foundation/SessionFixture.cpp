#include "SessionFixture.h"

#include "engine/Database.h"
#include "foundation/Configuration.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/OdbcEngine.h"

using namespace mes;

void SessionFixture::SetUp() {
    dbPath = folder.file("plant.db");
    gvConfig() = Configuration();
    gvConfig().DBNAME = "MES_ORVEL";
    if (odbc()) {
        const QString cs = QStringLiteral("DRIVER={SQLite3};Database=%1;").arg(dbPath);
        session.setEngineFactory(
            [cs] { return std::make_unique<OdbcEngine>(cs, OdbcEngine::Dialect::Plain); });
    } else {
        session.setEngineFactory([p = dbPath] { return std::make_unique<EmbeddedEngine>(p); });
    }
    gsSET_SESSION(&session);
    direct("CREATE TABLE t (id INTEGER, name TEXT, qty NUMERIC)");
}

void SessionFixture::TearDown() { gsSET_SESSION(nullptr); }

void SessionFixture::direct(const QString& sql) {
    engine::Database db;
    try {
        db.open(dbPath);  // creates the file on first use
        db.execute(sql);
    } catch (const engine::EngineError& e) {
        FAIL() << e.message().toStdString();
    }
}

qint64 SessionFixture::count(const QString& table) {
    EmbeddedEngine e(dbPath);
    DbError err;
    RecordData data;
    if (!e.open(&err) || !e.query("SELECT COUNT(*) FROM " + table, &data, &err)) return -1;
    return data.rows.value(0).value(0).toLongLong();
}
