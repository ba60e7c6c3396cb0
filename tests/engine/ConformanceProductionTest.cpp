// Production screen, lot booking, end of a run, stops, defects and downtime:
// the statements' rows, values and changes on the plant schema.
#include <algorithm>

#include "PlantFixture.h"

namespace {

using namespace plant;

const QString kRun = QStringLiteral("20261207001001");

TEST_F(PlantTest, RunQueryShowsTheRunWithSqlServersRemainingQuantity) {
    addOrder(kRun, QStringLiteral("2026-12-07"), QStringLiteral("2"), kRun, QStringLiteral("100"),
             QStringLiteral("60"), QStringLiteral("50"));
    const auto out = db_.execute(runQuery(QStringLiteral("E01"), kRun));
    ASSERT_EQ(out[0].result.rows.size(), 1);
    const auto& row = out[0].result.rows[0];
    const QStringList& c = out[0].result.columns;
    EXPECT_EQ(row[c.indexOf(QStringLiteral("주야구분"))], QVariant(QStringLiteral("주간")));
    // The comparison ignores the bad quantity, the result subtracts it.
    EXPECT_EQ(row[c.indexOf(QStringLiteral("지시수량"))], QVariant(qlonglong(-10)));
    EXPECT_EQ(row[c.indexOf(QStringLiteral("양품수량"))], QVariant(qlonglong(60)));
    EXPECT_EQ(row[c.indexOf(QStringLiteral("품명상세"))], QVariant(QString()));
    EXPECT_EQ(row[c.indexOf(QStringLiteral("작업자"))], QVariant(QStringLiteral("김철수")));
    EXPECT_EQ(row[c.indexOf(QStringLiteral("제품구분"))], QVariant(QStringLiteral("완제품")));
    exec(QStringLiteral("UPDATE B_JAKUPJISI_MASTER SET qty = 120 WHERE seq = '%1'").arg(kRun));
    EXPECT_EQ(rows(runQuery(QStringLiteral("E01"), kRun))[0][c.indexOf(QStringLiteral("지시수량"))],
              QVariant(qlonglong(0)));
    EXPECT_TRUE(rows(runQuery(QStringLiteral("E02"), kRun)).isEmpty());
    EXPECT_EQ(texts(orderTotals(kRun)), QStringList{QStringLiteral("60|50")});
}

TEST_F(PlantTest, BillOfMaterialBatchWithAndWithoutTheGlobalTemporaryTable) {
    auto sorted = [](QStringList l) {
        std::sort(l.begin(), l.end());
        return l;
    };
    const QString batch = bomBatch(QStringLiteral("P01"), kRun);
    const auto without = db_.execute(batch);
    ASSERT_EQ(without.size(), 1);
    EXPECT_EQ(without[0].result.columns.size(), 11);
    EXPECT_EQ(without[0].result.columns[8], QStringLiteral("LOT 재고"));
    EXPECT_EQ(sorted(texts(batch)),
              (QStringList{QStringLiteral("M01|NULL|원자재|MN-01|NULL|코일|2|0|0|0|KG"),
                           QStringLiteral("M02|NULL|원자재|MN-02|NULL|볼트|1|0|0|0|EA")}));
    // Another client creates the table: the other branch runs, with its lots.
    db_.execute(QStringLiteral(
        "CREATE TABLE ##TEMP_REAL_LOT (product_code NVARCHAR(20), op_seq_sub NVARCHAR(14), "
        "lot_no NVARCHAR(30), lot_su NUMERIC)"));
    exec(QStringLiteral("INSERT INTO ##TEMP_REAL_LOT VALUES ('M01', '%1', 'L7', '40'), ('M02', "
                        "'other', 'L9', '5')")
             .arg(kRun));
    const auto with = db_.execute(batch);
    ASSERT_EQ(with.size(), 1);
    EXPECT_EQ(sorted(texts(batch)),
              (QStringList{QStringLiteral("M01|NULL|원자재|MN-01|NULL|코일|2|L7|40||KG"),
                           QStringLiteral("M02|NULL|원자재|MN-02|NULL|볼트|1|NULL|0||EA")}));
    // The replacement of a missing stock takes the stock column's type.
    for (const auto& row : with[0].result.rows) EXPECT_EQ(row[8].typeId(), QMetaType::LongLong);
    EXPECT_TRUE(rows(bomBatch(QStringLiteral("M01"), kRun)).isEmpty());
}

class Lots : public PlantTest {
  protected:
    void SetUp() override {
        PlantTest::SetUp();
        const QString d = QStringLiteral("2026-12-01");
        addStock(QStringLiteral("M01"), QStringLiteral("L2"), d, QStringLiteral("30"),
                 QStringLiteral("0"), QStringLiteral("30"));
        addStock(QStringLiteral("M01"), QStringLiteral("L1"), d, QStringLiteral("25"),
                 QStringLiteral("0"), QStringLiteral("55"));
        addStock(QStringLiteral("M01"), QStringLiteral("LZ"), d, QStringLiteral("5"),
                 QStringLiteral("0"), QStringLiteral("60"));
        addStock(QStringLiteral("M01"), QStringLiteral("LZ"), d, QStringLiteral("0"),
                 QStringLiteral("5"), QStringLiteral("55"));
        addStock(QStringLiteral("M01"), QStringLiteral("L0"), QStringLiteral("2026-12-09"),
                 QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("64"));
        addStock(QStringLiteral("M01"), QString(), d, QStringLiteral("5"), QStringLiteral("0"),
                 QStringLiteral("60"));
    }
};

TEST_F(Lots, FirstInFirstOutListTakesTheAdvanceLotFirst) {
    const QString today = QStringLiteral("2026-12-08");
    // Without an advance lot the group without lot number sorts first, shown as "0".
    EXPECT_EQ(texts(firstLot(QStringLiteral("M01"), today)), QStringList{QStringLiteral("0|5")});
    addStock(QStringLiteral("M01"), QStringLiteral("선진행재고-01"), QStringLiteral("2026-12-02"),
             QStringLiteral("10"), QStringLiteral("4"), QStringLiteral("66"));
    EXPECT_EQ(texts(firstLot(QStringLiteral("M01"), today)),
              QStringList{QStringLiteral("선진행재고-01|6")});
    EXPECT_EQ(texts(nextLots(QStringLiteral("M01"), today)),
              (QStringList{QStringLiteral("선진행재고-01|6|2026-12-02|7|1"),
                           QStringLiteral("NULL|5|2026-12-01|6|2"),
                           QStringLiteral("L1|25|2026-12-01|2|2"),
                           QStringLiteral("L2|30|2026-12-01|1|2")}));
    EXPECT_TRUE(rows(firstLot(QStringLiteral("M02"), today)).isEmpty());
}

TEST_F(Lots, LotPickerListsStockAndChecksOlderLotsNumerically) {
    const QString today = QStringLiteral("2026-12-08");
    EXPECT_EQ(texts(lotList(QStringLiteral("M01"), today)),
              (QStringList{QStringLiteral("L1|25|M01|L1|0"), QStringLiteral("L2|30|M01|L2|0")}));
    EXPECT_EQ(texts(lotFirstRegistration(QStringLiteral("M01"), QStringLiteral("L1"))),
              QStringList{QStringLiteral("2026-12-01|2")});
    // L2 (first idx 1) is older than L1 (first idx 2).
    EXPECT_EQ(texts(olderLot(today, QStringLiteral("M01"), QStringLiteral("2026-12-01"),
                             QStringLiteral("2"))),
              QStringList{QStringLiteral("L2")});
    // The idx is compared as a number: 12 is not below '9' (as text it would be).
    for (int i = 0; i < 6; ++i)
        exec(
            QStringLiteral("INSERT INTO S_PRODUCT_STORE (product_code, lot_no) VALUES ('X', 'X')"));
    addStock(QStringLiteral("M02"), QStringLiteral("LB"), QStringLiteral("2026-12-01"),
             QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("3"));
    ASSERT_EQ(scalar(QStringLiteral("SELECT MAX(idx) FROM S_PRODUCT_STORE")),
              QVariant(qlonglong(13)));
    EXPECT_TRUE(rows(olderLot(today, QStringLiteral("M02"), QStringLiteral("2026-12-01"),
                              QStringLiteral("9")))
                    .isEmpty());
    EXPECT_EQ(texts(olderLot(today, QStringLiteral("M02"), QStringLiteral("2026-12-01"),
                             QStringLiteral("14"))),
              QStringList{QStringLiteral("LB")});
    EXPECT_EQ(texts(scannedLot(QStringLiteral("M01"), QStringLiteral("l1"), today)),
              QStringList{QStringLiteral("25")});
    EXPECT_TRUE(rows(scannedLot(QStringLiteral("M01"), QStringLiteral("L9"), today)).isEmpty());
}

}  // namespace
