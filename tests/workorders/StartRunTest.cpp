#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "ListKit.h"
#include "production/frm_S_dayReport.h"
#include "screens/support/ScreenFixture.h"
#include "ui/Forms.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_jakupjisi_list.h"
#include "workorders/frm_S_starttime.h"

using namespace mes;
using namespace listkit;
using uitest::DialogHandle;

namespace {

class StartRun : public screentest::ScreenFixture {
  protected:
    static QString key(int day) { return kNow.date().addDays(day).toString("yyyyMMdd"); }
    // A not-started order of the given date, machine and quantity.
    void addOrder(const QString& seq, int day, const QString& equipment, int qty) {
        exec(
            "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, jisi_date, juya_gubun, customer_code, "
            "process_code, equipment_code, product_code, order_qty, qty, bad_qty, employee_su, "
            "employee_no, end_yn, chulha_yn) VALUES ('" +
            seq.left(11) + "', '" + seq + "', '" + ScreenFixture::day(day) +
            "', '1', 'C001', '1000', '" + equipment + "', 'FP-100', " + QString::number(qty) +
            ", 0, 0, 2, 'E001', '1', '0')");
    }
    frm_S_jakupjisi_list& list() {
        frm_S_jakupjisi_list::showScreen();
        return gfFORM<frm_S_jakupjisi_list>();
    }
    // Selects the order's row and presses btnStart.
    void start(const QString& seq) {
        frm_S_jakupjisi_list& l = list();
        const int r = rowOf(*l.spread, "지시순번", seq);
        ASSERT_GT(r, 0) << seq.toStdString();
        l.spread->SetFocus(3, r);
        l.btnStart->click();
    }
    QVariantList run(const QString& seq) {
        const QList<QVariantList> r = rows(
            "SELECT op_seq, op_seq_sub, sdate, stime, jisiqty, qty, bad_qty, last_time, "
            "jisi_date FROM P_SANGSAN_MASTER WHERE seq = '" +
            seq + "'");
        return r.size() == 1 ? r.first() : QVariantList{};
    }
    int runCount() { return value("SELECT count(*) FROM P_SANGSAN_MASTER").toInt(); }
    QString state(const QString& seq) {
        return value("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE seq = '" + seq + "'").toString();
    }
};

TEST_F(StartRun, RefusesRowsThatCannotStart) {
    struct Case {
        QString seq;  // "" an empty grid
        QString message;
    } cases[] = {
        {key(0) + "002001", "이미 진행중인 작업입니다."},
        {key(0) + "001001", "이미 완료된 작업입니다."},
        {{}, "작업지시가 없습니다."},
    };
    const int before = runCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        script.notice(c.message);
        if (c.seq.isEmpty()) {
            exec("DELETE FROM B_JAKUPJISI_MASTER");
            list().lsQuery();
            list().btnStart->click();
        } else {
            start(c.seq);
        }
        EXPECT_EQ(script.pending(), 0);
        EXPECT_EQ(runCount(), before);
        EXPECT_FALSE(gfFORM_LOADED<frm_S_dayReport>());
    }
}

TEST_F(StartRun, KeysCountPerWorkOrderDateAcrossOrdersAndMachines) {
    addOrder(key(1) + "002001", 1, "P-02", 150);
    addOrder(key(-7) + "009001", -7, "P-01", 10);
    struct Case {
        QString seq;
        QString opSeq;
    } cases[] = {
        {key(1) + "001001", key(1) + "001"},    // first run of that date
        {key(1) + "002001", key(1) + "002"},    // another order and machine
        {key(-7) + "009001", key(-7) + "002"},  // a week old: its own date, after the run there
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seq.toStdString());
        start(c.seq);
        const QVariantList r = run(c.seq);
        ASSERT_EQ(r.size(), 9);
        EXPECT_EQ(r[0].toString(), c.opSeq);
        EXPECT_EQ(r[1].toString(), c.opSeq + "001");
        EXPECT_EQ(r[2].toString(), day(0)) << "started today";
        EXPECT_EQ(r[3].toString(), "09:00");
        EXPECT_EQ(r[7].toString(), "090000");
        EXPECT_EQ(r[8].toString(),
                  value("SELECT jisi_date FROM B_JAKUPJISI_MASTER WHERE seq = '" + c.seq + "'")
                      .toString());
        EXPECT_EQ(state(c.seq), "2");
        gsUNLOAD<frm_S_dayReport>();
    }
    // Quantities as text, as the statement wrote them.
    EXPECT_EQ(rows("SELECT typeof(jisiqty), jisiqty, qty, bad_qty FROM P_SANGSAN_MASTER WHERE "
                   "seq = '" +
                   key(1) + "002001'")
                  .value(0),
              (QVariantList{"integer", 150, 0, 0}));
}

