#include "foundation/Configuration.h"

#include <QDir>
#include <QList>
#include <QPair>

#include "foundation/AppPaths.h"
#include "foundation/BuildInfo.h"
#include "foundation/IniFile.h"

namespace mes {

namespace {

const QString kDb = QStringLiteral("DB_SETTING");
const QString kFtp = QStringLiteral("FTP_SETTING");
const QString kWork = QStringLiteral("WORK_INFO");
const QString kCounter = QStringLiteral("COUNTER_SETTING");

// The counter's keys with their defaults, in the order written.
const QList<QPair<QString, QString>>& counterDefaults() {
    static const QList<QPair<QString, QString>> keys{
        {QStringLiteral("Host"), QString()},
        {QStringLiteral("Port"), QStringLiteral("502")},
        {QStringLiteral("UnitId"), QStringLiteral("1")},
        {QStringLiteral("Register"), QStringLiteral("0")},
        {QStringLiteral("WordOrder"), QStringLiteral("HIGH")},
        {QStringLiteral("PiecesPerStroke"), QStringLiteral("1")},
        {QStringLiteral("PollMs"), QStringLiteral("500")},
        {QStringLiteral("StillMinutes"), QStringLiteral("5")}};
    return keys;
}

const QString kMissing = QStringLiteral("\x01missing");

int positive(const QString& text, int def) {
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok && v > 0 ? v : def;
}

QString readKey(const IniFile& ini, const QString& section, const QString& key,
                const QString& def) {
    // 255 blanks in, NULs out, blanks trimmed: a value keeps at most 254 characters.
    QString v = ini.readString(section, key, def, 255);
    v.remove(QChar(0));
    return v.trimmed();
}

}  // namespace

Configuration& gvConfig() {
    static Configuration config;
    return config;
}

QString gfINI_PATH() { return QDir(AppPaths::configDir()).filePath(QStringLiteral("conf.ini")); }

QString gfDEFAULT_DB_ADDRESS() { return QString::fromUtf8(build::kDefaultDbHost) + ",1433"; }

QString gfDEFAULT_FTP_ADDRESS() { return QString::fromUtf8(build::kDefaultFtpHost) + ",13579"; }

void gsINI_DEFAULT() {
    const IniFile ini(gfINI_PATH());
    ini.writeString(kDb, QStringLiteral("DBNAME"), QStringLiteral("MES_ORVEL"));
    ini.writeString(kDb, QStringLiteral("DBUSER"), QStringLiteral("sa"));
    ini.writeString(kDb, QStringLiteral("DBPWD"), QStringLiteral("!417#parvek"));
    ini.writeString(kDb, QStringLiteral("IMIP"), gfDEFAULT_DB_ADDRESS());
    ini.writeString(kFtp, QStringLiteral("FTPServer"), gfDEFAULT_FTP_ADDRESS());
    ini.writeString(kFtp, QStringLiteral("FTPPort"), QStringLiteral("21"));
    ini.writeString(kFtp, QStringLiteral("FTPUser"), QString::fromUtf8(build::kFtpUser));
    ini.writeString(kFtp, QStringLiteral("FTPPass"), QStringLiteral("wxqz"));
    // Unlike the connection keys these belong to the terminal's machine: a
    // default is written only where the administrator has set nothing.
    for (const auto& [key, def] : counterDefaults()) {
        if (ini.readString(kCounter, key, kMissing) == kMissing)
            ini.writeString(kCounter, key, def);
    }
}

void gsINI_LOAD() {
    const IniFile ini(gfINI_PATH());
    Configuration& c = gvConfig();
    c.DBNAME = readKey(ini, kDb, QStringLiteral("DBNAME"), QStringLiteral("None"));
    c.DBUSER = readKey(ini, kDb, QStringLiteral("DBUSER"), QStringLiteral("None"));
    c.DBPWD = readKey(ini, kDb, QStringLiteral("DBPWD"), QString());
    c.COMGB = readKey(ini, kDb, QStringLiteral("COMGB"), QString());
    c.WorkCd = readKey(ini, kWork, QStringLiteral("WorkCd"), QString());
    c.IMIP = readKey(ini, kDb, QStringLiteral("IMIP"), QString());
    c.FTPServer = readKey(ini, kFtp, QStringLiteral("FTPServer"), QString());
    c.FTPPort = readKey(ini, kFtp, QStringLiteral("FTPPort"), QString()).toInt();
    c.FTPUser = readKey(ini, kFtp, QStringLiteral("FTPUser"), QString());
    c.FTPPass = readKey(ini, kFtp, QStringLiteral("FTPPass"), QString());
    c.CounterHost = readKey(ini, kCounter, QStringLiteral("Host"), QString());
    c.CounterPort = positive(readKey(ini, kCounter, QStringLiteral("Port"), QString()), 502);
    bool ok = false;
    const int unit = readKey(ini, kCounter, QStringLiteral("UnitId"), QString()).toInt(&ok);
    c.CounterUnit = ok && unit >= 0 && unit <= 255 ? unit : 1;
    const int reg = readKey(ini, kCounter, QStringLiteral("Register"), QString()).toInt(&ok);
    c.CounterRegister = ok && reg >= 0 && reg <= 65534 ? reg : 0;
    c.CounterHighWordFirst = readKey(ini, kCounter, QStringLiteral("WordOrder"), QString())
                                 .compare(QLatin1String("LOW"), Qt::CaseInsensitive) != 0;
    c.CounterPieces =
        positive(readKey(ini, kCounter, QStringLiteral("PiecesPerStroke"), QString()), 1);
    c.CounterPollMs = positive(readKey(ini, kCounter, QStringLiteral("PollMs"), QString()), 500);
    c.CounterStillMinutes =
        positive(readKey(ini, kCounter, QStringLiteral("StillMinutes"), QString()), 5);
}

}  // namespace mes
