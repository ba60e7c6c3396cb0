#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ProductionFixture.h"
#include "foundation/TerminalClock.h"
#include "production/frm_S_dayReport.h"
#include "ui/NavigationBar.h"

using namespace mes;

namespace {

class StopRun : public ProductionFixture {
  protected:
    static QColor shape(const frm_S_dayReport& s) {
        return s.Shape[0]->palette().color(QPalette::Window);
    }
    static void expectStopped(const frm_S_dayReport& s, bool stopped) {
        EXPECT_EQ(s.btnBigadong_s->isEnabled(), !stopped);
        EXPECT_EQ(s.btnBigadong_e->isEnabled(), stopped);
    }
    QVariant flag() {
        return value("SELECT bigadong FROM REAL_TIME WHERE equipment_code = 'P-01'");
    }
    // Timed stops of the run: start, end and minutes.
    QList<QVariantList> stops() {
        return rows("SELECT sdate, stime, edate, etime, min FROM P_BIGADONG WHERE op_seq_sub = '" +
                    kRun + "' AND bigadong_code = '' ORDER BY idx");
    }
    void addOpenStop(const QString& date, const QString& time) {
        exec(QString("INSERT INTO P_BIGADONG (op_seq, op_seq_sub, equipment_code, bigadong_code, "
                     "biga_date, sdate, stime) VALUES ('%1', '%2', 'P-01', '', '%3', '%3', '%4')")
                 .arg(kRun.left(11), kRun, date, time));
    }
};

TEST_F(StopRun, AStopAndARunAreRecordedAndShown) {
    int history = 0;
    NavigationBar::setTarget("btnBigadongList", [&history] { ++history; });
    frm_S_dayReport& s = open();
    expectStopped(s, false);
    EXPECT_EQ(shape(s), frm_S_dayReport::unknownColour());
    const int timedBefore = static_cast<int>(stops().size());
    s.btnBigadong_s->click();
    expectStopped(s, true);
    EXPECT_EQ(shape(s), frm_S_dayReport::stoppedColour());
    EXPECT_EQ(flag(), "TRUE");
    EXPECT_EQ(history, 1) << "the downtime history opens";
    EXPECT_EQ(
        rows("SELECT op_seq, equipment_code, biga_date, sdate, stime, last_date, last_time, "
             "user_id FROM P_BIGADONG WHERE op_seq_sub = '" +
             kRun +
             "' AND etime IS NULL AND "
             "bigadong_code = ''"),
        (QList<QVariantList>{{kRun.left(11), "P-01", day(), day(), "09:00", day(), "090000", ""}}));

    const QDateTime later = kNow.addSecs(25 * 60);
    TerminalClock::setFixed(later);
    setServerClock(later);
    s.btnBigadong_e->click();
    expectStopped(s, false);
    EXPECT_EQ(shape(s), frm_S_dayReport::runningColour());
    EXPECT_EQ(flag(), "FALSE");
    ASSERT_EQ(stops().size(), timedBefore + 1);
    EXPECT_EQ(stops().last(), (QVariantList{day(), "09:00", day(), "09:25", 25}));
    EXPECT_EQ(rows("SELECT bigadong_code, etime, min FROM P_BIGADONG WHERE op_seq_sub = '" + kRun +
                   "' AND bigadong_code <> '' ORDER BY bigadong_code"),
              (QList<QVariantList>{{"D01", QVariant(), 15}, {"D03", QVariant(), 10}}))
        << "downtime causes are no open stops";
}

TEST_F(StopRun, TheRunButtonClosesEveryOpenStopOfTheRun) {
    struct Case {
        const char* name;
        QList<std::pair<QString, QString>> open;  // start date and time
        QDateTime now;
        QList<int> minutes;
        bool closedBehind;  // another terminal closed them after the load
    };
    const QDateTime nextDay(kNow.date().addDays(1), QTime(0, 20));
    const Case cases[] = {
        {"two at once", {{day(), "08:10"}, {day(), "08:40"}}, kNow, {50, 20}, false},
        {"across midnight", {{day(), "23:50"}}, nextDay, {30}, false},
        {"none left open", {{day(), "08:30"}}, kNow, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        exec("DELETE FROM P_BIGADONG WHERE bigadong_code = ''");
        exec("UPDATE REAL_TIME SET bigadong = 'TRUE' WHERE equipment_code = 'P-01'");
        for (const auto& [date, time] : c.open) addOpenStop(date, time);
        frm_S_dayReport& s = open();
        expectStopped(s, true);
        EXPECT_EQ(shape(s), frm_S_dayReport::stoppedColour()) << "reopened on an open stop";
        if (c.closedBehind) exec("DELETE FROM P_BIGADONG WHERE bigadong_code = ''");
        TerminalClock::setFixed(c.now);
        setServerClock(c.now);
        s.btnBigadong_e->click();
        expectStopped(s, false);
        EXPECT_EQ(shape(s), frm_S_dayReport::runningColour());
        EXPECT_EQ(flag(), "FALSE");
        const QList<QVariantList> closed = stops();
        ASSERT_EQ(closed.size(), c.minutes.size());
        for (int i = 0; i < closed.size(); ++i) {
            EXPECT_EQ(closed[i][2], c.now.date().toString("yyyy-MM-dd"));
            EXPECT_EQ(closed[i][3], c.now.toString("HH:mm"));
            EXPECT_EQ(closed[i][4], c.minutes[i]);
        }
        TerminalClock::setFixed(kNow);
    }
}

TEST_F(StopRun, AMachineWithoutLiveStatusStillRecordsItsStops) {
    exec("DELETE FROM REAL_TIME WHERE equipment_code = 'P-01'");
    frm_S_dayReport& s = open();
    const int before = static_cast<int>(stops().size());
    s.btnBigadong_s->click();  // no history registered: nothing opens
    setServerClock(kNow.addSecs(600));
    s.btnBigadong_e->click();
    ASSERT_EQ(stops().size(), before + 1);
    EXPECT_EQ(stops().last()[4], 10);
    expectStopped(s, false);
    EXPECT_EQ(value("SELECT count(*) FROM REAL_TIME WHERE equipment_code = 'P-01'"), 0);
}

TEST_F(StopRun, AFailedStatusUpdateSaysSoAndKeepsTheStop) {
    exec("CREATE TRIGGER refuse BEFORE UPDATE ON REAL_TIME BEGIN SELECT RAISE(ABORT, 'no'); END");
    frm_S_dayReport& s = open();
    const int before = static_cast<int>(stops().size());
    script.ok();  // the driver's message
    script.notice("저장 실패");
    s.btnBigadong_s->click();
    EXPECT_EQ(stops().size(), before + 1);
    expectStopped(s, true);
}

TEST_F(StopRun, NoRunShownNoStop) {
    frm_S_dayReport& s = open("none");
    const QVariant before = value("SELECT count(*) FROM P_BIGADONG");
    s.btnBigadong_s->click();
    EXPECT_EQ(value("SELECT count(*) FROM P_BIGADONG"), before);
    expectStopped(s, false);
}

}  // namespace
