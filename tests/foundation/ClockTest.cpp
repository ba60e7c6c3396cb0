#include <gtest/gtest.h>

#include "foundation/TerminalClock.h"

using namespace mes;

namespace {

bool refuse(const QDateTime&) { return false; }
QDateTime g_setTo;
bool accept(const QDateTime& t) {
    g_setTo = t;
    return true;
}

class ClockTest : public ::testing::Test {
  protected:
    void TearDown() override { TerminalClock::reset(); }
};

TEST_F(ClockTest, RefusedPlatformCallKeepsTheServerOffset) {
    TerminalClock::setSystemClockSetter(&refuse);
    const QDateTime server = QDateTime::currentDateTime().addSecs(3 * 3600);
    ASSERT_TRUE(
        TerminalClock::setFromServer(server.toString("yyyy-MM-dd"), server.toString("HH:mm:ss")));
    EXPECT_NEAR(TerminalClock::now().secsTo(server), 0, 2);
    EXPECT_EQ(TerminalClock::date(), TerminalClock::now().toString("yyyy-MM-dd"));
}

TEST_F(ClockTest, AcceptedPlatformCallLeavesNoOffset) {
    TerminalClock::setSystemClockSetter(&accept);
    const QDateTime server = QDateTime::currentDateTime().addDays(-2);
    ASSERT_TRUE(
        TerminalClock::setFromServer(server.toString("yyyy-MM-dd"), server.toString("HH:mm:ss")));
    EXPECT_EQ(g_setTo.toString("yyyy-MM-dd HH:mm:ss"), server.toString("yyyy-MM-dd HH:mm:ss"));
    EXPECT_EQ(TerminalClock::offsetMs(), 0);
}

TEST_F(ClockTest, BadServerTextChangesNothing) {
    TerminalClock::setSystemClockSetter(&refuse);
    EXPECT_FALSE(TerminalClock::setFromServer("2026-13-45", "25:00:00"));
    EXPECT_FALSE(TerminalClock::setFromServer("", ""));
    EXPECT_EQ(TerminalClock::offsetMs(), 0);
}

TEST_F(ClockTest, FixedClockFormats) {
    TerminalClock::setFixed(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    EXPECT_EQ(TerminalClock::date(), "2026-01-02");
    EXPECT_EQ(TerminalClock::time(), "03:04:05");
    EXPECT_EQ(TerminalClock::hhmm(), "03:04");
    EXPECT_EQ(TerminalClock::hhmmss(), "030405");
}

}  // namespace
