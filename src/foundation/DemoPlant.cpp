#include "foundation/DemoPlant.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "engine/Database.h"
#include "engine/EngineError.h"
#include "engine/LotTotalsTable.h"
#include "foundation/DemoSeed.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"

// The .sql files are compiled into the library; a static library needs the explicit call.
static void initPlantSql() { Q_INIT_RESOURCE(plant_sql); }

namespace mes {

namespace {

const char kSchemaResource[] = ":/db/embedded.sql";
const char kDemoResource[] = ":/db/demo.sql";
const char kLotTotalsResource[] = ":/db/lot_totals.sql";

bool readResource(const QString& name, QString* text, QString* error) {
    initPlantSql();
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("cannot read %1: %2").arg(name, file.errorString());
        return false;
    }
    *text = QString::fromUtf8(file.readAll());
    return true;
}

// Runs a script as SQLite itself reads it: these are native statements, not the
// terminal's T-SQL.
void runScript(engine::Database& db, const QString& script) {
    char* message = nullptr;
    const QByteArray utf8 = script.toUtf8();
    const int rc = sqlite3_exec(db.handle(), utf8.constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const QString text = message ? QString::fromUtf8(message) : QString::number(rc);
        sqlite3_free(message);
        throw engine::EngineError(rc, text);
    }
}

void removeDatabaseFiles(const QString& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        QFile::remove(path + QLatin1String(suffix));
    }
}

// Runs the scripts in one transaction on the database at path.
bool runScripts(const QString& path, const QStringList& scripts, QString* error) {
    engine::Database db;
    try {
        db.open(path);
        db.begin();
        for (const QString& script : scripts) runScript(db, script);
        db.commit();
        db.close();
        return true;
    } catch (const engine::EngineError& e) {
        db.rollback();
        db.close();
        if (error)
            *error =
                QStringLiteral("cannot create the plant tables in %1: %2").arg(path, e.message());
        return false;
    }
}

// Builds a new database file beside path and moves it into place only when it is
// complete, so that an interrupted creation never leaves a half-made plant at path.
bool createNew(const QString& path, const QStringList& scripts, QString* error) {
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create the folder %1").arg(target.absolutePath());
        return false;
    }
    const QString part = path + QStringLiteral(".%1.part").arg(QCoreApplication::applicationPid());
    removeDatabaseFiles(part);
    if (!runScripts(part, scripts, error)) {
        removeDatabaseFiles(part);
        return false;
    }
    if (!QFile::rename(part, path)) {
        removeDatabaseFiles(part);
        if (error)
            *error = QStringLiteral("cannot create %1: it exists or the folder is not writable")
                         .arg(path);
        return false;
    }
    return true;
}

}  // namespace

QString gfDEMO_PATH() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("demo-plant.db"));
}

bool gfCREATE_SCHEMA(const QString& path, QString* error) {
    QString schema;
    QString lotTotals;
    if (!readResource(QString::fromLatin1(kSchemaResource), &schema, error) ||
        !readResource(QString::fromLatin1(kLotTotalsResource), &lotTotals, error))
        return false;
    // An existing database gets the tables added; on failure it is left as it was.
    if (QFileInfo::exists(path)) return runScripts(path, {schema, lotTotals}, error);
    return createNew(path, {schema, lotTotals}, error);
}

LotTotalsCheck gfCHECK_LOT_TOTALS(engine::Database& db) {
    LotTotalsCheck out;
    db.begin();
    try {
        if (!engine::LotTotalsTable::exists(db)) {
            QString script;
            QString error;
            if (!readResource(QString::fromLatin1(kLotTotalsResource), &script, &error))
                throw engine::EngineError(SQLITE_ERROR, error);
            runScript(db, script);
            out.created = true;
            out.lots = engine::LotTotalsTable::rebuild(db);
        } else {
            out.staleLots = engine::LotTotalsTable::staleLots(db);
            out.lots = out.staleLots > 0 ? engine::LotTotalsTable::rebuild(db)
                                         : engine::LotTotalsTable::lots(db);
        }
        db.commit();
    } catch (...) {
        db.rollback();
        throw;
    }
    return out;
}

bool gfCREATE_DEMO(const QString& path, QString* error) {
    if (QFileInfo::exists(path)) {
        if (error)
            *error =
                QStringLiteral("%1 already exists; the demo plant is only created in a new file")
                    .arg(path);
        return false;
    }
    QString schema;
    QString lotTotals;
    QString seedTemplate;
    if (!readResource(QString::fromLatin1(kSchemaResource), &schema, error) ||
        !readResource(QString::fromLatin1(kLotTotalsResource), &lotTotals, error) ||
        !readResource(QString::fromLatin1(kDemoResource), &seedTemplate, error)) {
        return false;
    }
    // The terminal creating the demo stands at the press P-01; a failed look-up falls
    // back to the loopback address.
    QString ip = gfGET_IP();
    if (ip.isEmpty()) ip = QStringLiteral("127.0.0.1");
    QString seed;
    if (!gfDEMO_EXPAND(seedTemplate, TerminalClock::now(), ip, &seed, error)) return false;
    return createNew(path, {schema, lotTotals, seed}, error);
}

}  // namespace mes
