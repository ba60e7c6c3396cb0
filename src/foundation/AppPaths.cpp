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

bool AppPaths::keepsSettings(const QString& dir) {
#ifndef Q_OS_WIN
    // An installed package lives under /usr, the system's own: root may write
    // there, but a settings file would outlive the package and serve no user.
    if (QDir::cleanPath(dir).startsWith(QLatin1String("/usr/"))) return false;
#endif
    return QFileInfo(dir).isWritable();
}

QString AppPaths::programDir() {
    if (!programOverride().isEmpty()) return programOverride();
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString AppPaths::configDir() {
    if (!configOverride().isEmpty()) return configOverride();
    const QString dir = programDir();
    if (keepsSettings(dir)) return dir;
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
