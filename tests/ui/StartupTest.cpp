#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include "VersionServer.h"
#include "foundation/Configuration.h"
#include "foundation/ErrorLog.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "ui/FrmSplash.h"
#include "ui/support/FakeEngine.h"
#include "ui/support/UiFixture.h"

using namespace mes;
using uitest::FakeEngine;

namespace {

const QString kServerDown =
    "서버에 접속할 수 없습니다. 확인하여 주시기 바랍니다.\r\n시스템을 종료합니다.";
const QString kClockSql =
    "\nselect convert(char(10),getdate(),120) As SDATE,\nconvert(char(8),getdate(),114) as STIME";

class StartupTest : public uitest::UiFixture {
  protected:
    void SetUp() override {
        UiFixture::SetUp();
        key = "mes-test-" + QUuid::createUuid().toString(QUuid::Id128);
        gvConfig() = Configuration();
        useDatabase(true, true);
        gsSET_SESSION(&session);
        ASSERT_TRUE(server.start());
    }
    void TearDown() override {
        splashes.clear();
        gsSET_SESSION(nullptr);
        UiFixture::TearDown();
    }

    // The database: opens or not; answers the clock query or fails it.
    void useDatabase(bool opens, bool clockAnswers) {
        session.setEngineFactory([this, opens, clockAnswers] {
            return std::make_unique<FakeEngine>(
                &statements,
                [clockAnswers](const QString& sql, RecordData* out, DbError* err) {
                    if (!sql.contains("getdate()")) return true;
                    if (!clockAnswers) {
                        *err = DbError{-2147217900, "Incorrect syntax near 'getdate'."};
                        return false;
                    }
                    out->columns = {"SDATE", "STIME"};
                    out->rows = {{"2031-05-06", "07:08:09"}};
                    return true;
                },
                opens);
        });
    }

    FrmSplash& splash(const QString& url) {
        StartupSettings s = StartupSettings::program();
        s.lockFolder = folder.path();
        s.instanceKey = key;
        s.updateBaseUrl = url;
        s.timeoutMs = 3000;
        s.startUpdater = [this, real = s.startUpdater](const QString& path) {
            updaterPaths << path;
            return real(path);
        };
        s.showMainScreen = [this] { ++mainShown; };
        splashes.push_back(std::make_unique<Splash>(std::move(s)));
        return *splashes.back()->screen;
    }

