#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTimerEvent>
#include <functional>

#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"
#include "production/frm_S_dayReport.h"
#include "reports/frm_S_Report_Sangsan.h"
#include "reports/frm_S_Report_badqty.h"
#include "reports/frm_S_Report_bigadong.h"
#include "screens/support/ScreenFixture.h"
#include "ui/ButtonStrip.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_jakupjisi_list.h"

using namespace mes;

namespace {

class Routes : public screentest::ScreenFixture {
  protected:
    frm_S_jakupjisi_list& list() {
        frm_S_jakupjisi_list::showScreen();
        return gfFORM<frm_S_jakupjisi_list>();
    }
    // The list narrowed to its first customer; returns the rows it showed before.
    int narrowToFirstCustomer(frm_S_jakupjisi_list& l) {
        const int all = l.spread->MaxRows();
        l.btnEquipment->button(0)->click();
        EXPECT_LT(l.spread->MaxRows(), all) << "the demo's first customer has fewer orders";
        EXPECT_FALSE(l.lvSerchSQL.isEmpty());
        return all;
    }
    // Rows of the list's grid in the order "지시순번" reads them.
    static QStringList seqs(const frm_S_jakupjisi_list& l) {
        QStringList out;
        for (int r = 1; r <= l.spread->MaxRows(); ++r)
            out << l.spread->TextWithColID("지시순번", r);
        return out;
    }
    // One tick of a timer as the event loop delivers it.
    static void tick(QTimer* timer) {
        QTimerEvent e(timer->timerId());
        QCoreApplication::sendEvent(timer, &e);
    }
    // The row of the list's grid whose "완료여부" reads state.
    static int rowInState(const frm_S_jakupjisi_list& l, const QString& state) {
        for (int r = 1; r <= l.spread->MaxRows(); ++r)
            if (l.spread->TextWithColID("완료여부", r) == state) return r;
        return 0;
    }
};

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

TEST_F(Routes, TheListHasOneDayReportButtonAndItChecksTheRow) {
    frm_S_jakupjisi_list& l = list();
    int captioned = 0;
    for (const QPushButton* b : l.findChildren<QPushButton*>())
        captioned += b->text() == "생산작업현황";
    EXPECT_EQ(captioned, 1);
    const int notStarted = rowInState(l, "미완료");
    const int running = rowInState(l, "진행중");
    ASSERT_TRUE(notStarted && running);

    l.spread->SetFocus(3, notStarted);
    script.notice("미완료인 품번은 작업시작을 눌러주세요.");
    l.navigation->btnDayReport->click();
    EXPECT_FALSE(gfFORM_LOADED<frm_S_dayReport>()) << "no empty production screen";

    l.spread->SetFocus(3, running);
    l.navigation->btnDayReport->click();
    ASSERT_TRUE(gfFORM_LOADED<frm_S_dayReport>());
    const QString seq = l.spread->TextWithColID("지시순번", running);
    EXPECT_EQ(
        gfFORM<frm_S_dayReport>().lblOp_seq_sub->text(),
        value("SELECT op_seq_sub FROM P_SANGSAN_MASTER WHERE seq = '" + seq + "'").toString());
}

TEST_F(Routes, TheListsOwnTabChangesNothing) {
    frm_S_jakupjisi_list& l = list();
    narrowToFirstCustomer(l);
    const QString filter = l.lvSerchSQL;
    const QString shown = l.lblWC_name->text();
    const QStringList rows = seqs(l);
    exec("UPDATE B_JAKUPJISI_MASTER SET order_qty = order_qty + 1");  // a reload would show it
    int statements = 0;
    session.setTrace([&statements](const TraceEvent&) { ++statements; });
    l.navigation->btnJakupJisi->click();
    session.setTrace({});
    EXPECT_EQ(statements, 0) << "the grid is not reloaded";
    EXPECT_TRUE(l.isVisible());
    EXPECT_EQ(l.lvSerchSQL, filter);
    EXPECT_EQ(l.lblWC_name->text(), shown);
    EXPECT_EQ(seqs(l), rows);
}

TEST_F(Routes, TheListFromAHistoryScreenShowsEveryOrderWithNoFilter) {
    const char* tabs[] = {"btnJakupList", "btnBadList", "btnBigadongList"};
    for (const char* tab : tabs) {
        SCOPED_TRACE(tab);
        frm_S_jakupjisi_list& l = list();
        const int all = narrowToFirstCustomer(l);
        l.navigation->press(tab);
        NavigationBar* bar =
            tab == QString("btnJakupList") ? gfFORM<frm_S_Report_Sangsan>().navigation
            : tab == QString("btnBadList") ? gfFORM<frm_S_Report_badqty>().navigation
                                           : gfFORM<frm_S_Report_bigadong>().navigation;
        bar->btnJakupJisi->click();
        EXPECT_TRUE(l.isVisible());
        EXPECT_EQ(l.lvSerchSQL, "");
        EXPECT_EQ(l.btnEquipment->selected(), -1);
        EXPECT_EQ(l.lblWC_name->text(), "작업 전체조회");
        EXPECT_EQ(l.spread->MaxRows(), all);
    }
}

// Which screen's clock runs: only the one in front, whichever way it came there.
TEST_F(Routes, OnlyTheScreenInFrontTicks) {
    frm_S_jakupjisi_list& l = list();
    l.spread->SetFocus(3, rowInState(l, "진행중"));
    l.navigation->btnDayReport->click();
    frm_S_dayReport& day = gfFORM<frm_S_dayReport>();
    ASSERT_TRUE(day.Timer2->isActive());
    day.navigation->btnJakupList->click();
    frm_S_Report_Sangsan& results = gfFORM<frm_S_Report_Sangsan>();
    results.navigation->btnBadList->click();
    frm_S_Report_badqty& bad = gfFORM<frm_S_Report_badqty>();
    bad.navigation->btnBigadongList->click();
    frm_S_Report_bigadong& stops = gfFORM<frm_S_Report_bigadong>();

    struct Clock {
        QWidget* screen;
        QTimer* timer;
        QLabel* time;
    } const clocks[] = {
        {&l, l.Timer1, l.lblTime},
        {&day, day.Timer1, day.lblTime},
        {&results, results.Timer1, results.lblTime},
        {&bad, bad.Timer1, bad.lblTime},
        {&stops, stops.Timer1, stops.lblTime},
    };
    // Each screen brought to the front by a tab of the one before it.
    const std::function<void()> toFront[] = {
        [&] { stops.navigation->btnJakupJisi->click(); },
        [&] {
            l.spread->SetFocus(3, rowInState(l, "진행중"));
            l.navigation->btnDayReport->click();
        },
        [&] { day.navigation->btnJakupList->click(); },
        [&] { results.navigation->btnBadList->click(); },
        [&] { bad.navigation->btnBigadongList->click(); },
    };
    int second = 0;
    for (size_t front = 0; front < std::size(clocks); ++front) {
        SCOPED_TRACE(clocks[front].screen->objectName().toStdString());
        toFront[front]();
        TerminalClock::setFixed(kNow.addSecs(++second));
        const QString now = TerminalClock::time();
        for (const Clock& c : clocks) {
            ASSERT_TRUE(c.timer->isActive());
            tick(c.timer);
            EXPECT_EQ(c.time->text() == now, c.screen == clocks[front].screen)
                << c.screen->objectName().toStdString();
        }
    }
    int statements = 0;
    session.setTrace([&statements](const TraceEvent&) { ++statements; });
    tick(day.Timer2);
    EXPECT_EQ(statements, 0) << "the covered production screen asks nothing";
    EXPECT_TRUE(day.Timer2->isActive()) << "its count mode stays";
    stops.hide();
    bad.hide();
    results.hide();
    tick(day.Timer2);
    EXPECT_EQ(statements, 1) << "in front again once the screens over it are gone";
    day.hide();
    tick(day.Timer2);
    EXPECT_EQ(statements, 1) << "hidden";
    session.setTrace({});
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
