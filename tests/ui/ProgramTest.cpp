// The program itself, started as operators start it: offscreen, where every
// box is rejected at once and written to stderr.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

class ProgramTest : public ::testing::Test {
  protected:
    QProcess* start(const QStringList& args) {
        auto* p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LC_ALL", "C.UTF-8");
        env.insert("TMPDIR", temp.path());  // the instance lock of this test only
        env.insert("XDG_CONFIG_HOME", temp.filePath("config"));
        env.insert("XDG_DATA_HOME", temp.filePath("data"));
        p->setProcessEnvironment(env);
        // A copy of the program in the test's folder: conf.ini and the error
        // files go beside it, not into the build tree.
        const QString program = temp.filePath("mes-terminal");
        if (!QFile::exists(program)) QFile::copy(MES_TERMINAL, program);
        p->start(program, args);
        processes.emplace_back(p);
        return p;
    }
    void TearDown() override {
        for (auto& p : processes) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }
    QString emptyDatabase() {
        const QString path = temp.filePath("plant.db");
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_exec(db, "CREATE TABLE x (a INTEGER)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return path;
    }

    QTemporaryDir temp;
    std::vector<std::unique_ptr<QProcess>> processes;
};

TEST_F(ProgramTest, DatabaseThatCannotBeOpenedEndsTheStartWithTwoBoxes) {
    QProcess* p = start({"--database", temp.filePath("missing.db")});
    ASSERT_TRUE(p->waitForFinished(20000));
    EXPECT_EQ(p->exitCode(), 1);
    const QString err = QString::fromUtf8(p->readAllStandardError());
    const qsizetype open = err.indexOf("데이타베이스를 OPEN 할수 없습니다.");
    const qsizetype ended = err.indexOf("서버에 접속할 수 없습니다.");
    EXPECT_GE(open, 0) << err.toStdString();
    EXPECT_GT(ended, open) << err.toStdString();
    EXPECT_TRUE(QFile::exists(temp.filePath("conf.ini"))) << "configuration written first";
}

TEST_F(ProgramTest, DemoStartsWithoutAnyBoxAndStaysOnTheList) {
    QProcess* p = start({"--demo"});
    ASSERT_TRUE(p->waitForStarted(5000));
    // Load, one second of Timer1, connection, clock, list: then it keeps running.
    EXPECT_FALSE(p->waitForFinished(6000)) << p->readAllStandardError().toStdString();
    const QString err = QString::fromUtf8(p->readAllStandardError());
    EXPECT_FALSE(err.contains("modal dialog")) << err.toStdString();
    QDir dir(temp.path());
    const QStringList logs = dir.entryList({"*.err"});
    ASSERT_EQ(logs.size(), 1);
    QFile log(dir.filePath(logs.first()));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(text.contains("version check skipped")) << text.toStdString();
    EXPECT_FALSE(text.contains("ERR NO(")) << "connection and clock query without failure";
}

TEST_F(ProgramTest, ASecondStartIsRefusedWhileTheFirstRuns) {
    const QString db = emptyDatabase();
    QProcess* first = start({"--database", db});
    ASSERT_TRUE(first->waitForStarted(5000));
    // The lock is taken on load; give the first copy time to get there.
    QProcess* second = nullptr;
    for (int attempt = 0; attempt < 40; ++attempt) {
        QThread::msleep(250);
        if (QDir(temp.path()).entryList({"*.lock"}, QDir::Files | QDir::Hidden).size() == 1) {
            second = start({"--database", db});
            break;
        }
    }
    ASSERT_NE(second, nullptr) << "the first copy never took its lock";
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(second->readAllStandardError()).contains("이미 실행중입니다."));
    EXPECT_EQ(first->state(), QProcess::Running) << "the running copy is untouched";
}

}  // namespace
