#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "../db/PlantDb.h"
#include "../ui/VersionServer.h"
#include "app/TerminalCheck.h"
#include "foundation/AppPaths.h"
#include "foundation/DemoPlant.h"
#include "foundation/TerminalIdentity.h"
#include "support/TempFolder.h"

using namespace mes;

namespace {

QByteArray address(const QString& dotted) {
    QByteArray bytes;
    for (const QString& part : dotted.split('.')) bytes.append(char(part.toInt()));
    return bytes;
}

void resolveTo(const QString& ip) {
    gsSET_RESOLVER([ip] { return HostLookup{true, 0, "press1", {address(ip)}}; });
}

QByteArray digest(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// A pseudo-terminal standing in for the label printer's port.
class Pty {
  public:
    Pty() {
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0) path_ = name;
    }
    ~Pty() {
        if (master_ >= 0) ::close(master_);
        if (slave_ >= 0) ::close(slave_);
    }
    const QString& path() const { return path_; }

  private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
};

// The line of a point: the one beginning with "point: ".
QString lineOf(const QStringList& lines, const QString& point) {
    for (const QString& l : lines)
        if (l.startsWith(point + QStringLiteral(": "))) return l;
    return {};
}

class Check : public ::testing::Test {
  protected:
    void SetUp() override {
        AppPaths::setConfigDir(folder.path());
        AppPaths::setProgramDir(folder.path());
        resolveTo(kIp);
        plant = folder.file(QStringLiteral("plant.db"));
        QString error;
        ASSERT_TRUE(gfCREATE_DEMO(plant, &error)) << error.toStdString();
        ASSERT_FALSE(printer.path().isEmpty());
        options.embeddedPath = plant;
        options.labelPort = printer.path();
        options.pictureShare = folder.path();
        options.programDir = folder.path();
        options.timeoutMs = 2000;
    }
    void TearDown() override {
        gsSET_RESOLVER({});
        AppPaths::reset();
    }
    // "P-01 프레스 1호기" as the plant holds it, read with plain SQLite.
    QString machineOf(const QString& ip) const {
        return plantdb::PlantDb(plant)
            .value(QStringLiteral("SELECT equipment_code || ' ' || equipment_name FROM "
                                  "B_EQUIPMENT WHERE ipaddress = '%1'")
                       .arg(ip))
            .toString();
    }

    const QString kIp = QStringLiteral("10.20.30.40");
    testsupport::TempFolder folder;
    Pty printer;
    QString plant;
    CheckOptions options;
};

TEST_F(Check, EachPointSaysOkOrWhatIsWrong) {
    struct Case {
        const char* name;
        std::function<void(CheckOptions&, QString& ip)> change;
        QString point;
        std::function<QString(const CheckOptions&, const QString& ip)> expected;
        bool fails;
    };
    const QString machine = machineOf(kIp);
    ASSERT_FALSE(machine.isEmpty());
    const QString missing = folder.file(QStringLiteral("no-such.db"));
    const QList<Case> cases = {
        {"the demo plant, its press at this address", [](CheckOptions&, QString&) {},
         "terminal address",
         [&](const CheckOptions&, const QString& ip) {
             return QStringLiteral("terminal address: ok - %1 is the terminal of machine %2")
                 .arg(ip, machine);
         },
         false},
        {"the label printer on a pty", [](CheckOptions&, QString&) {}, "label port",
         [](const CheckOptions& o, const QString&) {
             return QStringLiteral("label port: ok - %1 opens at 9600 8N1").arg(o.labelPort);
         },
         false},
        {"a missing database file", [&](CheckOptions& o, QString&) { o.embeddedPath = missing; },
         "database",
         [](const CheckOptions& o, const QString&) {
             return QStringLiteral(
                        "database: FAILED - cannot open the embedded database %1: "
                        "database file not found: %1; give the path of a plant "
                        "database file, or make a demo plant with --create-demo PATH")
                 .arg(o.embeddedPath);
         },
         true},
        {"no database, so no machine", [&](CheckOptions& o, QString&) { o.embeddedPath = missing; },
         "terminal address",
         [](const CheckOptions&, const QString& ip) {
             return QStringLiteral(
                        "terminal address: skipped - %1; its machine is not checked "
                        "without the database")
                 .arg(ip);
         },
         true},
        {"an address no machine has",
         [](CheckOptions&, QString& ip) { ip = QStringLiteral("192.0.2.99"); }, "terminal address",
         [](const CheckOptions&, const QString& ip) {
             return QStringLiteral(
                        "terminal address: FAILED - %1 belongs to no machine of "
                        "B_EQUIPMENT; enter %1 as ipaddress of this terminal's machine "
                        "in B_EQUIPMENT (until then the history and inspection screens "
                        "stay empty)")
                 .arg(ip);
         },
         true},
        {"a label port that does not exist",
         [&](CheckOptions& o, QString&) { o.labelPort = folder.file(QStringLiteral("ttyNONE")); },
         "label port",
         [](const CheckOptions& o, const QString&) {
             return QStringLiteral(
                        "label port: FAILED - %1 does not exist; connect the label "
                        "printer (or its serial adapter), or build with "
                        "MES_LABEL_PORT set to its port")
                 .arg(o.labelPort);
         },
         true},
        {"a picture share that is not there",
         [&](CheckOptions& o, QString&) { o.pictureShare = folder.file(QStringLiteral("gone")); },
         "picture share",
         [](const CheckOptions& o, const QString&) {
             return QStringLiteral(
                        "picture share: FAILED - %1 cannot be reached; connect "
                        "(mount) the share, or check MES_PICTURE_SHARE")
                 .arg(o.pictureShare);
         },
         true},
        {"an ODBC driver nobody registered",
         [](CheckOptions& o, QString&) {
             o.embeddedPath.clear();
             o.odbcDriver = QStringLiteral("No Such Driver");
         },
         "odbc driver",
         [](const CheckOptions&, const QString&) {
             return QStringLiteral(
                 "odbc driver: FAILED - \"No Such Driver\" is not registered; "
                 "run scripts/register-odbc.sh");
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CheckOptions o = options;
        QString ip = kIp;
        c.change(o, ip);
        resolveTo(ip);
        const QByteArray before = digest(plant);
        const CheckReport report = TerminalCheck(o).run();
        EXPECT_EQ(lineOf(report.lines(), c.point).toStdString(), c.expected(o, ip).toStdString());
        EXPECT_EQ(report.anyFailed(), c.fails) << report.lines().join('\n').toStdString();
        EXPECT_EQ(report.lines().size(), 8);
        EXPECT_EQ(digest(plant), before) << "the check wrote to the database";
        EXPECT_FALSE(QFile::exists(missing)) << "the check made a database file";
        EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("conf.ini"))))
            << "the check wrote conf.ini";
    }
}

