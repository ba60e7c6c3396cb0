#include <QSet>

#include "TerminalLoad.h"
#include "screens/support/ScreenFixture.h"
#include "workorders/WorkRunStart.h"

using namespace mes;

namespace {

// Separate terminal processes registering orders and starting runs for one date
// at the same moment, on this test's demo plant.
class Terminals : public screentest::ScreenFixture {};

TEST_F(Terminals, WritingAtOnceStoreEveryOrderAndRunOnceUnderConsecutiveKeys) {
    mesload::LoadPlan plan;
    plan.program = QStringLiteral(MES_TERMINAL_LOAD);
    plan.database = dbPath;
    plan.terminals = 4;
    plan.orders = 8;
    const int total = plan.terminals * plan.orders;
    mesload::LoadFigures f;
    QString error;
    ASSERT_TRUE(mesload::TerminalLoad::drive(plan, &f, &error)) << error.toStdString();
    EXPECT_EQ(f.failed, 0);
    EXPECT_EQ(f.registered, total);
    EXPECT_EQ(f.started, total);

    const QString where = "WHERE jisi_date = '" + plan.date + "'";
    const QString d = QString(plan.date).remove('-');
    const QList<QVariantList> orders = rows(
        "SELECT prod_no, seq, end_yn, user_id FROM B_JAKUPJISI_MASTER " + where + " ORDER BY seq");
    const QList<QVariantList> runs =
        rows("SELECT op_seq, op_seq_sub, seq FROM P_SANGSAN_MASTER " + where + " ORDER BY op_seq");
    ASSERT_EQ(orders.size(), total);
    ASSERT_EQ(runs.size(), total);
    QSet<QString> orderSeqs;
    QSet<QString> runSeqs;
    QMap<QString, int> perTerminal;
    for (int i = 0; i < total; ++i) {
        const QString n = d + QString::number(i + 1).rightJustified(3, '0');
        SCOPED_TRACE(n.toStdString());
        EXPECT_EQ(orders[i][0].toString(), n);
        EXPECT_EQ(orders[i][1].toString(), n + "001");
        EXPECT_EQ(orders[i][2].toString(), "2");
        EXPECT_EQ(runs[i][0].toString(), n);
        EXPECT_EQ(runs[i][1].toString(), n + "001");
        orderSeqs.insert(orders[i][1].toString());
        runSeqs.insert(runs[i][2].toString());
        ++perTerminal[orders[i][3].toString()];
    }
    EXPECT_EQ(runSeqs, orderSeqs);  // one run per order
    for (int t = 0; t < plan.terminals; ++t)
        EXPECT_EQ(perTerminal.value(QStringLiteral("T%1").arg(t)), plan.orders) << t;
}

// Another terminal takes the number between this terminal's read and its insert:
// the number is read again, silently, a few times; then the failure is reported.
TEST_F(Terminals, AKeyTakenBetweenReadAndInsertIsReadAgainAFewTimes) {
    const QDate date(2027, 1, 15);
    const QString d = "20270115";
    struct Case {
        bool run;  // the start of a run, else a registration
        int taken;
        bool stored;
    } cases[] = {{true, 1, true},
                 {true, KeyedWrite::kAttempts, false},
                 {false, 2, true},
                 {false, KeyedWrite::kAttempts, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.run << " taken " << c.taken);
        exec("DELETE FROM P_SANGSAN_MASTER WHERE jisi_date = '2027-01-15'");
        exec("DELETE FROM B_JAKUPJISI_MASTER WHERE jisi_date = '2027-01-15' OR seq = 'ZZ001'");
        exec("INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, end_yn) VALUES ('ZZ', 'ZZ001', '1')");
        const QString read = c.run ? gfOP_SEQ_SQL(date) : gfPROD_NO_SQL(date);
        auto number = [&d](int n) { return d + QString::number(n).rightJustified(3, '0'); };
        int taken = 0;
        session.setTrace([&](const TraceEvent& e) {
            if (e.statement != read || taken == c.taken) return;
            const QString n = number(++taken);
            exec(QString(c.run ? "INSERT INTO P_SANGSAN_MASTER (op_seq, op_seq_sub, jisi_date)"
                               : "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, jisi_date)") +
                 " VALUES ('" + n + "', '" + n + "001', '2027-01-15')");
        });
        KeyedWrite::resetCollisions();
        if (!c.stored) script.ok();  // the error log's box
        bool ok = false;
        QString key;
        if (c.run) {
            RunValues r;
            r.prodNo = "ZZ";
            r.seq = "ZZ001";
            r.jisiDate = "2027-01-15";
            r.userId = "me";
            ok = gfSTART_WORK_RUN(&r, "test") == KeyedWrite::Outcome::Written;
            key = r.opSeq;
        } else {
            OrderValues o;
            o.jisiDate = "2027-01-15";
            o.userId = "me";
            ok = gfREGISTER_WORK_ORDER(o, "test", &key);
        }
        session.setTrace({});
        EXPECT_EQ(ok, c.stored);
        EXPECT_EQ(script.pending(), 0);
        EXPECT_EQ(KeyedWrite::collisions(), c.taken);
        const QString table = c.run ? "P_SANGSAN_MASTER" : "B_JAKUPJISI_MASTER";
        const QString column = c.run ? "op_seq" : "prod_no";
        const QList<QVariantList> mine =
            rows("SELECT " + column + " FROM " + table + " WHERE user_id = 'me'");
        ASSERT_EQ(mine.size(), c.stored ? 1 : 0);
        if (c.stored) EXPECT_EQ(mine[0][0].toString(), number(c.taken + 1));
        if (c.run)
            EXPECT_EQ(value("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE seq = 'ZZ001'"),
                      c.stored ? "2" : "1");
    }
}

}  // namespace
