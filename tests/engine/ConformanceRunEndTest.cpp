// The end of a run (stock, lot and closing statements), stops, defects and
// downtime on the plant schema.
#include "PlantFixture.h"

namespace {

using namespace plant;

const QString kRun = QStringLiteral("20261207001001");
const QString kLot = QStringLiteral("261207/1000");
const QString kToday = QStringLiteral("2026-12-08");

class RunEnd : public PlantTest {
  protected:
    void SetUp() override {
        PlantTest::SetUp();
        addOrder(kRun, QStringLiteral("2026-12-07"), QStringLiteral("2"), kRun,
                 QStringLiteral("100"), QStringLiteral("80"), QStringLiteral("0"));
        // M01 has movements (one later than the run's date); M02 and P01 have none.
        addStock(QStringLiteral("M01"), QStringLiteral("L1"), QStringLiteral("2026-12-01"),
                 QStringLiteral("100"), QStringLiteral("0"), QStringLiteral("100"));
        addStock(QStringLiteral("M01"), QStringLiteral("L1"), QStringLiteral("2026-12-09"),
                 QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("90"));
    }

    // The statement list of the end of a run for good change 15, as the screen builds it.
    QStringList endOfRun() {
        const QString user;
        QStringList list{
            setRunLot(kLot, kRun),
            shiftLaterBalances(QStringLiteral("S_PRODUCT_STORE"), QStringLiteral("P01"), kToday,
                               QStringLiteral("+"), QStringLiteral("15")),
            insertStoreIn(QStringLiteral("S_PRODUCT_STORE"), kRun, QStringLiteral("P01"),
                          QStringLiteral("15"), QStringLiteral("재공품추가"), kLot, kToday, user)};
        const QStringList components[] = {
            {QStringLiteral("M01"), QStringLiteral("L1"), QStringLiteral("30")},
            {QStringLiteral("M02"), QStringLiteral("0"), QStringLiteral("15")}};
        for (const QStringList& c : components) {
            list << QStringLiteral(
                        " Update S_PRODUCT_STORE\n Set Jego_Su = Jego_Su - %1\n WHERE product_code "
                        "= '%2'  And reg_date > '%3'")
                        .arg(c[2], c[0], kToday)
                 << insertStoreOut(kRun, c[0], c[2], QStringLiteral("재공품소모"), c[1], kToday,
                                   user, false)
                 << insertLotHistory({kRun, QStringLiteral("P01"), QString(), c[0], kLot, c[1],
                                      QStringLiteral("1000"), QStringLiteral("E01"), kToday});
        }
        list << shiftLaterBalances(QStringLiteral("S_PRODUCT_STORE"), QStringLiteral("P01"), kToday,
                                   QStringLiteral("-"), QStringLiteral("15"))
             << insertStoreOut(kRun, QStringLiteral("P01"), QStringLiteral("15"),
                               QStringLiteral("제품투입"), kLot, kToday, user, true)
             << insertReceipt({kRun.left(11), kRun, kToday, QStringLiteral("P01"), kLot, kRun,
                               QStringLiteral("15"), QStringLiteral("0"), QStringLiteral("0"),
                               QStringLiteral("0"), QString(), user, kToday,
                               QStringLiteral("101530"), user})
             << shiftLaterBalances(QStringLiteral("P_PRODUCT_STORE"), QStringLiteral("P01"), kToday,
                                   QStringLiteral("+"), QStringLiteral("15"))
             << insertStoreIn(QStringLiteral("P_PRODUCT_STORE"), kRun, QStringLiteral("P01"),
                              QStringLiteral("15"), QStringLiteral("제품입고"), kLot, kToday, user)
             << endOrder(QStringLiteral("95"), QStringLiteral("5"), QStringLiteral("3"), kRun)
             << endRun({QStringLiteral("95"), QStringLiteral("5"), QStringLiteral("EA"), kToday,
                        QStringLiteral("10:15"), QStringLiteral("2026-12-07"),
                        QStringLiteral("08:00"), QStringLiteral("135"), QStringLiteral("1"),
                        QStringLiteral("EMP1"), kToday, QStringLiteral("101530"), user},
                       kRun);
        return list;
    }
};

TEST_F(RunEnd, BooksStockLotsAndClosesRunAndOrder) {
    const QStringList list = endOfRun();
    std::vector<qint64> counts;
    db_.begin();
    for (const QString& sql : list) counts.push_back(exec(sql));
    db_.commit();
    // Each statement touches its rows; later balances of M01 move with the consumption.
    EXPECT_EQ(counts, (std::vector<qint64>{1, 0, 1, 1, 1, 1, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1}));
    EXPECT_EQ(
        texts(QStringLiteral(
            "SELECT product_code, lot_no, ipgo_su, culgo_su, culgo_type, jego_su, reg_date, "
            "last_date, "
            "last_time, ipgo_no, culgo_no_sub FROM S_PRODUCT_STORE WHERE idx > 2 ORDER BY idx")),
        (QStringList{
            // No earlier movement of P01: the right join gives the fallback.
            QStringLiteral(
                "P01|261207/"
                "1000|15|NULL|재공품추가|15|2026-12-08|2026-12-08|101530|20261207001|NULL"),
            QStringLiteral(
                "M01|L1|NULL|30|재공품소모|70|2026-12-08|2026-12-08|101530|NULL|20261207001001"),
            QStringLiteral(
                "M02|0|NULL|15|재공품소모|-15|2026-12-08|2026-12-08|101530|NULL|20261207001001"),
            QStringLiteral(
                "P01|261207/"
                "1000|NULL|15|제품투입|0|2026-12-08|2026-12-08|101530|NULL|20261207001001")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT jego_su FROM S_PRODUCT_STORE WHERE idx = 2")),
              QVariant(qlonglong(60)));
    EXPECT_EQ(texts(QStringLiteral(
                  "SELECT product_code, ipgo_su, culgo_type, jego_su FROM P_PRODUCT_STORE")),
              QStringList{QStringLiteral("P01|15|제품입고|15")});
    EXPECT_EQ(
        texts(QStringLiteral("SELECT culgo_product_code, lot_no, culgo_lot_no, culgo_no_sub FROM "
                             "S_LOT_HISTORY ORDER BY idx")),
        (QStringList{QStringLiteral("M01|261207/1000|L1|"), QStringLiteral("M02|261207/1000|0|")}));
    EXPECT_EQ(texts(QStringLiteral(
                  "SELECT ipgo_su, palette_su, bigo, operation_no_sub FROM P_PRODUCT_IPGO")),
              QStringList{QStringLiteral("15|0||20261207001001")});
    EXPECT_EQ(
        texts(QStringLiteral("SELECT order_qty, qty, bad_qty, end_yn FROM B_JAKUPJISI_MASTER")),
        QStringList{QStringLiteral("95|95|5|3")});
    EXPECT_EQ(
        texts(QStringLiteral(
            "SELECT qty, bad_qty, unit_code, edate, etime, sdate, stime, min, employee_su, lot_no "
            "FROM P_SANGSAN_MASTER")),
        QStringList{QStringLiteral("95|5|EA|2026-12-08|10:15|2026-12-07|08:00|135|1|261207/1000")});
    EXPECT_EQ(scalar(finishedQty(kRun)), QVariant(qlonglong(95)));
    EXPECT_EQ(scalar(runLot(kRun)), QVariant(kLot));
}

TEST_F(RunEnd, AProductMissingFromTheMasterInsertsNothing) {
    EXPECT_EQ(exec(insertStoreIn(QStringLiteral("S_PRODUCT_STORE"), kRun, QStringLiteral("NOPE"),
                                 QStringLiteral("15"), QStringLiteral("재공품추가"), kLot, kToday,
                                 QString())),
              0);
    // A balance of an earlier movement of the same product on the same date is taken.
    addStock(QStringLiteral("P01"), kLot, kToday, QStringLiteral("4"), QStringLiteral("0"),
             QStringLiteral("4"));
    exec(insertStoreIn(QStringLiteral("S_PRODUCT_STORE"), kRun, QStringLiteral("P01"),
                       QStringLiteral("15"), QStringLiteral("재공품추가"), kLot, kToday,
                       QString()));
    EXPECT_EQ(scalar(QStringLiteral("SELECT jego_su FROM S_PRODUCT_STORE ORDER BY idx DESC")),
              QVariant(qlonglong(19)));
}

TEST_F(RunEnd, AFailingStatementLeavesNothingOfTheList) {
    QStringList list = endOfRun();
    list.insert(
        5,
        QStringLiteral("UPDATE P_SANGSAN_MASTER SET qty = 'x' WHERE op_seq_sub = '%1'").arg(kRun));
    db_.begin();
    QString error;
    for (const QString& sql : list) {
        error = errorOf(sql);
        if (!error.isEmpty()) break;
    }
    db_.rollback();
    EXPECT_TRUE(error.contains(QStringLiteral("Conversion failed"))) << error.toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM S_PRODUCT_STORE")),
              QVariant(qlonglong(2)));
    EXPECT_EQ(scalar(QStringLiteral("SELECT lot_no FROM P_SANGSAN_MASTER")), QVariant());
}

class Stops : public PlantTest {
  protected:
    QStringList stop(const QString& date, const QString& time) {
        return {QString(),
                QString(),
                kRun.left(11),
                kRun,
                QStringLiteral("E01"),
                QString(),
                QStringLiteral("2026-12-07"),
                date,
                time,
                QString(),
                QString(),
                date,
                QStringLiteral("235000"),
                QString()};
    }
};

TEST_F(Stops, StopAndRunAcrossMidnightCountMinutesFromTheStoredStart) {
    EXPECT_EQ(exec(insertStop(stop(QStringLiteral("2026-12-07"), QStringLiteral("23:50")))), 1);
    EXPECT_EQ(exec(insertStop(stop(QStringLiteral("2026-12-07"), QStringLiteral("23:55")))), 1);
    EXPECT_EQ(texts(QStringLiteral(
                  "SELECT employee_su, bigadong_code, etime FROM P_BIGADONG WHERE idx = 1")),
              QStringList{QStringLiteral("0||NULL")});
    EXPECT_EQ(exec(setRealTime(QStringLiteral("TRUE"), QStringLiteral("E01"))), 1);
    EXPECT_EQ(texts(QStringLiteral("SELECT bigadong, work_time FROM REAL_TIME")),
              QStringList{QStringLiteral("TRUE|2026-12-08 10:15:30.250")});
    clock_ = QDateTime(QDate(2026, 12, 8), QTime(0, 10, 40));
    // Both open stops close at once.
    EXPECT_EQ(exec(closeStops(kToday, QStringLiteral("00:10"), QStringLiteral("E01"), kRun)), 2);
    EXPECT_EQ(texts(QStringLiteral("SELECT edate, etime, min FROM P_BIGADONG ORDER BY idx")),
              (QStringList{QStringLiteral("2026-12-08|00:10|20"),
                           QStringLiteral("2026-12-08|00:10|15")}));
    EXPECT_EQ(exec(closeStops(kToday, QStringLiteral("00:11"), QStringLiteral("E01"), kRun)), 0);
    EXPECT_EQ(exec(setRealTime(QStringLiteral("FALSE"), QStringLiteral("E01"))), 1);
    EXPECT_EQ(exec(setRealTime(QStringLiteral("FALSE"), QStringLiteral("E02"))),
              0);  // no row for E02
}

TEST_F(PlantTest, DefectEntryListsCausesAndWritesRows) {
    addOrder(kRun, QStringLiteral("2026-12-07"), QStringLiteral("2"), kRun);
    const auto empty =
        db_.execute(defectCauses(kRun, QStringLiteral("1000"), QStringLiteral("P01")));
    EXPECT_EQ(empty[0].result.columns.size(), 8);
    EXPECT_EQ(texts(defectCauses(kRun, QStringLiteral("1000"), QStringLiteral("P01"))),
              (QStringList{QStringLiteral("NULL|20261207001001|1000|P01|B02|버|0|"),
                           QStringLiteral("NULL|20261207001001|1000|P01|B01|찍힘|0|")}));
    const QStringList row{QString(),
                          QString(),
                          kRun.left(11),
                          kRun,
                          QStringLiteral("B01"),
                          QStringLiteral("3"),
                          QStringLiteral("1000"),
                          QStringLiteral("E01"),
                          QStringLiteral("it''s dented"),
                          QStringLiteral("P01"),
                          QString(),
                          kToday,
                          QStringLiteral("101530"),
                          QString()};
    EXPECT_EQ(exec(insertDefect(row)), 1);
    EXPECT_EQ(texts(defectCauses(kRun, QStringLiteral("1000"), QStringLiteral("P01")))[1],
              QStringLiteral("1|20261207001001|1000|P01|B01|찍힘|3|it's dented"));
    EXPECT_EQ(exec(updateDefect(QStringLiteral("4"), QStringLiteral("x"), QString(), kToday,
                                QStringLiteral("101600"), kRun, QStringLiteral("b01"))),
              1);
    EXPECT_EQ(exec(deleteDefect(kRun, QStringLiteral("B02"))), 0);
    EXPECT_EQ(exec(setRunBad(QStringLiteral("4"), kRun)), 1);
    EXPECT_EQ(texts(QStringLiteral("SELECT bad_qty FROM P_SANGSAN_MASTER")),
              QStringList{QStringLiteral("4")});
    EXPECT_EQ(exec(deleteDefect(kRun, QStringLiteral("B01"))), 1);
    EXPECT_EQ(exec(setRunBad(QStringLiteral("0"), QStringLiteral("none"))), 0);
}

TEST_F(PlantTest, DowntimeEntryListsCausesAndWritesRows) {
    EXPECT_EQ(texts(downtimeCauses(kRun, QStringLiteral("P01"))),
              (QStringList{QStringLiteral("NULL|20261207001001|P01|D01|금형교체|0"),
                           QStringLiteral("NULL|20261207001001|P01|D02|자재대기|0")}));
    EXPECT_EQ(
        exec(insertDowntime({QString(), QString(), kRun.left(11), kRun, QStringLiteral("D02"),
                             QStringLiteral("2"), QStringLiteral("25"), QStringLiteral("E01"),
                             QString(), kToday, kToday, QStringLiteral("101530"), QString()})),
        1);
    EXPECT_EQ(texts(downtimeCauses(kRun, QStringLiteral("P01")))[1],
              QStringLiteral("1|20261207001001|P01|D02|자재대기|25"));
    EXPECT_EQ(
        exec(updateDowntime(QStringLiteral("30"), QString(), QStringLiteral("2"), kToday, QString(),
                            QStringLiteral("101600"), kRun, QStringLiteral("D02"))),
        1);
    EXPECT_EQ(texts(QStringLiteral("SELECT min, employee_su FROM P_BIGADONG")),
              QStringList{QStringLiteral("30|2")});
    EXPECT_EQ(exec(deleteDowntime(kRun, QStringLiteral("D01"))), 0);
    EXPECT_EQ(exec(deleteDowntime(kRun, QStringLiteral("D02"))), 1);
}

}  // namespace