TEST_F(StartRun, HandsTheNewRunToTheProductionScreen) {
    const QString seq = key(0) + "004001";
    start(seq);
    ASSERT_TRUE(gfFORM_LOADED<frm_S_dayReport>());
    frm_S_dayReport& day = gfFORM<frm_S_dayReport>();
    EXPECT_TRUE(day.isVisible());
    EXPECT_EQ(day.lvSerchSQL, "AND B_PR.process_code = '1000'");
    EXPECT_EQ(day.lvEquipment_code, "P-02");
    EXPECT_EQ(day.lblseq->text(), seq);
    EXPECT_EQ(day.lblOp_seq_sub->text(), run(seq).value(1).toString());
    EXPECT_EQ(day.lblProcess_code->text(), "1000");
}

TEST_F(StartRun, ARejectedInsertLeavesTheOrderNotStarted) {
    exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON P_SANGSAN_MASTER BEGIN "
        "SELECT RAISE(ABORT, 'disk full'); END");
    const QString seq = key(0) + "003001";
    const int before = runCount();
    script.ok();  // the error log's box with the driver's text
    script.then([](DialogHandle& d) {
        EXPECT_EQ(d.title(), "오류");
        EXPECT_EQ(d.text(), "저장실패");
        EXPECT_EQ(d.icon(), UserInterface::Icon::Critical);
        d.press("OK");
    });
    start(seq);
    EXPECT_EQ(script.pending(), 0);
    EXPECT_TRUE(script.shown()[0].text.contains("disk full"));
    EXPECT_EQ(state(seq), "1");
    EXPECT_EQ(runCount(), before);
    EXPECT_FALSE(gfFORM_LOADED<frm_S_dayReport>());
}

class StartTime : public screentest::ScreenFixture {};

TEST_F(StartTime, DigitsFormTheTimeAndTheCheckHandsItBack) {
    struct Case {
        QString keys;  // digits, "<" back-space
        QString shown;
        bool accepted;
    } cases[] = {
        {"2359", "23:59", true}, {"235959", "23:59", true}, {"123<", "12", true},
        {"12<3", "13", true},    {"2400", "24:00", false},  {"1275", "12:75", false},
    };
    frm_S_dayReport& day = gfFORM<frm_S_dayReport>();
    QLabel* stTime = static_cast<QLabel*>(day.lblStTime);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys.toStdString());
        QString shown;
        script.on("frm_S_starttime", [&](DialogHandle& d) {
            for (QChar k : c.keys)
                d.press(k == u'<' ? QString("cmdBackSpace") : "cmdNum_" + QString(k));
            shown = d.as<frm_S_starttime>().lblStarttime->text();
            d.press("cmdSave");
        });
        if (!c.accepted) script.ok("시작시간이 잘못 입력되었습니다.");
        bool handed = false;
        const QString back = frm_S_starttime::gsOPEN(&handed);
        EXPECT_EQ(script.pending(), 0);
        EXPECT_EQ(shown, c.shown);
        EXPECT_TRUE(handed);
        EXPECT_EQ(back, c.accepted ? c.shown : "");
        EXPECT_EQ(stTime->text(), back);
        if (!c.accepted) EXPECT_EQ(script.shown().last().title, "입력오류");
    }
    script.on("frm_S_starttime", [](DialogHandle& d) {
        d.press("cmdNum_1");
        d.press("Command14");
    });
    bool handed = true;
    frm_S_starttime::gsOPEN(&handed);
    EXPECT_FALSE(handed);
    EXPECT_EQ(stTime->text(), "") << "cancel leaves the production screen as it was";
}

}  // namespace
