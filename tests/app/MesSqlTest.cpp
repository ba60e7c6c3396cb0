// The mes-sql tool: batches split at GO lines, results as tab-separated text,
// affected-row counts, and a non-zero exit with the error text on failure.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QProcess>

#include "engine/PlantStatements.h"
#include "engine/Database.h"
#include "app/SqlScript.h"
#include "foundation/DemoPlant.h"
#include "support/TempFolder.h"

namespace {

TEST(SqlScript, SplitsAtLinesHoldingOnlyGo) {
    const QStringList batches = engine::splitBatches(
        QStringLiteral("select 1\nGO\r\n  go  \nselect 'GO'\nselect 2 -- GO\ngo\n\n"));
    ASSERT_EQ(batches.size(), 2);
    EXPECT_EQ(batches[0], QStringLiteral("select 1\n"));
    EXPECT_EQ(batches[1], QStringLiteral("select 'GO'\nselect 2 -- GO\n"));
    EXPECT_TRUE(engine::splitBatches(QStringLiteral("GO\n \n")).isEmpty());
}

TEST(SqlScript, FormatsResultsAndCounts) {
    engine::Outcome select;
    select.hasResult = true;
    select.result.columns = {QStringLiteral("a"), QString()};
    select.result.rows = {{QVariant(qlonglong(150)), QVariant()},
                          {QVariant(2.5), QVariant(QStringLiteral("x\ty"))}};
    EXPECT_EQ(engine::formatOutcome(select), QStringLiteral("a\t\n150\tNULL\n2.5\tx y\n"));
    engine::Outcome update;
    update.rowsAffected = 3;
    EXPECT_EQ(engine::formatOutcome(update), QStringLiteral("(3 rows affected)\n"));
    update.rowsAffected = 1;
    EXPECT_EQ(engine::formatOutcome(update), QStringLiteral("(1 row affected)\n"));
    EXPECT_EQ(engine::formatOutcome(engine::Outcome{}), QString());
}

struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};

ToolRun runTool(const QStringList& args, const QString& input) {
    QProcess p;
    p.start(QStringLiteral(MES_SQL_PATH), args);
    p.write(input.toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(MesSql, RunsBatchesFromStandardInputAndFile) {
    testsupport::TempFolder folder;
    const QString db = folder.file(QStringLiteral("plant.db"));
    QString error;
    ASSERT_TRUE(mes::gfCREATE_SCHEMA(db, &error)) << error.toStdString();
    const ToolRun r = runTool(
        {db},
        QStringLiteral(
            "INSERT INTO B_CUSTOMER (customer_code, customer_name) VALUES ('C01', '한빛')\n"
            "INSERT INTO B_CUSTOMER (customer_code, customer_name) VALUES ('C02', 'it''s')\nGO\n"
            "UPDATE B_CUSTOMER SET customer_name = customer_name + '!' WHERE customer_code LIKE "
            "'c%'\nGO\n"
            "SELECT customer_code AS [코드], customer_name FROM B_CUSTOMER ORDER BY "
            "customer_code\n"));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("(1 row affected)\n(1 row affected)\n(2 rows affected)\n"
                                    "코드\tcustomer_name\nC01\t한빛!\nC02\tit's!\n"));
    QFile script(folder.file(QStringLiteral("q.sql")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("SELECT COUNT(*) FROM B_CUSTOMER\n");
    script.close();
    EXPECT_EQ(runTool({db, script.fileName()}, QString()).out, QStringLiteral("\n2\n"));
}

TEST(MesSql, FailsWithTheErrorTextAndKeepsEarlierBatches) {
    testsupport::TempFolder folder;
    const QString db = folder.file(QStringLiteral("plant.db"));
    QString error;
    ASSERT_TRUE(mes::gfCREATE_SCHEMA(db, &error)) << error.toStdString();
    const ToolRun r =
        runTool({db}, QStringLiteral("INSERT INTO B_CUSTOMER (customer_code) VALUES ('C01')\nGO\n"
                                     "INSERT INTO B_CUSTOMER (customer_code) VALUES ('C02')\n"
                                     "SELECT DATEADD(day, 1, getdate())\nGO\nSELECT 1\n"));
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("function DATEADD"))) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("(1 row affected)\n"));
    // The failed batch left nothing; the batch before it stays.
    EXPECT_EQ(runTool({db}, QStringLiteral("SELECT customer_code FROM B_CUSTOMER")).out,
              QStringLiteral("customer_code\nC01\n"));
    EXPECT_NE(
        runTool({folder.file(QStringLiteral("missing.db"))}, QStringLiteral("SELECT 1")).exitCode,
        0);
    EXPECT_NE(runTool({}, QString()).exitCode, 0);
}

