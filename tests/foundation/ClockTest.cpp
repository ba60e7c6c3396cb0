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
    // Noon three days ahead: the terminal's date and time are the server's, not the PC's.
    TerminalClock::setSystemClockSetter(&refuse);
    const QDate serverDate = QDate::currentDate().addDays(3);
    ASSERT_TRUE(TerminalClock::setFromServer(serverDate.toString("yyyy-MM-dd"), "12:00:00"));
    EXPECT_EQ(TerminalClock::date(), serverDate.toString("yyyy-MM-dd"));
    EXPECT_EQ(TerminalClock::hhmm(), "12:00");
    EXPECT_NE(TerminalClock::offsetMs(), 0);
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
