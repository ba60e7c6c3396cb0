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
    return QStringLiteral("plant-%1-%2").arg(size.orders).arg(size.ledgerRows);
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
    return createScaledPlant(path, size, error) ? path : QString();
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
