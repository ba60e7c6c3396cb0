#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "engine/Database.h"
#include "foundation/AppPaths.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/ErrorLog.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "support/RecordingUI.h"
#include "support/TempFolder.h"

using namespace mes;

namespace {

const QDateTime kWhen(QDate(2026, 3, 5), QTime(14, 7, 9));

struct RecordCase {
    const char* name;
    DbError err;
    const char* message;
    const char* location;
    const char* expected;
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

class RecordShapeTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordShapeTest, ByteForByte) {
    const RecordCase& c = GetParam();
    EXPECT_EQ(ErrorLog::formatRecord(c.err, QString::fromUtf8(c.message),
                                     QString::fromUtf8(c.location), kWhen),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RecordShapeTest,
    ::testing::Values(
        RecordCase{"ErrorAndLocation", DbError{-2147217900, "Invalid object name 'X'."},
                   "Invalid object name 'X'.", "작업지시목록",
                   "[2026년03월05일 14시07분09초]\r\n"
                   "ERR NO(-2147217900) : Invalid object name 'X'.     \r\n"
                   "ERR LOCATION : 작업지시목록 / Invalid object name 'X'.\r\n\r\n\r\n"},
        RecordCase{"ErrorOnly", DbError{5, "boom"}, "boom", "  ",
                   "[2026년03월05일 14시07분09초]\r\nERR NO(5) : boom     \r\n"},
        RecordCase{"LocationOnly", DbError{}, "", "frm_S_Jakup",
                   "ERR LOCATION : frm_S_Jakup / \r\n\r\n\r\n"},
        RecordCase{"Neither", DbError{}, "", "", "\r\n"},
        RecordCase{"LineBreaksKept", DbError{7, "line one\r\nline two"}, "m", "L",
                   "[2026년03월05일 14시07분09초]\r\nERR NO(7) : line one\r\nline two     \r\n"
                   "ERR LOCATION : L / m\r\n\r\n\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

class ErrorLogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        engine::Database().open(folder.file("t.db"));  // an empty database file
        session.setEngineFactory(
            [p = folder.file("t.db")] { return std::make_unique<EmbeddedEngine>(p); });
        gsSET_SESSION(&session);
    }
    void TearDown() override {
        gsSET_SESSION(nullptr);
        TerminalClock::reset();
    }
    QByteArray logFile(const char* yyyymm) const { return folder.read(QString(yyyymm) + ".err"); }

    testsupport::TempFolder folder;
    testsupport::RecordingUI ui;
    Session session;
};

TEST_F(ErrorLogTest, AppendsToTheMonthFileAndShowsTheMessage) {
    ASSERT_TRUE(session.connect());
    TerminalClock::setFixed(kWhen);
    gsERR_LOG(DbError{3, "first"}, "first", "작업지시목록");
    gsERR_LOG(DbError{}, "", "");
    const QByteArray text = logFile("202603");
    EXPECT_EQ(text, QString("[2026년03월05일 14시07분09초]\r\nERR NO(3) : first     \r\n"
                            "ERR LOCATION : 작업지시목록 / first\r\n\r\n\r\n\r\n")
                        .toUtf8());
    ASSERT_EQ(ui.shown.size(), 1) << "an empty message shows nothing";
    EXPECT_EQ(ui.shown[0].text, "first");
    EXPECT_EQ(ui.shown[0].icon, UserInterface::Icon::None);
}

TEST_F(ErrorLogTest, FirstDayOfAMonthGoesToTheNewMonthsFile) {
    ASSERT_TRUE(session.connect());
    TerminalClock::setFixed(QDateTime(QDate(2026, 3, 31), QTime(23, 59, 59)));
    gsERR_LOG(DbError{1, "march"}, "", "A");
    TerminalClock::setFixed(QDateTime(QDate(2026, 4, 1), QTime(0, 0, 1)));
    gsERR_LOG(DbError{2, "april"}, "", "B");
    EXPECT_TRUE(logFile("202603").contains("march"));
    EXPECT_FALSE(logFile("202603").contains("april"));
    EXPECT_TRUE(logFile("202604").startsWith("[2026년04월01일 00시00분01초]"));
}

TEST_F(ErrorLogTest, ClosesTheRecordSet) {
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(gfDB_QUERY("select 1 as a", false, ""));
    ASSERT_TRUE(gvRS().isOpen());
    gsERR_LOG(DbError{}, "", "");
    EXPECT_FALSE(gvRS().isOpen());
}

TEST_F(ErrorLogTest, ClosedSessionAsksToReconnectBeforeTheMessage) {
    // Never connected: the Session is closed.
    ui.answers = {true};
    gsERR_LOG(DbError{9, "lost"}, "lost", "X");
    ASSERT_EQ(ui.shown.size(), 3);
    EXPECT_EQ(ui.shown[0].text, "데이터베이스와의 접속이 끊여졌습니다.\n재시도 하시겠습니까?");
    EXPECT_EQ(ui.shown[0].icon, UserInterface::Icon::Question);
    EXPECT_EQ(ui.shown[1].text, "접속되었습니다.");
    EXPECT_EQ(ui.shown[1].icon, UserInterface::Icon::Information);
    EXPECT_EQ(ui.shown[2].text, "lost");
    EXPECT_TRUE(session.isOpen());
}

TEST_F(ErrorLogTest, ReconnectRefusedOrFailingMakesOneAttemptAtMost) {
    ui.answers = {false};
    gsERR_LOG(DbError{}, "", "");
    ASSERT_EQ(ui.shown.size(), 1) << "Cancel: nothing more";
    EXPECT_FALSE(session.isOpen());

    ui.shown.clear();
    session.setEngineFactory(
        [p = folder.file("no/such/dir/t.db")] { return std::make_unique<EmbeddedEngine>(p); });
    ui.answers = {true};
    gsERR_LOG(DbError{}, "", "");
    ASSERT_EQ(ui.shown.size(), 3);
    EXPECT_TRUE(ui.shown[1].text.startsWith("데이타베이스를 OPEN 할수 없습니다.\nCAUSE - "));
    EXPECT_EQ(ui.shown[1].icon, UserInterface::Icon::Warning);
    EXPECT_EQ(ui.shown[2].text, "접속실패!!! 전산실에 문의하여 주십시요...");
}

TEST_F(ErrorLogTest, UnwritableFolderFailsSilently) {
    ASSERT_TRUE(session.connect());
    mes::AppPaths::setConfigDir(folder.file("missing/dir"));
    gsERR_LOG(DbError{1, "x"}, "", "L");
    EXPECT_FALSE(QDir(folder.file("missing")).exists());
    mes::AppPaths::setConfigDir(folder.path());
}

}  // namespace
