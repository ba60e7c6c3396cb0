#include "ScaledPlant.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>

#include "OrderPlan.h"
#include "OrderWriter.h"
#include "PlantCalendar.h"
#include "PlantMasters.h"
#include "PlantShape.h"
#include "StockLedger.h"
#include "engine/Database.h"
#include "foundation/DemoPlant.h"
#include "foundation/TerminalClock.h"

namespace mesbench {

namespace {

void removeDatabaseFiles(const QString& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

long long count(engine::Database& db, const char* sql) {
    return db.executeNative(QString::fromLatin1(sql))
        .first()
        .result.rows.first()
        .first()
        .toLongLong();
}

// Adds the history to the demo plant at path, in one transaction.
void addHistory(const QString& path, const ScaledPlantSize& size) {
    engine::Database db;
    db.open(path);
    // A throw-away file until it is complete: no journal, no syncing, a large cache.
    db.executeNative(QStringLiteral(
        "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA cache_size=-524288;"));
    const int demoOrders = static_cast<int>(count(db, "SELECT COUNT(*) FROM B_JAKUPJISI_MASTER"));
    const int demoLedger = static_cast<int>(count(
        db,
        "SELECT (SELECT COUNT(*) FROM S_PRODUCT_STORE) + (SELECT COUNT(*) FROM P_PRODUCT_STORE)"));
    const PlantShape shape = PlantShape::of(size, demoOrders, demoLedger);
    QString reason;
    if (!shape.valid(&reason)) throw engine::EngineError(SQLITE_RANGE, reason);

    const QDateTime now = mes::TerminalClock::now();
    // The history ends the day before the demo's oldest order (eight days ago).
    const PlantCalendar calendar(now.date().addDays(-(shape.days + 8)), shape.days + 2);
    Random random(0x5eed0000ULL + static_cast<unsigned long long>(size.orders) * 1000003ULL +
                  static_cast<unsigned long long>(size.ledgerRows));
    db.begin();
    PlantMasters masters(shape, random);
    masters.readDemo(db.handle());
    masters.write(db.handle(),
                  now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toStdString());
    const std::vector<PlannedOrder> orders = planOrders(shape, masters, random);
    {
        OrderWriter writer(db.handle(), masters, calendar);
        writer.write(orders, random);
        StockLedger ledger(db.handle(), masters, calendar);
        ledger.write(orders, shape.historyLedger);
    }
    db.commit();
    // The terminal opens plants in WAL mode.
    db.executeNative(QStringLiteral("PRAGMA journal_mode=WAL"));
    db.close();
}

}  // namespace

QString ScaledPlantSize::name() const {
    const QString base = QStringLiteral("%1 orders, %2 ledger rows").arg(orders).arg(ledgerRows);
    return openOrders > 0 ? base + QStringLiteral(", %1 open").arg(openOrders) : base;
}

int leaveOrdersOpen(const QString& path, int open, QString* error) {
    try {
        engine::Database db;
        db.open(path);
        // Row rn is taken when floor(rn * open / n) steps up: exactly min(open, n)
        // rows, evenly over the finished orders in date order.
        db.executeNative(
            QStringLiteral("UPDATE B_JAKUPJISI_MASTER SET end_yn = '2' WHERE seq IN ("
                           "SELECT seq FROM (SELECT seq, ROW_NUMBER() OVER (ORDER BY jisi_date, "
                           "seq) AS rn, COUNT(*) OVER () AS n FROM B_JAKUPJISI_MASTER "
                           "WHERE end_yn = '3') WHERE (rn * %1) / n <> ((rn - 1) * %1) / n)")
                .arg(std::max(0, open)));
        const int changed = static_cast<int>(count(db, "SELECT changes()"));
        db.close();
        return changed;
    } catch (const engine::EngineError& e) {
        if (error) *error = QStringLiteral("cannot leave orders open: %1").arg(e.message());
        return -1;
    }
}

bool createScaledPlant(const QString& path, const ScaledPlantSize& size, QString* error) {
    if (QFileInfo::exists(path)) {
        if (error) *error = QStringLiteral("%1 already exists").arg(path);
        return false;
    }
    const QString part = path + QStringLiteral(".scaled.part");
    removeDatabaseFiles(part);
    if (!mes::gfCREATE_DEMO(part, error)) return false;
    try {
        addHistory(part, size);
        QString reason;
        if (size.openOrders > 0 && leaveOrdersOpen(part, size.openOrders, &reason) < 0)
            throw engine::EngineError(SQLITE_ERROR, reason);
    } catch (const engine::EngineError& e) {
        removeDatabaseFiles(part);
        if (error) *error = QStringLiteral("cannot build the scaled plant: %1").arg(e.message());
        return false;
    }
    if (!QFile::rename(part, path)) {
        removeDatabaseFiles(part);
        if (error) *error = QStringLiteral("cannot create %1").arg(path);
        return false;
    }
    return true;
}

}  // namespace mesbench
