// Start-up and work-order statements on the plant schema: rows, values, types
// and affected-row counts as SQL Server gives them.
#include "PlantFixture.h"

namespace {

using namespace plant;

TEST_F(PlantTest, ClockQueryGivesDateAndTimeTexts) {
    const auto out = db_.execute(clockQuery());
    ASSERT_EQ(out.size(), 1);
    EXPECT_EQ(out[0].result.columns,
              (QStringList{QStringLiteral("SDATE"), QStringLiteral("STIME")}));
    EXPECT_EQ(out[0].result.rows[0],
              (QVariantList{QStringLiteral("2026-12-08"), QStringLiteral("10:15:30")}));
}

class OrderList : public PlantTest {
  protected:
    void SetUp() override {
        PlantTest::SetUp();
        addOrder(QStringLiteral("20261208001001"), QStringLiteral("2026-12-08"),
                 QStringLiteral("1"));
        addOrder(QStringLiteral("20261207001001"), QStringLiteral("2026-12-07"),
                 QStringLiteral("2"), QStringLiteral("20261207001001"), QStringLiteral("100"),
                 QStringLiteral("60"), QStringLiteral("5"));
        addOrder(QStringLiteral("20261201001001"), QStringLiteral("2026-12-01"),
                 QStringLiteral("3"), QStringLiteral("20261201001001"));
        addOrder(QStringLiteral("20261130001001"), QStringLiteral("2026-11-30"),
                 QStringLiteral("3"), QStringLiteral("20261130001001"));
    }
};

TEST_F(OrderList, ListsOpenOrdersAndTheLastSevenDaysOfFinishedOnes) {
    const auto out = db_.execute(orderList(QStringLiteral("2026-12-01"), QString()));
    ASSERT_EQ(out.size(), 1);
    const auto& r = out[0].result;
    ASSERT_EQ(r.columns.size(), 26);
    EXPECT_EQ(r.columns.mid(0, 3),
              (QStringList{QStringLiteral("작업지시번호"), QStringLiteral("지시번호"),
                           QStringLiteral("지시일자")}));
    ASSERT_EQ(r.rows.size(), 3);  // the order finished eight days ago is left out
    EXPECT_EQ(r.rows[0][2].toString(), QStringLiteral("2026-12-08"));
    EXPECT_EQ(r.rows[1][2].toString(), QStringLiteral("2026-12-07"));
    EXPECT_EQ(r.rows[2][2].toString(), QStringLiteral("2026-12-01"));
    EXPECT_EQ(r.rows[0][22].toString(), QStringLiteral("미완료"));
    EXPECT_EQ(r.rows[1][22].toString(), QStringLiteral("진행중"));
    EXPECT_EQ(r.rows[2][22].toString(), QStringLiteral("완료"));
    EXPECT_EQ(r.rows[0][3].toString(), QStringLiteral("주간"));  // null shift counts as day
    EXPECT_EQ(r.rows[1][18], QVariant(qlonglong(65)));           // QTY + bad_QTY is a number
    EXPECT_EQ(r.rows[1][17], QVariant(qlonglong(100)));
    EXPECT_EQ(r.rows[0][21].toString(), QStringLiteral("김철수"));
    EXPECT_EQ(r.rows[0][5].toString(), QStringLiteral("한빛자동차"));
}

TEST_F(OrderList, FiltersByCustomerAndDateCaseInsensitively) {
    EXPECT_EQ(rows(orderList(QStringLiteral("2026-12-01"),
                             QStringLiteral("AND B_JAK.Customer_Code = 'c01'")))
                  .size(),
              3);
    EXPECT_EQ(rows(orderList(QStringLiteral("2026-12-01"),
                             QStringLiteral("AND B_JAK.Customer_Code = 'C02'")))
                  .size(),
              0);
    const auto byDate = rows(orderList(
        QStringLiteral("2026-12-01"),
        QStringLiteral("\nAND B_JAK.jisi_date = '2026-12-07'\nAND B_JAK.customer_code = 'C01'")));
    ASSERT_EQ(byDate.size(), 1);
    EXPECT_EQ(byDate[0][1].toString(), QStringLiteral("20261207001001"));
    EXPECT_EQ(texts(dateButtons(QStringLiteral("C01"), QStringLiteral("2026-12-01"))),
              (QStringList{QStringLiteral("2026-12-08"), QStringLiteral("2026-12-07"),
                           QStringLiteral("2026-12-01")}));
    EXPECT_EQ(texts(dateButtons(QString(), QStringLiteral("2026-12-02"))).size(), 2);
    EXPECT_EQ(texts(customerButtons()).size(), 2);
}

TEST_F(OrderList, IssueFlagDeletionAndRunKey) {
    EXPECT_EQ(exec(setIssued(QStringLiteral("20261207001001"), QStringLiteral("1"))), 1);
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT chulha_yn FROM B_JAKUPJISI_MASTER WHERE seq = '20261207001001'")),
              QVariant(QStringLiteral("1")));
    EXPECT_EQ(scalar(runKeyOfOrder(QStringLiteral("20261207001001"))),
              QVariant(QStringLiteral("20261207001001")));
    // An order never started has no run: the first delete removes nothing.
    EXPECT_EQ(exec(deleteRuns(QStringLiteral("20261208001001"))), 0);
    EXPECT_EQ(exec(deleteRuns(QStringLiteral("20261207001001"))), 1);
    // The order itself only while it is not started.
    EXPECT_EQ(exec(deleteOrder(QStringLiteral("20261207001001"))), 0);
    EXPECT_EQ(exec(deleteOrder(QStringLiteral("20261208001001"))), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER")),
              QVariant(qlonglong(3)));
}

