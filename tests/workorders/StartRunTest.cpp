#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <functional>

#include "ListKit.h"
#include "foundation/EmbeddedEngine.h"
#include "production/frm_S_dayReport.h"
#include "screens/support/ScreenFixture.h"
#include "ui/Forms.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"
#include "workorders/WorkRunStart.h"
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

// The commit happens, but its answer is lost once: the terminal sees a failure.
class LostAnswerEngine : public EmbeddedEngine {
  public:
    LostAnswerEngine(const QString& path, bool* lose) : EmbeddedEngine(path), lose_(lose) {}
    bool commit(DbError* err) override {
        const bool ok = EmbeddedEngine::commit(err);
        if (!ok || !*lose_) return ok;
        *lose_ = false;
        *err = DbError{DbError::kConnectionLost, "Communication link failure"};
        return false;
    }

  private:
    bool* lose_;
};

TEST_F(StartRun, StartingAnOrderTwiceInAnyWayLeavesOneRun) {
    bool lose = false;
    Session other;
    other.setEngineFactory([p = dbPath] { return std::make_unique<EmbeddedEngine>(p); });
    struct Case {
        const char* name;
        QString seq;
        // What happens after the row was selected on the loaded list, before the
        // operator presses 작업시작 (again) on the same row.
        std::function<void(frm_S_jakupjisi_list&)> before;
    } cases[] = {
        {"pressed twice", key(0) + "011001", [](frm_S_jakupjisi_list& l) { l.btnStart->click(); }},
        {"started first by another terminal on a stale list", key(0) + "012001",
         [&](frm_S_jakupjisi_list&) {
             RunValues r;
             r.prodNo = key(0) + "012";
             r.seq = key(0) + "012001";
             r.jisiDate = day(0);
             r.orderQty = 12000;
             gsSET_SESSION(&other);
             ASSERT_TRUE(other.connect());
             EXPECT_EQ(gfSTART_WORK_RUN(&r, "other"), KeyedWrite::Outcome::Written);
             gsSET_SESSION(&session);
         }},
        {"the commit's answer lost", key(0) + "013001",
         [&](frm_S_jakupjisi_list& l) {
             session.setEngineFactory(
                 [p = dbPath, &lose] { return std::make_unique<LostAnswerEngine>(p, &lose); });
             ASSERT_TRUE(session.connect());
             lose = true;
             script.ok("Communication link failure").ok("저장실패");
             l.btnStart->click();
             EXPECT_EQ(script.pending(), 0);
             EXPECT_FALSE(gfFORM_LOADED<frm_S_dayReport>());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        addOrder(c.seq, 0, "P-02", 12000);
        frm_S_jakupjisi_list& l = list();
        l.spread->SetFocus(3, rowOf(*l.spread, "지시순번", c.seq));
        c.before(l);
        script.notice("이미 진행중인 작업입니다.");
        l.btnStart->click();
        EXPECT_EQ(script.pending(), 0);
        EXPECT_EQ(
            value("SELECT count(*) FROM P_SANGSAN_MASTER WHERE seq = '" + c.seq + "'").toInt(), 1);
        EXPECT_EQ(state(c.seq), "2");
        EXPECT_EQ(l.spread->TextWithColID("완료여부", rowOf(*l.spread, "지시순번", c.seq)),
                  "진행중")
            << "the list is reloaded";
        gsUNLOAD<frm_S_dayReport>();
    }
}

TEST_F(StartRun, RoundOrderQuantitiesAreWrittenInPlainDecimals) {
    const int quantities[] = {100000, 200000, 1000000};
    for (int i = 0; i < 3; ++i) {
        const QString seq = key(0) + QString::number(21 + i).rightJustified(3, '0') + "001";
        SCOPED_TRACE(quantities[i]);
        addOrder(seq, 0, "P-02", quantities[i]);
        start(seq);
        EXPECT_TRUE(gfFORM_LOADED<frm_S_dayReport>());
        EXPECT_EQ(rows("SELECT typeof(jisiqty), CAST(jisiqty AS TEXT) FROM P_SANGSAN_MASTER "
                       "WHERE seq = '" +
                       seq + "'"),
                  (QList<QVariantList>{{"integer", QString::number(quantities[i])}}));
        EXPECT_EQ(state(seq), "2");
        gsUNLOAD<frm_S_dayReport>();
    }
}

// The dialog opened by a touch on the production screen's start time of a run:
// it shows the run's fields, hands a good entry back, and keeps a refused or
// empty one open for correction without touching the run's start time.
TEST_F(StartRun, StartTimeIsHandedBackOnlyWhenItPassesTheCheck) {
    const QString seq = key(0) + "004001";
    start(seq);
    frm_S_dayReport& screen = gfFORM<frm_S_dayReport>();
    ASSERT_EQ(screen.lblStTime->text(), "09:00");
    const QString shift =
        value("SELECT juya_gubun FROM B_JAKUPJISI_MASTER WHERE seq = '" + seq + "'").toString() ==
                "0"
            ? "야간"
            : "주간";
    struct Case {
        QString keys;    // digits, "<" back-space, "!" cmdSave; what stays open is cancelled
        int refused;     // cmdSave presses refused
        QString handed;  // "" when nothing is handed back
    } cases[] = {
        {"2359!", 0, "23:59"}, {"235959!", 0, "23:59"}, {"123<!", 0, "12"},
        {"12<3!", 0, "13"},    {"2400!", 1, ""},        {"1275!0830!", 1, "08:30"},
        {"!", 1, ""},          {"!0715!", 1, "07:15"},
    };
    QString expected = screen.lblStTime->text();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys.toStdString());
        QStringList header;
        QStringList afterRefusal;
        script.on("frm_S_starttime", [&](DialogHandle& d) {
            frm_S_starttime& dlg = d.as<frm_S_starttime>();
            for (QLabel* l : {dlg.lblProduct_code, dlg.lblOp_seq_sub, dlg.lblProcess_code,
                              dlg.lblJakup_date, dlg.lblJuya})
                header << l->text();
            int refusals = 0;
            for (QChar k : c.keys) {
                if (k != u'!') {
                    d.press(k == u'<' ? QString("cmdBackSpace") : "cmdNum_" + QString(k));
                    continue;
                }
                const bool refuse = refusals < c.refused;
                d.press("cmdSave");
                if (refuse) afterRefusal << dlg.lblStarttime->text();
                refusals += refuse ? 1 : 0;
            }
            if (c.handed.isEmpty()) d.press("Command14");
        });
        for (int n = 0; n < c.refused; ++n) {
            script.then([](DialogHandle& d) {
                EXPECT_EQ(d.title(), "입력오류");
                EXPECT_EQ(d.text(), "시작시간이 잘못 입력되었습니다.");
                d.press("OK");
            });
        }
        QTest::mouseClick(screen.lblStTime, Qt::LeftButton);
        EXPECT_EQ(script.pending(), 0);
        EXPECT_EQ(header, (QStringList{screen.lblProduct_code->text(), screen.lblOp_seq_sub->text(),
                                       screen.lblWC_code->text(), day(0), shift}));
        EXPECT_EQ(header[1], run(seq).value(1).toString());
        EXPECT_EQ(afterRefusal, QStringList(c.refused, QString())) << "cleared for the correction";
        if (!c.handed.isEmpty()) expected = c.handed;
        EXPECT_EQ(screen.lblStTime->text(), expected);
    }
}

}  // namespace
