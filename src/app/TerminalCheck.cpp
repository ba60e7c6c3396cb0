#include "app/TerminalCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QTemporaryDir>

#include "app/DatabaseCheck.h"
#include "app/OdbcDrivers.h"
#include "app/QuietUserInterface.h"
#include "foundation/AppPaths.h"
#include "foundation/Configuration.h"
#include "foundation/VersionCheck.h"
#include "ui/FrmSplash.h"

namespace mes {

namespace {

// Fills the Configuration as start-up would, on a copy of conf.ini: start-up
// writes the built-in values first, so the file alone does not tell what is used.
bool loadAsStartUpWould(const QString& iniPath) {
    QTemporaryDir copy;
    if (!copy.isValid()) return false;
    const QString real = AppPaths::configDir();
    if (QFileInfo::exists(iniPath) &&
        !QFile::copy(iniPath, copy.filePath(QStringLiteral("conf.ini"))))
        return false;
    AppPaths::setConfigDir(copy.path());
    gsINI_DEFAULT();
    gsINI_LOAD();
    AppPaths::setConfigDir(real);
    return true;
}

}  // namespace

CheckReport TerminalCheck::run() {
    QuietUserInterface ui;
    CheckReport report;
    settings(&report);
    odbcDriver(&report);
    DatabaseCheck database(options_, &report, &ui);
    database.connection();
    database.collation();
    database.machine();
    labelPort(&report);
    pictureShare(&report);
    version(&report);
    return report;
}

void TerminalCheck::settings(CheckReport* report) const {
    const QString point = QStringLiteral("settings");
    const QString ini = gfINI_PATH();
    const QString folder = QFileInfo(ini).absolutePath();
    if (QFileInfo::exists(ini) && !QFileInfo(ini).isReadable()) {
        report->failed(point, QStringLiteral("%1 cannot be read").arg(ini),
                       QStringLiteral("give the terminal's user read and write access to it"));
        return;
    }
    if (!QFileInfo(folder).isWritable() || !loadAsStartUpWould(ini)) {
        report->failed(point, QStringLiteral("%1 cannot be written").arg(folder),
                       QStringLiteral("conf.ini and the month error files go there: give the "
                                      "terminal's user write access"));
        return;
    }
    const Configuration& c = gvConfig();
    QString detail = QStringLiteral("%1 (%2); database %3 at %4 as %5")
                         .arg(ini,
                              QFileInfo::exists(ini) ? QStringLiteral("read")
                                                     : QStringLiteral("made at the first start"),
                              c.DBNAME, c.IMIP, c.DBUSER);
    if (!options_.embeddedPath.isEmpty())
        detail += QStringLiteral(", not used: the embedded database is opened instead");
    report->ok(point, detail);
}

QString TerminalCheck::registerCommand() const {
    const QString installed =
        QDir(options_.programDir).filePath(QStringLiteral("register-odbc.sh"));
    return QFileInfo::exists(installed) ? QStringLiteral("sudo ") + installed
                                        : QStringLiteral("scripts/register-odbc.sh");
}

void TerminalCheck::odbcDriver(CheckReport* report) const {
    const QString point = QStringLiteral("odbc driver");
    const QString name = QLatin1Char('"') + options_.odbcDriver + QLatin1Char('"');
    QMap<QString, QString> attributes;
    const bool registered = OdbcDrivers::find(options_.odbcDriver, &attributes);
    const QString library = attributes.value(QStringLiteral("Driver"));
    const QString tds = attributes.value(QStringLiteral("TDS_Version"));
    if (!options_.embeddedPath.isEmpty()) {
        report->skipped(point, QStringLiteral("not used with the embedded database (%1 is %2)")
                                   .arg(name, registered ? QStringLiteral("registered")
                                                         : QStringLiteral("not registered")));
        return;
    }
    const QString remedy = QStringLiteral("run %1").arg(registerCommand());
    if (!registered) {
        report->failed(point, QStringLiteral("%1 is not registered").arg(name), remedy);
    } else if (library.isEmpty() || !QFileInfo::exists(library)) {
        report->failed(
            point,
            QStringLiteral("%1 is registered with the missing library \"%2\"").arg(name, library),
            QStringLiteral("install tdsodbc, then ") + remedy);
    } else if (library.contains(QLatin1String("tdsodbc")) && tds.isEmpty()) {
        report->failed(point,
                       QStringLiteral("%1 is FreeTDS without a pinned TDS_Version (a login "
                                      "time-out then falls back to an old protocol and hangs)")
                           .arg(name),
                       remedy);
    } else {
        report->ok(point,
                   QStringLiteral("%1 is registered: %2%3")
                       .arg(name, library,
                            tds.isEmpty() ? QString() : QStringLiteral(", TDS_Version ") + tds));
    }
}

void TerminalCheck::labelPort(CheckReport* report) const {
    const QString point = QStringLiteral("label port");
    const QString name = options_.labelPort;
    const QString device =
        name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
    if (!QFileInfo::exists(device)) {
        report->failed(point, QStringLiteral("%1 does not exist").arg(device),
                       QStringLiteral("connect the label printer (or its serial adapter), or "
                                      "build with MES_LABEL_PORT set to its port"));
        return;
    }
    QSerialPort port;
    port.setPortName(name);
    if (!port.open(QIODevice::WriteOnly)) {
        const bool denied = port.error() == QSerialPort::PermissionError;
        report->failed(point,
                       QStringLiteral("%1 cannot be opened: %2").arg(device, port.errorString()),
                       denied ? QStringLiteral("add the terminal's user to the group dialout "
                                               "(sudo adduser USER dialout) and log in again")
                              : QStringLiteral("close the program that holds the port, or check "
                                               "the printer's cable"));
        return;
    }
    const bool set =
        port.setBaudRate(QSerialPort::Baud9600) && port.setDataBits(QSerialPort::Data8) &&
        port.setParity(QSerialPort::NoParity) && port.setStopBits(QSerialPort::OneStop);
    port.close();
    if (!set) {
        report->failed(point, QStringLiteral("%1 opens but does not take 9600 8N1").arg(device),
                       QStringLiteral("check that it is a serial port"));
        return;
    }
    report->ok(point, QStringLiteral("%1 opens at 9600 8N1").arg(device));
}

void TerminalCheck::pictureShare(CheckReport* report) const {
    const QString point = QStringLiteral("picture share");
    const QString share = options_.pictureShare;
    if (share.isEmpty()) {
        report->skipped(point, QStringLiteral("none configured (MES_PICTURE_SHARE): the "
                                              "inspection screen shows the no-photo picture"));
        return;
    }
    const QFileInfo info(share);
    if (!info.isDir() || !info.isReadable() || !QDir(share).isReadable()) {
        report->failed(point, QStringLiteral("%1 cannot be reached").arg(share),
                       QStringLiteral("connect (mount) the share, or check MES_PICTURE_SHARE"));
        return;
    }
    report->ok(point, QStringLiteral("%1 is reachable").arg(share));
}

void TerminalCheck::version(CheckReport* report) const {
    const QString point = QStringLiteral("version");
    QString detail;
    switch (VersionCheck::run(options_.programDir, options_.updateBaseUrl, options_.timeoutMs,
                              &detail)) {
        case VersionCheck::Outcome::NoServer:
            report->skipped(point,
                            QStringLiteral("no update server configured (MES_UPDATE_BASE_URL)"));
            return;
        case VersionCheck::Outcome::UpToDate:
            report->ok(point, QStringLiteral("installed / published: ") + detail);
            return;
        case VersionCheck::Outcome::StartUpdater:
            if (QFileInfo::exists(FrmSplash::updaterPath())) {
                report->ok(point, QStringLiteral("a newer build is published (installed / "
                                                 "published: %1): the terminal starts the "
                                                 "updater at its next start")
                                      .arg(detail));
            } else {
                report->failed(point,
                               QStringLiteral("a newer build is published (installed / published: "
                                              "%1) and there is no updater %2")
                                   .arg(detail, FrmSplash::updaterPath()),
                               QStringLiteral("install the new build: the terminal ends at start "
                                              "until then"));
            }
            return;
        case VersionCheck::Outcome::Failed:
            report->failed(point,
                           QStringLiteral("the update server %1 cannot be read: %2")
                               .arg(options_.updateBaseUrl, detail),
                           QStringLiteral("check the network and the server: the terminal ends "
                                          "at start without it"));
            return;
    }
}

}  // namespace mes