struct CounterCase {
    const char* highest;  // highest existing key of the date, "" for none
    const char* next;
};

void PrintTo(const CounterCase& c, std::ostream* os) { *os << c.highest << " -> " << c.next; }

class Counters : public PlantTest, public ::testing::WithParamInterface<CounterCase> {};

TEST_P(Counters, WorkRunCounterCountsOnFromTheHighestOfTheDate) {
    const QString highest = QString::fromUtf8(GetParam().highest);
    addStock(QStringLiteral("P01"), QStringLiteral("L"), QStringLiteral("2026-12-08"),
             QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"));
    if (!highest.isEmpty()) {
        addOrder(QStringLiteral("20261208001001"), QStringLiteral("2026-12-08"),
                 QStringLiteral("2"), highest + QStringLiteral("001"));
        addOrder(QStringLiteral("20261208001002"), QStringLiteral("2026-12-08"),
                 QStringLiteral("2"), QStringLiteral("20261208000001"));
    }
    // Another date's runs do not count.
    addOrder(QStringLiteral("20261209001001"), QStringLiteral("2026-12-09"), QStringLiteral("2"),
             QStringLiteral("20261209555001"));
    EXPECT_EQ(scalar(opSeqCounter(QStringLiteral("20261208"))),
              QVariant(QString::fromUtf8(GetParam().next)));
}

TEST_P(Counters, WorkOrderNumberCountsOnFromTheHighestOfTheDate) {
    const QString highest = QString::fromUtf8(GetParam().highest);
    if (!highest.isEmpty()) {
        db_.execute(QStringLiteral("INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq) VALUES ('%1', "
                                   "'%1001'), ('20261208001', 'x')")
                        .arg(highest));
    }
    EXPECT_EQ(scalar(prodNoCounter(QStringLiteral("20261208"))),
              QVariant(QString::fromUtf8(GetParam().next)));
}

INSTANTIATE_TEST_SUITE_P(Keys, Counters,
                         ::testing::Values(CounterCase{"", "20261208001"},
                                           CounterCase{"20261208001", "20261208002"},
                                           CounterCase{"20261208009", "20261208010"},
                                           CounterCase{"20261208099", "20261208100"},
                                           CounterCase{"20261208999", "20261208000"}));

TEST_F(PlantTest, StartingARunInsertsItAndSetsTheOrderInProgress) {
    addOrder(QStringLiteral("20261201001001"), QStringLiteral("2026-12-01"), QStringLiteral("1"));
    const QString opSeq = scalar(opSeqCounter(QStringLiteral("20261201"))).toString();
    ASSERT_EQ(opSeq, QStringLiteral("20261201001"));
    const QStringList values{QStringLiteral("20261201001"),
                             QStringLiteral("20261201001001"),
                             opSeq,
                             opSeq + QStringLiteral("001"),
                             QStringLiteral("1000"),
                             QStringLiteral("E01"),
                             QStringLiteral("P01"),
                             QStringLiteral("C01"),
                             QStringLiteral("150"),
                             QStringLiteral("0"),
                             QStringLiteral("0"),
                             QStringLiteral("2026-12-08"),
                             QString(),
                             QStringLiteral("10:15"),
                             QString(),
                             QStringLiteral("0"),
                             QStringLiteral("2026-12-01"),
                             QStringLiteral("2026-12-01"),
                             QStringLiteral("1"),
                             QStringLiteral("EMP1"),
                             QStringLiteral("2026-12-08"),
                             QStringLiteral("101530"),
                             QString()};
    db_.begin();
    EXPECT_EQ(exec(insertRun(values)), 1);
    EXPECT_EQ(exec(startState(values)), 1);
    db_.commit();
    // A second start finds the order in progress: its update changes no row.
    EXPECT_EQ(exec(startState(values)), 0);
    const auto r = rows(QStringLiteral(
        "SELECT jisiqty, qty, bad_qty, edate, min, employee_su, op_seq_sub, last_time "
        "FROM P_SANGSAN_MASTER"));
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0][0], QVariant(qlonglong(150)));
    EXPECT_EQ(r[0][1], QVariant(qlonglong(0)));
    EXPECT_EQ(r[0][3], QVariant(QString()));
    EXPECT_EQ(r[0][4], QVariant(qlonglong(0)));
    EXPECT_EQ(r[0][5], QVariant(qlonglong(1)));
    EXPECT_EQ(r[0][6], QVariant(QStringLiteral("20261201001001")));
    EXPECT_EQ(r[0][7], QVariant(QStringLiteral("101530")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT end_yn FROM B_JAKUPJISI_MASTER")),
              QVariant(QStringLiteral("2")));
    // The next run of the same date gets the next counter, and a second start collides on the key.
    EXPECT_EQ(scalar(opSeqCounter(QStringLiteral("20261201"))),
              QVariant(QStringLiteral("20261201002")));
    EXPECT_FALSE(errorOf(insertRun(values)).isEmpty());
}

