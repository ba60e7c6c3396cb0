// The lots with stock are read from the ledger's lot totals; the rows must stay
// those of the grouped ledger as written. Each look-up runs next to its reference
// form, the same statement with "AND 1 = 1" in its WHERE, which the engine leaves
// to SQLite.
#include "PlantFixture.h"
#include "foundation/DemoPlant.h"
#include "foundation/LotTotalsTable.h"

namespace {

using namespace plant;

class LotTotals : public PlantTest {
  protected:
    void SetUp() override {
        PlantTest::SetUp();
        // M01 beside the fixture's lots: an advance lot, a lot used up, a lot
        // issued only after the asked date, one received after it, a movement
        // without date, empty quantities, cents and a negative lot.
        const char* rows[][6] = {
            {"M01", "선진행재고-02", "2026-12-03", "8", "3", "0"},
            {"M01", "L4", "2026-12-02", "10", "0", "0"},
            {"m01", "L4", "2026-12-04", "0", "10", "0"},
            {"M01", "L5", "2026-12-02", "7", "0", "0"},
            {"M01", "L5", "2026-12-10", "0", "7", "0"},
            {"M01", "L6", "2026-12-12", "9", "0", "0"},
            {"M01", "L7", "2026-12-05", "4", "0", "0"},
            {"M01", "L7", nullptr, "0", "1", "0"},
            {"M01", "L8", "2026-12-06", "NULL", "NULL", "0"},
            {"M01", "L8", "2026-12-07", "2.25", "NULL", "0"},
            {"M01", "L8", "2026-12-07", "0.5", "1.25", "0"},
            {"M01", "L9", "2026-12-06", "0", "3", "0"},
            {"M01", nullptr, "2026-12-01", "2", "0", "0"},
            {"M01", nullptr, "2026-12-09", "1", "0", "0"},
        };
        for (const auto& r : rows)
            addStock(QString::fromUtf8(r[0]), r[1] ? QString::fromUtf8(r[1]) : QString(),
                     r[2] ? QString::fromUtf8(r[2]) : QString(), QString::fromUtf8(r[3]),
                     QString::fromUtf8(r[4]), QString::fromUtf8(r[5]));
        db_.execute(
            QStringLiteral("UPDATE S_PRODUCT_STORE SET reg_date = NULL WHERE reg_date = ''"));
    }

    static QString reference(QString sql) {
        return sql.replace(QStringLiteral("GROUP BY S_PS.lot_no"),
                           QStringLiteral("AND 1 = 1 GROUP BY S_PS.lot_no"));
    }

    bool readsTotals(const QString& sql) {
        return db_.translation(sql)->steps.front().statement.sql.contains(
            QStringLiteral("S_PRODUCT_STORE_LOT"));
    }

