#include "foundation/DemoPlant.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStandardPaths>

#include "engine/Database.h"
#include "engine/EngineError.h"
#include "foundation/DemoSeed.h"
#include "foundation/LotTotalsTable.h"
#include "foundation/Session.h"
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

// The day of making is kept in the file header, outside the plant's tables.
int dayStamp(const QDate& day) { return day.year() * 10000 + day.month() * 100 + day.day(); }

// The name an earlier day's demo plant is kept under: "demo-plant-2026-12-08.db".
QString datedName(const QString& path, const QDate& day) {
    const QFileInfo info(path);
    const QString stem = info.completeBaseName() + QLatin1Char('-') + day.toString(Qt::ISODate);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString name = info.dir().filePath(stem + suffix);
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = info.dir().filePath(stem + QLatin1Char('-') + QString::number(n) + suffix);
    return name;
}

// Moves the database and its journal files together, so that nothing written is lost.
bool moveDatabase(const QString& from, const QString& to, QString* error) {
    if (!QFile::rename(from, to)) {
        if (error) *error = QStringLiteral("cannot move %1 to %2").arg(from, to);
        return false;
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString companion = from + QLatin1String(suffix);
        if (QFileInfo::exists(companion)) QFile::rename(companion, to + QLatin1String(suffix));
    }
    return true;
}

// The press of the demo stands at this terminal, whatever its address is today.
bool takeAddress(const QString& path, QString* error) {
    const QString ip = gfGET_IP();
    if (ip.isEmpty()) return true;  // the look-up has shown its message; keep the old one
    engine::Database db;
    try {
        db.open(path);
        db.executeNative(QStringLiteral("UPDATE B_EQUIPMENT SET ipaddress = '%1' "
                                        "WHERE equipment_code = 'P-01' AND ipaddress <> '%1'")
                             .arg(gfSQ(ip)));
        db.close();
        return true;
    } catch (const engine::EngineError& e) {
        if (error)
            *error = QStringLiteral("cannot open the demo plant %1: %2").arg(path, e.message());
        return false;
    }
}

}  // namespace

QDate gfDEMO_MADE_ON(const QString& path) {
    sqlite3* db = nullptr;
    int stamp = 0;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            stamp = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return QDate(stamp / 10000, stamp / 100 % 100, stamp % 100);
}

bool gfOPEN_DEMO(const QString& path, QString* error) {
    const QDate today = TerminalClock::now().date();
    if (QFileInfo::exists(path)) {
        QDate made = gfDEMO_MADE_ON(path);
        if (made != today) {
            // A plant from before the day was kept in the file is named by its last change.
            if (!made.isValid()) made = QFileInfo(path).lastModified().date();
            if (!moveDatabase(path, datedName(path, made), error)) return false;
        }
    }
    if (!QFileInfo::exists(path)) return gfCREATE_DEMO(path, error);  // made at today's address
    return takeAddress(path, error);
}

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
        if (!LotTotalsTable::exists(db)) {
            QString script;
            QString error;
            if (!readResource(QString::fromLatin1(kLotTotalsResource), &script, &error))
                throw engine::EngineError(SQLITE_ERROR, error);
            runScript(db, script);
            out.created = true;
            out.lots = LotTotalsTable::rebuild(db);
        } else {
            out.staleLots = LotTotalsTable::staleLots(db);
            out.lots = out.staleLots > 0 ? LotTotalsTable::rebuild(db) : LotTotalsTable::lots(db);
        }
        db.commit();
    } catch (...) {
        db.rollback();
        throw;
    }
    return out;
}

namespace {

// The CREATE TRIGGER statements of the lot totals, as SQLite keeps their text.
QMap<QString, QString> triggerStatements(const QString& script) {
    QMap<QString, QString> out;
    static const QRegularExpression re(QStringLiteral("CREATE TRIGGER (\\w+)[\\s\\S]*?\\nEND"));
    for (auto it = re.globalMatch(script); it.hasNext();) {
        const auto m = it.next();
        out.insert(m.captured(1), m.captured(0));
    }
    return out;
}

bool triggersCurrent(engine::Database& db, const QMap<QString, QString>& wanted) {
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        const auto found = db.executeNative(
            QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'trigger' AND name = '%1'")
                .arg(it.key()));
        const auto& rows = found.last().result.rows;
        if (rows.isEmpty() || rows.first().first().toString() != it.value()) return false;
    }
    return true;
}

}  // namespace

bool gfUPGRADE_LOT_TOTALS(engine::Database& db) {
    if (!LotTotalsTable::exists(db)) return false;
    QString script, error;
    if (!readResource(QString::fromLatin1(kLotTotalsResource), &script, &error))
        throw engine::EngineError(SQLITE_ERROR, error);
    const QMap<QString, QString> wanted = triggerStatements(script);
    if (triggersCurrent(db, wanted)) return false;
    db.begin();
    try {
        // Another terminal may have done it while this one waited for the lock.
        if (triggersCurrent(db, wanted)) {
            db.commit();
            return false;
        }
        for (const QString& name : wanted.keys())
            runScript(db, QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(name));
        for (const QString& statement : wanted) runScript(db, statement);
        LotTotalsTable::rebuild(db);
        db.commit();
    } catch (...) {
        db.rollback();
        throw;
    }
    return true;
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
    const QString stamp =
        QStringLiteral("PRAGMA user_version = %1;").arg(dayStamp(TerminalClock::now().date()));
    return createNew(path, {schema, lotTotals, seed, stamp}, error);
}

}  // namespace mes