TEST_F(Check, TheVersionIsComparedWithThePublishedOne) {
    VersionServer server;
    ASSERT_TRUE(server.start());
    QFile local(folder.file(QStringLiteral("Panel_Orvel_version.txt")));
    ASSERT_TRUE(local.open(QIODevice::WriteOnly));
    local.write("1.05,build 17\r\n");
    local.close();
    const QString updater = folder.file(QStringLiteral("update"));
    struct Case {
        const char* published;  // nullptr: nobody answers
        bool updaterThere;
        QString expected;
    };
    for (const Case& c : {
             Case{"1.05", false, "version: ok - installed / published: 1.05 / 1.05"},
             Case{"1.1", true,
                  "version: ok - a newer build is published (installed / published: 1.05 / "
                  "1.1): the terminal starts the updater at its next start"},
             Case{"1.1", false,
                  QStringLiteral("version: FAILED - a newer build is published (installed / "
                                 "published: 1.05 / 1.1) and there is no updater %1; install the "
                                 "new build: the terminal ends at start until then")
                      .arg(updater)},
         }) {
        SCOPED_TRACE(c.published);
        server.setBody(QByteArray(c.published));
        if (c.updaterThere) {
            QFile u(updater);
            ASSERT_TRUE(u.open(QIODevice::WriteOnly));
        } else {
            QFile::remove(updater);
        }
        CheckOptions o = options;
        o.updateBaseUrl = server.baseUrl();
        const CheckReport report = TerminalCheck(o).run();
        EXPECT_EQ(lineOf(report.lines(), "version").toStdString(), c.expected.toStdString());
        EXPECT_EQ(report.anyFailed(), c.expected.contains("FAILED"));
    }
    CheckOptions o = options;
    o.updateBaseUrl = gfDEAD_URL();
    const QString line = lineOf(TerminalCheck(o).run().lines(), "version");
    EXPECT_TRUE(line.startsWith(QStringLiteral("version: FAILED - the update server %1 cannot be "
                                               "read: ")
                                    .arg(o.updateBaseUrl)))
        << line.toStdString();
    EXPECT_TRUE(
        line.endsWith("check the network and the server: the terminal ends at start "
                      "without it"));
}

TEST_F(Check, TheCommandRunsWithoutADisplayOnTheDemoAndOnADatabaseFile) {
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    const QString demo =
        home.filePath(QStringLiteral("data/mes-terminal/mes-terminal/demo-plant.db"));
    struct Case {
        QStringList args;
        QString database;
    };
    for (const Case& c :
         {Case{{"--check", "--demo"}, demo}, Case{{"--check", "--database", plant}, plant},
          Case{{"--database", plant, "--check"}, plant}}) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const QByteArray before = digest(c.database);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(MES_TERMINAL_PATH), c.args);
        ASSERT_TRUE(p.waitForFinished(60000));
        const QStringList lines =
            QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        EXPECT_TRUE(lineOf(lines, "database")
                        .startsWith(QStringLiteral("database: ok - connected to the embedded "
                                                   "database %1;")
                                        .arg(c.database)))
            << lines.join('\n').toStdString() << p.readAllStandardError().toStdString();
        // The demo's press takes this PC's address when the demo is opened; the
        // plant file was made for the test's address and keeps it.
        const bool isDemo = c.database == demo;
        EXPECT_EQ(lineOf(lines, "terminal address").contains(": ok - "), isDemo)
            << lineOf(lines, "terminal address").toStdString();
        EXPECT_EQ(p.exitCode(), lines.filter(QStringLiteral(": FAILED - ")).isEmpty() ? 0 : 1);
        if (!isDemo) EXPECT_EQ(digest(c.database), before);
    }
}

}  // namespace