TEST(MesSql, ListsTheDemoPlantsWorkOrders) {
    testsupport::TempFolder folder;
    const QString db = folder.file(QStringLiteral("demo.db"));
    QString error;
    ASSERT_TRUE(mes::gfCREATE_DEMO(db, &error)) << error.toStdString();
    const QString weekAgo = QDate::currentDate().addDays(-7).toString(Qt::ISODate);
    const ToolRun r = runTool({db}, plant::orderList(weekAgo, QString()));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 1);
    EXPECT_EQ(lines.takeFirst().split(u'\t').size(), 26);
    // The same orders as a plain reading of the table: open ones and those finished within a week.
    engine::Database check;
    check.open(db);
    const auto expected =
        check.executeNative(QStringLiteral("SELECT seq FROM B_JAKUPJISI_MASTER WHERE end_yn IN "
                                           "('1','2') OR (end_yn = '3' AND jisi_date >= '%1') "
                                           "ORDER BY jisi_date DESC")
                                .arg(weekAgo));
    EXPECT_EQ(lines.size(), expected[0].result.rows.size());
    QString previousDate = QStringLiteral("9999-12-31");
    QStringList states;
    for (const QString& line : lines) {
        const QStringList cells = line.split(u'\t');
        ASSERT_EQ(cells.size(), 26) << line.toStdString();
        EXPECT_LE(cells[2], previousDate);  // newest date first
        previousDate = cells[2];
        states << cells[22];
        if (cells[22] == QStringLiteral("완료")) EXPECT_GE(cells[2], weekAgo);
    }
    EXPECT_TRUE(states.contains(QStringLiteral("미완료")));
    EXPECT_TRUE(states.contains(QStringLiteral("진행중")));
    EXPECT_TRUE(states.contains(QStringLiteral("완료")));
}

TEST(MesSql, ChecksTheLotTotalsAgainstTheLedger) {
    testsupport::TempFolder folder;
    const QString db = folder.file(QStringLiteral("demo.db"));
    QString error;
    ASSERT_TRUE(mes::gfCREATE_DEMO(db, &error)) << error.toStdString();
    engine::Database plain;
    plain.open(db);
    const auto lots = [&plain] {
        return plain
            .executeNative(QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM S_PRODUCT_STORE "
                                          "GROUP BY product_code, lot_no)"))
            .last()
            .result.rows[0][0]
            .toLongLong();
    };
    const QString checkLotTotals = QStringLiteral("--check-lot-totals");
    EXPECT_EQ(runTool({checkLotTotals, db}, QString()).out,
              QStringLiteral("S_PRODUCT_STORE_LOT agrees with the ledger: %1 lots\n").arg(lots()));
    plain.executeNative(
        QStringLiteral("DELETE FROM S_PRODUCT_STORE_LOT WHERE rowid = (SELECT MIN(rowid) FROM "
                       "S_PRODUCT_STORE_LOT)"));
    ToolRun r = runTool({checkLotTotals, db}, QString());
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("S_PRODUCT_STORE_LOT: 1 lots differed from the ledger; "
                                    "rebuilt, %1 lots\n")
                         .arg(lots()));
    plain.executeNative(
        QStringLiteral("DROP TRIGGER TR_S_PRODUCT_STORE_LOT_insert;"
                       "DROP TRIGGER TR_S_PRODUCT_STORE_LOT_delete;"
                       "DROP TRIGGER TR_S_PRODUCT_STORE_LOT_update;"
                       "DROP TABLE S_PRODUCT_STORE_LOT"));
    r = runTool({checkLotTotals, db}, QString());
    EXPECT_EQ(r.out,
              QStringLiteral("S_PRODUCT_STORE_LOT created from the ledger: %1 lots\n").arg(lots()));
    EXPECT_NE(
        runTool({checkLotTotals, folder.file(QStringLiteral("missing.db"))}, QString()).exitCode,
        0);
}

}  // namespace
