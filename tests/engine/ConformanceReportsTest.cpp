// Inspection sheets, history screens, labels and the move ticket on the plant schema.
#include "PlantFixture.h"

namespace {

using namespace plant;

const QString kRun = QStringLiteral("20261208001001");
const QString kToday = QStringLiteral("2026-12-08");
const QString kIp = QStringLiteral("10.0.0.5");

TEST_F(PlantTest, SelfInspectionSheetNumberCountAndLookups) {
    EXPECT_EQ(scalar(sheetNumber(QStringLiteral("20261208"), kToday)),
              QVariant(QStringLiteral("20261208001")));
    exec(QStringLiteral("INSERT INTO Q_CHOJUNGJONGTEST_RESULT (seq, product_code, process_num, "
                        "process_juya, process_test_date) "
                        "VALUES ('%1', 'P01', '20261208009', 1, '%2')")
             .arg(kRun, kToday));
    EXPECT_EQ(scalar(sheetNumber(QStringLiteral("20261208"), kToday)),
              QVariant(QStringLiteral("20261208010")));
    const auto count = db_.execute(sheetCount(QStringLiteral("P01"), QStringLiteral("1"), kRun));
    EXPECT_EQ(count[0].result.columns, QStringList{QString()});
    EXPECT_EQ(count[0].result.rows[0][0], QVariant(qlonglong(1)));
    EXPECT_EQ(scalar(sheetCount(QStringLiteral("P01"), QStringLiteral("0"), kRun)),
              QVariant(qlonglong(0)));
    exec(QStringLiteral(
        "INSERT INTO Q_CHOJUNGJONGTEST_STD (process_test_num, product_code, reg_yn, path) VALUES "
        "('T01', 'P01', '1', NULL), ('T02', 'P01', '1', '\\\\10.0.0.5\\img\\p01.jpg')"));
    EXPECT_EQ(scalar(picturePath(QStringLiteral("T01"))), QVariant(QString()));
    EXPECT_EQ(scalar(picturePath(QStringLiteral("t02"))),
              QVariant(QStringLiteral("\\\\10.0.0.5\\img\\p01.jpg")));
    EXPECT_EQ(texts(inspectors()),
              (QStringList{QStringLiteral("1|EMP1|김철수"), QStringLiteral("2|EMP2|이영희")}));
}

TEST_F(PlantTest, MouldingSheetCountsByOrderAndDateAndLoadsNumbers) {
    EXPECT_EQ(scalar(moldSheetCount(kRun, kToday)), QVariant(qlonglong(0)));
    exec(QStringLiteral(
             "INSERT INTO Q_MOLDTEST_RESULT(\n    op_seq_sub\n    ,product_code\n    ,test_date\n  "
             "  ,cylinder1\n"
             "    ,sacul1\n    )VALUES(\n    '%1'\n    ,'P01'\n    ,'%2'\n    ,12.5\n    ,NULL\n)")
             .arg(kRun, kToday));
    EXPECT_EQ(scalar(moldSheetCount(kRun, kToday)), QVariant(qlonglong(1)));
    EXPECT_EQ(scalar(moldSheetCount(kRun, QStringLiteral("2026-12-09"))), QVariant(qlonglong(0)));
    EXPECT_EQ(exec(QStringLiteral("UPDATE Q_MOLDTEST_RESULT\nSET\n    test_date = '%2'\n    "
                                  ",time_s_ju = 3\n    , cylinder2 = 7\n"
                                  "WHERE op_seq_sub = '%1' AND test_date = '%2'")
                       .arg(kRun, kToday)),
              1);
    const auto out = db_.execute(moldSheetLoad(kRun, kToday));
    ASSERT_EQ(out[0].result.columns.size(), 44);
    const auto& row = out[0].result.rows[0];
    EXPECT_EQ(row[0], QVariant(12.5));
    EXPECT_TRUE(row[1].isNull());
    EXPECT_EQ(row[4].toString(), QStringLiteral("7"));
    EXPECT_EQ(row[out[0].result.columns.indexOf(QStringLiteral("time_s_ju"))].toString(),
              QStringLiteral("3"));
}

class History : public PlantTest {
  protected:
    void SetUp() override {
        PlantTest::SetUp();
        addOrder(kRun, kToday, QStringLiteral("2"), kRun, QStringLiteral("100"),
                 QStringLiteral("40"), QStringLiteral("2"));
        addOrder(QStringLiteral("20261201001001"), QStringLiteral("2026-12-01"),
                 QStringLiteral("3"), QStringLiteral("20261201001001"));
        exec(QStringLiteral("UPDATE P_SANGSAN_MASTER SET qty = 40, bad_qty = 2, edate = "
                            "'2026-12-08', etime = '10:00', "
                            "employee_no = 'EMP2' WHERE op_seq_sub = '%1'")
                 .arg(kRun));
    }
};

TEST_F(History, ProcessButtonsAndResultsOfTheTerminalsMachine) {
    EXPECT_EQ(texts(processButtons(QStringLiteral("Where b_eq.ipaddress = '"), kIp, kToday)),
              QStringList{QStringLiteral("1000|프레스")});
    EXPECT_TRUE(rows(processButtons(QStringLiteral("where B_EQ.ipaddress = '"),
                                    QStringLiteral("10.0.0.9"), kToday))
                    .isEmpty());
    const auto out = db_.execute(results(kToday, kIp, QString()));
    ASSERT_EQ(out[0].result.rows.size(), 1);
    const auto& c = out[0].result.columns;
    const auto& row = out[0].result.rows[0];
    EXPECT_EQ(c.size(), 23);
    EXPECT_EQ(row[c.indexOf(QStringLiteral("작업수량"))], QVariant(qlonglong(42)));
    EXPECT_EQ(row[c.indexOf(QStringLiteral("성명"))], QVariant(QStringLiteral("이영희")));
    EXPECT_EQ(row[c.indexOf(QStringLiteral("차종명"))], QVariant(QStringLiteral("소나타")));
    EXPECT_EQ(row[c.indexOf(QStringLiteral("소포장수량"))], QVariant(QString()));
    EXPECT_TRUE(
        rows(results(kToday, kIp, QStringLiteral("AND A.process_code = '2000'"))).isEmpty());
    EXPECT_EQ(texts(labelProduct(QStringLiteral("P01"))),
              QStringList{QStringLiteral("브래킷|PN-01|SH-01")});
    EXPECT_EQ(texts(labelProduct(QStringLiteral("P02"))),
              QStringList{QStringLiteral("커버|PN-02|")});
}

TEST_F(History, MoveTicketRowIsWrittenReadAndCleared) {
    QStringList values{QStringLiteral("프레스"),
                       QStringLiteral("소나타"),
                       QString(),
                       QStringLiteral("40"),
                       QStringLiteral("1"),
                       QStringLiteral("2026년 12월 08일 "),
                       QStringLiteral("P01"),
                       QStringLiteral("PN-01"),
                       QStringLiteral("브래킷"),
                       QStringLiteral("261208/1000"),
                       kRun,
                       QStringLiteral("이영희"),
                       QString(),
                       kRun};
    EXPECT_EQ(exec(ticketInsert(values)), 1);
    QStringList right = values;
    right.removeAt(2);  // no third vehicle column on the right half
    EXPECT_EQ(exec(ticketUpdate(right)), 1);
    const auto out = db_.execute(ticketRead());
    ASSERT_EQ(out[0].result.rows.size(), 1);
    const auto& c = out[0].result.columns;
    const auto& row = out[0].result.rows[0];
    EXPECT_EQ(row[c.indexOf(QStringLiteral("바코드"))],
              QVariant(QStringLiteral("*20261208001001*")));
    EXPECT_EQ(row[c.indexOf(QStringLiteral("차종명2"))], QVariant(QStringLiteral("소나타 - CAR")));
    EXPECT_EQ(row[c.indexOf(QStringLiteral("LOT 수량"))], QVariant(QStringLiteral("40")));
    EXPECT_EQ(row[c.indexOf(QStringLiteral("작업일자2"))],
              QVariant(QStringLiteral("2026년 12월 08일 ")));
    EXPECT_EQ(exec(ticketClear()), 1);
    EXPECT_TRUE(rows(ticketRead()).isEmpty());
}

TEST_F(History, DefectAndDowntimeHistoryOfToday) {
    exec(insertDefect({QString(), QString(), kRun.left(11), kRun, QStringLiteral("B01"),
                       QStringLiteral("2"), QStringLiteral("1000"), QStringLiteral("E01"),
                       QStringLiteral("note"), QStringLiteral("P01"), QString(), kToday,
                       QStringLiteral("101530"), QStringLiteral("U1")}));
    // The time shown is the entry's own last_time; the user is the employee the screen writes.
    EXPECT_EQ(
        texts(defectHistory(kToday, kIp, QString())),
        QStringList{QStringLiteral(
            "20261208001|20261208001001|1000|프레스|PN-01|A|브래킷|B01|찍힘|2|101530|||note")});
    EXPECT_TRUE(rows(defectHistory(kToday, kIp, QStringLiteral("AND B_PRO.process_code = '2000'")))
                    .isEmpty());
    exec(insertDowntime({QString(), QString(), kRun.left(11), kRun, QStringLiteral("D01"),
                         QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("E01"),
                         QString(), kToday, kToday, QStringLiteral("101530"), QString()}));
    exec(insertDowntime({QString(), QString(), QStringLiteral("x"), QStringLiteral("no-run"),
                         QStringLiteral("D01"), QStringLiteral("1"), QStringLiteral("3"),
                         QStringLiteral("E01"), QString(), kToday, kToday, QStringLiteral("101530"),
                         QString()}));
    const auto out = db_.execute(downtimeHistory(kToday, kIp, QString()));
    // Columns without alias are named by the column (screens read names case-insensitively).
    EXPECT_EQ(out[0].result.columns.mid(0, 3).join(u',').toLower(),
              QStringLiteral("idx,op_seq_sub,공정명"));
    // The stop whose run is missing is not listed.
    EXPECT_EQ(texts(downtimeHistory(kToday, kIp, QString())),
              QStringList{QStringLiteral(
                  "1|20261208001001|프레스|E01|프레스1호기|NULL|NULL|1000|D01|금형교체|12")});
    EXPECT_TRUE(rows(downtimeHistory(kToday, kIp, QStringLiteral("AND P_SM.process_code = '2000'")))
                    .isEmpty());
}

}  // namespace