    void expectSameAsLedger(const char* stage) {
        for (const char* product : {"M01", "m01", "M02"}) {
            for (const char* date : {"2026-11-30", "2026-12-04", "2026-12-08", "2026-12-31"}) {
                SCOPED_TRACE(std::string(stage) + " " + product + " " + date);
                for (const QString& sql :
                     {firstLot(QString::fromUtf8(product), QString::fromUtf8(date)),
                      nextLots(QString::fromUtf8(product), QString::fromUtf8(date))}) {
                    EXPECT_TRUE(readsTotals(sql));
                    EXPECT_FALSE(readsTotals(reference(sql)));
                    EXPECT_EQ(texts(sql), texts(reference(sql)));
                }
            }
        }
    }
};

TEST_F(LotTotals, LotsWithStockAreThoseOfTheLedger) {
    expectSameAsLedger("seeded");
    // L5 is issued only after the 8th, L6 received after it, L4 used up; L7's
    // undated issue is not counted, L8's cents are.
    QStringList lots;
    for (const QString& row : texts(nextLots(QStringLiteral("M01"), QStringLiteral("2026-12-08"))))
        lots << row.section(u'|', 0, 1);
    EXPECT_EQ(lots, (QStringList{QStringLiteral("선진행재고-02|5"), QStringLiteral("NULL|2"),
                                 QStringLiteral("L5|7"), QStringLiteral("L7|4"),
                                 QStringLiteral("L8|1.5")}));
}

TEST_F(LotTotals, TotalsFollowUpdatesAndDeletes) {
    const char* changes[] = {
        "UPDATE S_PRODUCT_STORE SET culgo_su = 2 WHERE lot_no = 'L5' AND reg_date = '2026-12-10'",
        "UPDATE S_PRODUCT_STORE SET reg_date = '2026-12-01' WHERE lot_no = 'L6'",
        "UPDATE S_PRODUCT_STORE SET lot_no = 'L4' WHERE lot_no = 'L9'",
        "UPDATE S_PRODUCT_STORE SET product_code = 'M02' WHERE lot_no = 'L8'",
        "UPDATE S_PRODUCT_STORE SET jego_su = 99 WHERE product_code = 'M01'",
        // Relabelled to a spelling equal under CI_AS: first the later movement alone,
        // then every movement of the lot.
        "UPDATE S_PRODUCT_STORE SET lot_no = 'l8 ' WHERE lot_no = 'L8' AND culgo_su = 1.25",
        "UPDATE S_PRODUCT_STORE SET lot_no = 'l8' WHERE lot_no = 'L8'",
        "DELETE FROM S_PRODUCT_STORE WHERE lot_no = 'L1'",
        "DELETE FROM S_PRODUCT_STORE WHERE lot_no IS NULL",
    };
    for (const char* change : changes) {
        db_.execute(QString::fromUtf8(change));
        expectSameAsLedger(change);
    }
}

TEST_F(LotTotals, RelabelledLotIsSpelledAsItsMovements) {
    addStock(QStringLiteral("M01"), QStringLiteral("k1 "), QStringLiteral("2026-12-01"),
             QStringLiteral("100000"), QStringLiteral("0"), QStringLiteral("0"));
    addStock(QStringLiteral("M01"), QStringLiteral("k1 "), QStringLiteral("2026-12-02"),
             QStringLiteral("0"), QStringLiteral("1234.56"), QStringLiteral("0"));
    db_.execute(QStringLiteral("UPDATE S_PRODUCT_STORE SET lot_no = 'K1' WHERE lot_no = 'k1'"));
    const auto spellings = db_.executeNative(QStringLiteral(
        "SELECT DISTINCT lot_no FROM S_PRODUCT_STORE WHERE lot_no = 'K1' COLLATE CI_AS"));
    ASSERT_EQ(spellings.last().result.rows.size(), 1);
    const QString spelling = spellings.last().result.rows[0][0].toString();
    QStringList lots;
    for (const QString& row : texts(nextLots(QStringLiteral("M01"), QStringLiteral("2026-12-08"))))
        lots << row.section(u'|', 0, 0);
    EXPECT_TRUE(lots.contains(spelling)) << lots.join(u',').toStdString();
    expectSameAsLedger("relabelled");
}

// Written by plain SQLite, as another program would: the engine's look-ups then
// disagree with the ledger until the check rebuilds the totals.
TEST_F(LotTotals, CheckRebuildsTotalsChangedBehindTheEngine) {
    const QString next = nextLots(QStringLiteral("M01"), QStringLiteral("2026-12-08"));
    db_.executeNative(QStringLiteral(
        "DELETE FROM S_PRODUCT_STORE_LOT WHERE lot_no = 'L8';"
        "UPDATE S_PRODUCT_STORE_LOT SET balance = 0 WHERE lot_no = '선진행재고-02';"
        "UPDATE S_PRODUCT_STORE_LOT SET lot_no = 'l9' WHERE lot_no = 'L9';"
        "INSERT INTO S_PRODUCT_STORE_LOT (product_code, lot_no, reg_date, idx, ipgo_su, "
        "balance) VALUES ('M01', 'GHOST', '2026-12-01', 9999, 5, 5)"));
    EXPECT_NE(texts(next), texts(reference(next)));
    const mes::LotTotalsCheck check = mes::gfCHECK_LOT_TOTALS(db_);
    EXPECT_FALSE(check.created);
    EXPECT_EQ(check.staleLots, 4);
    expectSameAsLedger("rebuilt");
    EXPECT_EQ(mes::LotTotalsTable::staleLots(db_), 0);
    EXPECT_EQ(mes::gfCHECK_LOT_TOTALS(db_).staleLots, 0);
}

TEST_F(LotTotals, TableMadeOnALedgerWithMovementsIsFilledFromIt) {
    // A database from before the table: the ledger alone, and movements added.
    db_.executeNative(QStringLiteral(
        "DROP TRIGGER TR_S_PRODUCT_STORE_LOT_insert; DROP TRIGGER TR_S_PRODUCT_STORE_LOT_delete;"
        "DROP TRIGGER TR_S_PRODUCT_STORE_LOT_update; DROP TABLE S_PRODUCT_STORE_LOT;"));
    addStock(QStringLiteral("M02"), QStringLiteral("B-7"), QStringLiteral("2026-12-03"),
             QStringLiteral("12345"), QStringLiteral("0"), QStringLiteral("0"));
    const QString next = nextLots(QStringLiteral("M01"), QStringLiteral("2026-12-08"));
    EXPECT_FALSE(readsTotals(next));
    const qint64 ledgerLots =
        db_.executeNative(QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM S_PRODUCT_STORE "
                                         "GROUP BY product_code, lot_no)"))
            .last()
            .result.rows[0][0]
            .toLongLong();
    const mes::LotTotalsCheck check = mes::gfCHECK_LOT_TOTALS(db_);
    EXPECT_TRUE(check.created);
    EXPECT_EQ(check.lots, ledgerLots);
    expectSameAsLedger("created");
    addStock(QStringLiteral("M01"), QStringLiteral("L8"), QStringLiteral("2026-12-07"),
             QStringLiteral("0"), QStringLiteral("0.75"), QStringLiteral("0"));
    expectSameAsLedger("booked after");
}

TEST_F(LotTotals, OtherReadsOfTheLedgerAreLeftAlone) {
    const QString next = nextLots(QStringLiteral("M01"), QStringLiteral("2026-12-08"));
    const QString others[] = {
        QString(next).replace(QStringLiteral("MIN(S_PS.idx)"), QStringLiteral("COUNT(*)")),
        QString(next).replace(QStringLiteral("MIN(S_PS.reg_date)"),
                              QStringLiteral("MAX(S_PS.reg_date)")),
        QString(next).replace(QStringLiteral("MIN(S_PS.idx)"), QStringLiteral("SUM(S_PS.jego_su)")),
        QString(next).replace(QStringLiteral("> 0"), QStringLiteral(">= 0")),
    };
    for (const QString& sql : others) {
        EXPECT_FALSE(readsTotals(sql)) << sql.toStdString();
        EXPECT_FALSE(rows(sql).isEmpty());
    }
}

}  // namespace
