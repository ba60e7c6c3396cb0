#include "app/DatabaseCheck.h"

#include <QDateTime>
#include <QFileInfo>

#include "app/QuietUserInterface.h"
#include "foundation/Configuration.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/OdbcEngine.h"
#include "foundation/Session.h"
#include "foundation/TerminalIdentity.h"

namespace mes {

namespace {

const QString kDatabase = QStringLiteral("database");
const QString kAddress = QStringLiteral("terminal address");
const QString kCollation = QStringLiteral("collation");

// "3 s ahead of", "12 s behind", "the same as"
QString difference(qint64 seconds) {
    if (seconds == 0) return QStringLiteral("the same as");
    return QStringLiteral("%1 s %2")
        .arg(qAbs(seconds))
        .arg(seconds > 0 ? QStringLiteral("ahead of") : QStringLiteral("behind"));
}

}  // namespace

bool gfCOLLATION_KEEPS_KOREAN(int codePage) { return codePage == 949 || codePage == 65001; }

DatabaseCheck::DatabaseCheck(const CheckOptions& options, CheckReport* report,
                             QuietUserInterface* ui)
    : options_(options), report_(report), ui_(ui) {}

DatabaseCheck::~DatabaseCheck() = default;

bool DatabaseCheck::rows(const QString& sql, RecordData* out, QString* error) {
    DbError err;
    if (engine_->query(sql, out, &err)) return true;
    *error = err.description.simplified();
    return false;
}

void DatabaseCheck::connection() {
    const Configuration& c = gvConfig();
    const bool embedded = !options_.embeddedPath.isEmpty();
    const QString where =
        embedded ? QStringLiteral("embedded database %1").arg(options_.embeddedPath)
                 : QStringLiteral("database %1 at %2 as %3").arg(c.DBNAME, c.IMIP, c.DBUSER);
    if (embedded) {
        engine_ = std::make_unique<EmbeddedEngine>(options_.embeddedPath);
    } else {
        engine_ = std::make_unique<OdbcEngine>(
            OdbcEngine::connectString(c.IMIP, c.DBUSER, c.DBPWD, c.DBNAME));
    }
    DbError err;
    if (!engine_->open(&err) || !engine_->useDatabase(c.DBNAME, &err)) {
        engine_.reset();
        const QString problem =
            QStringLiteral("cannot open the %1: %2").arg(where, err.description.simplified());
        if (embedded && !QFileInfo::exists(options_.embeddedPath)) {
            report_->failed(kDatabase, problem,
                            QStringLiteral("give the path of a plant database file, or make a "
                                           "demo plant with --create-demo PATH"));
        } else if (embedded) {
            report_->failed(kDatabase, problem,
                            QStringLiteral("check that the file is a plant "
                                           "database and may be written"));
        } else {
            report_->failed(kDatabase, problem,
                            QStringLiteral("check that the server is up and reachable from this "
                                           "PC on that port, and that it accepts the login"));
        }
        return;
    }
    // The statement start-up sets the terminal's clock with.
    RecordData clock;
    QString error;
    if (!rows(QStringLiteral("select convert(char(10),getdate(),120) As SDATE,\n"
                             "convert(char(8),getdate(),114) as STIME"),
              &clock, &error) ||
        clock.rows.isEmpty()) {
        report_->failed(kDatabase,
                        QStringLiteral("connected to the %1, but its clock cannot be "
                                       "read: %2")
                            .arg(where, error),
                        QStringLiteral("give the login the right to run a SELECT"));
        return;
    }
    const QString text = clock.rows.first().value(0).toString().trimmed() + QLatin1Char(' ') +
                         clock.rows.first().value(1).toString().trimmed();
    const QDateTime server = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const qint64 seconds = QDateTime::currentDateTime().secsTo(server);
    report_->ok(kDatabase, QStringLiteral("connected to the %1; server clock %2, %3 this PC's "
                                          "(the terminal takes the server's at start)")
                               .arg(where, text, difference(seconds)));
}

void DatabaseCheck::collation() {
    if (!options_.embeddedPath.isEmpty()) {
        report_->skipped(kCollation,
                         QStringLiteral("the embedded database keeps text as it is sent"));
        return;
    }
    if (!engine_) {
        report_->skipped(kCollation, QStringLiteral("not checked without the database"));
        return;
    }
    RecordData found;
    QString error;
    const QString sql = QStringLiteral(
        "SELECT CONVERT(varchar(128), DATABASEPROPERTYEX(DB_NAME(), 'Collation')) AS coll,\n"
        "CONVERT(int, COLLATIONPROPERTY(CONVERT(varchar(128), "
        "DATABASEPROPERTYEX(DB_NAME(), 'Collation')), 'CodePage')) AS cp");
    if (!rows(sql, &found, &error) || found.rows.isEmpty()) {
        report_->failed(kCollation, QStringLiteral("cannot be read: %1").arg(error),
                        QStringLiteral("give the login the right to read the database's "
                                       "properties"));
        return;
    }
    const QString name = found.rows.first().value(0).toString();
    const int codePage = found.rows.first().value(1).toInt();
    if (gfCOLLATION_KEEPS_KOREAN(codePage)) {
        report_->ok(kCollation, QStringLiteral("%1 (code page %2)").arg(name).arg(codePage));
        return;
    }
    report_->failed(
        kCollation,
        QStringLiteral("%1 (code page %2) stores the Korean texts the terminal sends as \"??\"")
            .arg(name)
            .arg(codePage),
        QStringLiteral("make the plant database with a Korean collation, e.g. "
                       "CREATE DATABASE ... COLLATE Korean_Wansung_CI_AS"));
}

void DatabaseCheck::machine() {
    const QString ip = gfGET_IP();
    if (ip.isEmpty()) {
        report_->failed(
            kAddress,
            QStringLiteral("the terminal's address cannot be looked up: %1").arg(ui_->take()),
            QStringLiteral("make the host name resolve to this PC's IPv4 address "
                           "(DNS or /etc/hosts)"));
        return;
    }
    // Debian's /etc/hosts gives the host name 127.0.1.1: no plant machine has it.
    if (ip.startsWith(QLatin1String("127.")) && options_.embeddedPath.isEmpty()) {
        report_->failed(
            kAddress,
            QStringLiteral("%1 is a loopback address: the host name resolves to it").arg(ip),
            QStringLiteral("make the host name resolve to this PC's address in the "
                           "plant network (DNS or /etc/hosts)"));
        return;
    }
    if (!engine_) {
        report_->skipped(
            kAddress,
            QStringLiteral("%1; its machine is not checked without the database").arg(ip));
        return;
    }
    RecordData found;
    QString error;
    const QString sql = QStringLiteral(
                            "SELECT equipment_code, equipment_name FROM B_EQUIPMENT "
                            "WHERE ipaddress = '%1' ORDER BY equipment_code")
                            .arg(gfSQ(ip));
    if (!rows(sql, &found, &error)) {
        report_->failed(kAddress,
                        QStringLiteral("%1; B_EQUIPMENT cannot be read: %2").arg(ip, error),
                        QStringLiteral("check that the database is the plant's"));
        return;
    }
    if (found.rows.isEmpty()) {
        report_->failed(kAddress, QStringLiteral("%1 belongs to no machine of B_EQUIPMENT").arg(ip),
                        QStringLiteral("enter %1 as ipaddress of this terminal's machine in "
                                       "B_EQUIPMENT (until then the history and inspection "
                                       "screens stay empty)")
                            .arg(ip));
        return;
    }
    QStringList machines;
    for (const QVariantList& r : found.rows)
        machines << r.value(0).toString() + QLatin1Char(' ') + r.value(1).toString();
    report_->ok(kAddress, QStringLiteral("%1 is the terminal of machine %2")
                              .arg(ip, machines.join(QStringLiteral(", "))));
}

}  // namespace mes