TEST_F(PlantTest, RegisteringAnOrderNumbersItAndJoinsTheSequenceOnTheServer) {
    const auto products = db_.execute(productsOfCustomer(QStringLiteral("C01")));
    ASSERT_EQ(products[0].result.rows.size(), 1);  // P02 is not in use
    EXPECT_EQ(products[0].result.columns.size(), 9);
    EXPECT_EQ(products[0].result.rows[0][7].toString(), QStringLiteral("PN-01"));
    const QString prodNo = scalar(prodNoCounter(QStringLiteral("20261208"))).toString();
    ASSERT_EQ(prodNo, QStringLiteral("20261208001"));
    const QStringList values{
        QStringLiteral("1000"),       QStringLiteral("2026-12-08"), QStringLiteral("E01"),
        QStringLiteral("P01"),        QStringLiteral("P01"),        QStringLiteral("C01"),
        QStringLiteral("0"),          QStringLiteral("0"),          QStringLiteral("1"),
        QStringLiteral("1"),          QStringLiteral("1"),          QStringLiteral("1"),
        QStringLiteral("2026-12-08"), QStringLiteral("101530"),     QString()};
    EXPECT_EQ(exec(insertOrder(prodNo, values)), 1);
    EXPECT_EQ(texts(QStringLiteral(
                  "SELECT seq, order_qty, end_yn, juya_gubun, sunbun FROM B_JAKUPJISI_MASTER")),
              QStringList{QStringLiteral("20261208001001|0|1|1|1")});
    EXPECT_EQ(scalar(prodNoCounter(QStringLiteral("20261208"))),
              QVariant(QStringLiteral("20261208002")));
    // The new order (quantity 0) is listed.
    EXPECT_EQ(rows(orderList(QStringLiteral("2026-12-01"), QString())).size(), 1);
}

}  // namespace