    void writeLocalVersion(const QByteArray& content) {
        QFile f(folder.file("Panel_Orvel_version.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    // The fake updater writes how many arguments it got.
    void writeUpdater() {
        const QString path = FrmSplash::updaterPath();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\necho $# > \"" + folder.file("updater-ran").toUtf8() + "\"\n");
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }

    QByteArray updaterOutput(int waitMs) {
        QFile f(folder.file("updater-ran"));
        for (int waited = 0; waited < waitMs && !f.exists(); waited += 50) QTest::qWait(50);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll().trimmed();
    }

    // A start-up screen and the instance lock it leaves with the process.
    struct Splash {
        explicit Splash(StartupSettings s) : screen(std::make_unique<FrmSplash>(std::move(s))) {}
        ~Splash() {
            delete screen->instance();
            screen.reset();
        }
        std::unique_ptr<FrmSplash> screen;
    };

    QString key;
    Session session;
    QStringList statements;
    VersionServer server;
    std::vector<std::unique_ptr<Splash>> splashes;
    QStringList updaterPaths;
    int mainShown = 0;
};

struct VersionCase {
    const char* name;
    std::optional<QByteArray> local;
    QByteArray remote;
    bool update;
};

TEST_F(StartupTest, VersionCheckStartsTheUpdaterOnlyForANewerBuildOrNoLocalVersion) {
    const VersionCase cases[] = {
        {"older local", QByteArray("1.05"), "1.1", true},
        {"equal", QByteArray("1.1"), "1.1\r\n", false},
        {"no local file", std::nullopt, "0.9", true},
        {"empty remote", QByteArray("1.1"), "", false},
        {"first item only", QByteArray("1.2,build 7\r\n"), "1.15", false},
        {"newer local", QByteArray("2.0"), "1.9", false},
    };
    writeUpdater();
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(folder.file("Panel_Orvel_version.txt"));
        QFile::remove(folder.file("updater-ran"));
        if (c.local) writeLocalVersion(*c.local);
        server.setBody(c.remote);
        exits.codes.clear();
        updaterPaths.clear();
        splashes.clear();

        FrmSplash& s = splash(server.baseUrl());
        const bool loaded = s.Form_Load();
        EXPECT_EQ(server.paths.last(), "/Orvel/Panel_Orvel_version.txt");
        if (c.update) {
            EXPECT_FALSE(loaded);
            EXPECT_EQ(updaterPaths, QStringList{QDir(folder.path()).filePath("update")});
            EXPECT_EQ(updaterOutput(5000), "0") << "the updater ran, with no arguments";
            EXPECT_EQ(exits.codes, QList<int>{0});
            EXPECT_FALSE(s.Timer1->isActive());
        } else {
            EXPECT_TRUE(loaded);
            EXPECT_TRUE(updaterPaths.isEmpty());
            EXPECT_FALSE(exits.ended());
            EXPECT_TRUE(s.Timer1->isActive());
            EXPECT_EQ(s.Timer1->interval(), 1000);
        }
    }
    EXPECT_TRUE(QFile::exists(folder.file("conf.ini"))) << "configuration written and read first";
}

TEST_F(StartupTest, UnreachableServerOrMissingUpdaterShowsTheErrorBoxAndEnds) {
    struct Case {
        const char* name;
        bool deadServer;
        bool notFound;
    } const cases[] = {{"server down", true, false},
                       {"version file missing", false, true},
                       {"updater missing", false, false}};
    writeLocalVersion("1.0");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        splashes.clear();
        exits.codes.clear();
        server.setBody(c.notFound ? std::nullopt : std::optional<QByteArray>("2.0"));
        script.press("OK");
        const qsizetype before = script.shown().size();
        FrmSplash& s = splash(c.deadServer ? gfDEAD_URL() : server.baseUrl());
        EXPECT_FALSE(s.Form_Load());
        ASSERT_EQ(script.shown().size(), before + 1);
        const uitest::Shown& box = script.shown().last();
        EXPECT_EQ(box.title, "에러");
        EXPECT_EQ(box.text, kServerDown);
        EXPECT_EQ(box.icon, UserInterface::Icon::Critical);
        EXPECT_EQ(exits.codes, QList<int>{1});
        EXPECT_FALSE(s.Timer1->isActive());
    }
}

TEST_F(StartupTest, NoUpdateServerSkipsTheCheckAndSaysSoInTheErrorLog) {
    FrmSplash& s = splash("");
    EXPECT_TRUE(s.Form_Load());
    EXPECT_FALSE(exits.ended());
    EXPECT_TRUE(server.paths.isEmpty());
    QFile log(ErrorLog::filePath(TerminalClock::now()));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        QString::fromUtf8(log.readAll()).contains("ERR LOCATION : FrmSplash / no update server"));
}

TEST_F(StartupTest, OneSecondAfterLoadConnectsSetsTheClockAndShowsTheMainScreen) {
    FrmSplash& s = splash("");
    QSignalSpy unloaded(&s, &FrmSplash::unloaded);
    s.show();
    ASSERT_TRUE(s.Form_Load());
    EXPECT_EQ(s.Label1->text(), "시스템을 시작합니다. 잠시 기다려 주십시요.");
    EXPECT_EQ(mainShown, 0) << "nothing before the timer";
    QTRY_COMPARE_WITH_TIMEOUT(mainShown, 1, 3000);
    EXPECT_EQ(s.Label1->text(), "DataBase에 연결중입니다. 잠시 기다려 주십시요.");
    EXPECT_FALSE(s.Timer1->isActive()) << "the timer fires once";
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(unloaded.size(), 1);
    EXPECT_TRUE(session.isOpen());
    EXPECT_TRUE(statements.contains(kClockSql)) << statements.join("|").toStdString();
    const QDateTime server(QDate(2031, 5, 6), QTime(7, 8, 9));
    EXPECT_LT(std::abs(TerminalClock::now().secsTo(server)), 5)
        << "refused by the platform: kept as the terminal's offset";
    EXPECT_FALSE(gvRS().isOpen());
}

TEST_F(StartupTest, DatabaseDownShowsTwoBoxesAndEndsWithoutTheMainScreen) {
    useDatabase(false, true);
    script.press("OK").press("OK");
    FrmSplash& s = splash("");
    ASSERT_TRUE(s.Form_Load());
    s.Timer1_Timer();
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.shown()[0].text,
              "데이타베이스를 OPEN 할수 없습니다.\nCAUSE - server does not exist");
    EXPECT_EQ(script.shown()[0].icon, UserInterface::Icon::Warning);
    EXPECT_EQ(script.shown()[1].title, "에러");
    EXPECT_EQ(script.shown()[1].text, kServerDown);
    EXPECT_EQ(exits.codes, QList<int>{1});
    EXPECT_EQ(mainShown, 0);
}

TEST_F(StartupTest, AFailedClockQueryIsLoggedAndStartUpGoesOn) {
    useDatabase(true, false);
    const qint64 before = TerminalClock::offsetMs();
    script.press("OK");
    FrmSplash& s = splash("");
    ASSERT_TRUE(s.Form_Load());
    s.Timer1_Timer();
    EXPECT_EQ(script.texts(), QStringList{"Incorrect syntax near 'getdate'."});
    EXPECT_EQ(TerminalClock::offsetMs(), before) << "the clock stays as it was";
    EXPECT_EQ(mainShown, 1);
    EXPECT_FALSE(exits.ended());
}

TEST_F(StartupTest, ASecondInstanceIsRefusedAndWakesTheFirst) {
    FrmSplash& first = splash("");
    ASSERT_TRUE(first.Form_Load());
    QSignalSpy woken(first.instance(), &SingleInstance::activationRequested);
    script.press("OK");
    FrmSplash& second = splash("");
    EXPECT_FALSE(second.Form_Load());
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.shown()[0].title, "알림");
    EXPECT_EQ(script.shown()[0].text, "이미 실행중입니다.");
    EXPECT_EQ(script.shown()[0].icon, UserInterface::Icon::Information);
    EXPECT_EQ(exits.codes, QList<int>{0});
    EXPECT_FALSE(second.Timer1->isActive());
    EXPECT_TRUE(first.Timer1->isActive()) << "the running copy is untouched";
    EXPECT_TRUE(woken.wait(3000)) << "the running copy is asked to come to the front";

    splashes.front().reset();  // the first copy ends: its lock is freed
    FrmSplash& third = splash("");
    EXPECT_TRUE(third.Form_Load());
}

}  // namespace
