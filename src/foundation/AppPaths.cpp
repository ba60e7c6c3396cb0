#include "foundation/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace mes {

namespace {
QString& configOverride() {
    static QString dir;
    return dir;
}
QString& programOverride() {
    static QString dir;
    return dir;
}
}  // namespace

QString AppPaths::programDir() {
    if (!programOverride().isEmpty()) return programOverride();
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString AppPaths::configDir() {
    if (!configOverride().isEmpty()) return configOverride();
    const QString dir = programDir();
    if (QFileInfo(dir).isWritable()) return dir;
    QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(user);
    return user;
}

void AppPaths::setConfigDir(const QString& dir) { configOverride() = dir; }

void AppPaths::setProgramDir(const QString& dir) { programOverride() = dir; }

void AppPaths::reset() {
    configOverride().clear();
    programOverride().clear();
}

}  // namespace mes
