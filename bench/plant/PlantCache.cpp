#include "PlantCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLockFile>

#include "foundation/TerminalClock.h"

static void initPlantSql() { Q_INIT_RESOURCE(plant_sql); }

namespace mesbench {

namespace {

// Raised whenever the generator makes a different plant from the same inputs.
constexpr char kGeneratorVersion[] = "1";

// Changes with the schema, the demo seed and the generator.
QString sourceTag() {
    initPlantSql();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArrayView(kGeneratorVersion));
    for (const char* name : {":/db/embedded.sql", ":/db/lot_totals.sql", ":/db/demo.sql"}) {
        QFile file(QString::fromLatin1(name));
        if (file.open(QIODevice::ReadOnly)) hash.addData(file.readAll());
    }
    return QString::fromLatin1(hash.result().toHex().left(8));
}

QString stem(const ScaledPlantSize& size) {
    const QString base = QStringLiteral("plant-%1-%2").arg(size.orders).arg(size.ledgerRows);
    return size.openOrders > 0 ? base + QStringLiteral("-open%1").arg(size.openOrders) : base;
}

}  // namespace

PlantCache::PlantCache(QString dir) : dir_(std::move(dir)) {}

QString PlantCache::defaultDir() {
    const QString set = qEnvironmentVariable("MES_PLANT_CACHE");
    return set.isEmpty() ? QStringLiteral(MES_PLANT_CACHE_DIR) : set;
}

QString PlantCache::plant(const ScaledPlantSize& size, QString* error) {
    QDir dir(dir_);
    if (!dir.mkpath(QStringLiteral("."))) {
        if (error) *error = QStringLiteral("cannot create the plant cache %1").arg(dir_);
        return {};
    }
    const QString name =
        QStringLiteral("%1-%2-%3.db")
            .arg(stem(size), mes::TerminalClock::now().toString(QStringLiteral("yyyyMMdd")),
                 sourceTag());
    const QString path = dir.filePath(name);
    // Two benchmark processes wanting the same plant build it once.
    QLockFile lock(dir.filePath(stem(size) + QStringLiteral(".lock")));
    lock.setStaleLockTime(0);
    if (!lock.lock()) {
        if (error) *error = QStringLiteral("cannot lock the plant cache %1").arg(dir_);
        return {};
    }
    if (QFile::exists(path)) return path;
    for (const QString& old : dir.entryList({stem(size) + QStringLiteral("-*.db")}, QDir::Files))
        dir.remove(old);
    if (size.openOrders <= 0) return createScaledPlant(path, size, error) ? path : QString();
    // The same plant with orders left open: a copy of the cached one, not a new build.
    const QString from = plant(size.leftOpen(0), error);
    if (from.isEmpty()) return {};
    const QString part = path + QStringLiteral(".open.part");
    QFile::remove(part);
    if (!QFile::copy(from, part) ||
        !QFile::setPermissions(part, QFile::ReadOwner | QFile::WriteOwner)) {
        if (error) *error = QStringLiteral("cannot copy %1 to %2").arg(from, part);
        return {};
    }
    if (leaveOrdersOpen(part, size.openOrders, error) < 0 || !QFile::rename(part, path)) {
        QFile::remove(part);
        if (error && error->isEmpty()) *error = QStringLiteral("cannot create %1").arg(path);
        return {};
    }
    return path;
}

bool PlantCache::copyTo(const ScaledPlantSize& size, const QString& path, QString* error) {
    const QString source = plant(size, error);
    if (source.isEmpty()) return false;
    QFile::remove(path);
    if (!QFile::copy(source, path) ||
        !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner)) {
        if (error) *error = QStringLiteral("cannot copy %1 to %2").arg(source, path);
        return false;
    }
    return true;
}

}  // namespace mesbench
