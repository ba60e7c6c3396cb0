#include "foundation/DemoPlant.h"

#include <QDir>
#include <QStandardPaths>

namespace mes {

QString gfDEMO_PATH() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("demo-plant.db"));
}

bool gfCREATE_SCHEMA(const QString&, QString* error) {
    if (error) *error = QStringLiteral("schema not available in this build");
    return false;
}

bool gfCREATE_DEMO(const QString&, QString* error) {
    if (error) *error = QStringLiteral("demo plant not available in this build");
    return false;
}

}  // namespace mes
