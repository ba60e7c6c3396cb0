#include <QPushButton>

#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"
#include "production/frm_S_dayReport.h"
#include "screens/support/ScreenFixture.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "workorders/frm_S_jakupjisi_list.h"

using namespace mes;

namespace {

class Routes : public screentest::ScreenFixture {};

// What the program registers: a bar that says nothing of its own reaches these.
TEST_F(Routes, ABarWithoutActionsOfItsOwnShowsTheRegisteredScreens) {
    NavigationBar bar;
    bar.btnDayReport->click();
    ASSERT_TRUE(gfFORM_LOADED<frm_S_dayReport>());
    EXPECT_TRUE(gfFORM<frm_S_dayReport>().isVisible());
    bar.btnJakupJisi->click();
    ASSERT_TRUE(gfFORM_LOADED<frm_S_jakupjisi_list>());
    EXPECT_TRUE(gfFORM<frm_S_jakupjisi_list>().isVisible());
    EXPECT_TRUE(gfFORM<frm_S_dayReport>().isVisible()) << "the other screen stays";
}

TEST_F(Routes, AScreensOwnActionReplacesTheDefaultOnItsBarOnly) {
    NavigationBar own;
    NavigationBar other;
    QStringList ran;
    own.setAction("btnJakupJisi", [&ran] { ran << "own"; });
    own.setAction("btnDayReport", {});
    own.btnJakupJisi->click();
    own.btnDayReport->click();
    EXPECT_EQ(ran, QStringList{"own"});
    EXPECT_FALSE(gfFORM_LOADED<frm_S_jakupjisi_list>()) << "the default did not run";
    EXPECT_FALSE(gfFORM_LOADED<frm_S_dayReport>()) << "an empty action does nothing";
    other.btnDayReport->click();
    EXPECT_TRUE(gfFORM_LOADED<frm_S_dayReport>());
    EXPECT_EQ(ran, QStringList{"own"});
}

TEST_F(Routes, TheTerminalStandsAtTheDemoPressOnTheFixedClock) {
    EXPECT_EQ(TerminalClock::now(), kNow);
    EXPECT_EQ(gfGET_IP(), kTerminalIp);
    const QString sql =
        "SELECT equipment_code FROM B_EQUIPMENT WHERE ipaddress = '" + gfSQ(gfGET_IP()) + "'";
    EXPECT_EQ(gfDB_VALUE(sql, "test").toString(), "P-01") << "through the terminal's Session";
    EXPECT_EQ(value(sql).toString(), "P-01") << "read back with plain SQLite";
}

}  // namespace
