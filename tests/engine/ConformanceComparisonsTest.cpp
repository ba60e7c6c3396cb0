// Comparisons wherever they stand (literals, expressions, CASE results,
// aggregates, IN, BETWEEN, ON, HAVING, IF) give SQL Server's answer on the
// plant schema, and the screens' statements keep their indexes.
#include "PlantFixture.h"

namespace {

using namespace plant;

class Comparisons : public PlantTest {
  protected:
    void SetUp() override {
        PlantTest::SetUp();
        exec(
            QStringLiteral("INSERT INTO B_CAR (car_code, car_name) VALUES ('K2', 'alpha'), "
                           "('K3', 'Beta'), ('K4', 'beta  ')"));
    }

    QStringList plan(const QString& sql) {
        QStringList out;
        for (const auto& step : db_.translation(sql)->steps) {
            for (const auto& o :
                 db_.executeNative(QStringLiteral("EXPLAIN QUERY PLAN ") + step.statement.sql)) {
                for (const auto& r : o.result.rows) out << r.value(3).toString();
            }
        }
        return out;
    }
};

struct Shape {
    const char* sql;
    const char* result;  // the first cell as text
};

TEST_F(Comparisons, EveryShapeComparesByTypePrecedenceAndCollation) {
    const Shape shapes[] = {
        // literal with literal
        {"SELECT CASE WHEN '1' = 1 THEN 1 ELSE 0 END", "1"},
        {"SELECT CASE WHEN 'abc' = 'ABC  ' THEN 1 ELSE 0 END", "1"},
        {"SELECT CASE WHEN 'a' < 'B' THEN 1 ELSE 0 END", "1"},
        {"SELECT CASE WHEN '10' < '9' THEN 1 ELSE 0 END", "1"},
        {"SELECT CASE WHEN '10' < 9 THEN 1 ELSE 0 END", "0"},
        {"SELECT CASE WHEN ' 7 ' = 7 AND '' = 0 AND 1.5 > '1.25' THEN 1 ELSE 0 END", "1"},
        {"SELECT CASE WHEN 'x' !< 'X' AND 2 !> '2' THEN 1 ELSE 0 END", "1"},
        // expression with expression or literal
        {"SELECT CASE WHEN LEFT('abc', 2) = UPPER('ab') THEN 1 ELSE 0 END", "1"},
        {"SELECT CASE WHEN LEFT('09', 2) = 9 AND LEN('ab ') = '2' THEN 1 ELSE 0 END", "1"},
        {"SELECT CASE WHEN (SELECT MIN(car_code) FROM B_CAR) = 'k1' THEN 1 ELSE 0 END", "1"},
        {"SELECT CASE WHEN CAST('2026-12-08' AS datetime) = '2026-12-08 00:00' THEN 1 ELSE 0 "
         "END",
         "1"},
        // a decimal written as text is a text: its places count
        {"SELECT CASE WHEN CAST(CAST(1000.5 AS numeric(10,2)) AS varchar(12)) = '1000.50' AND "
         "CAST(CAST(1000.5 AS numeric(10,2)) AS varchar(12)) <> '1000.5' THEN 1 ELSE 0 END",
         "1"},
        // CASE results
        {"SELECT CASE WHEN CASE WHEN 1 = 1 THEN 'abc' END = 'ABC' THEN 1 ELSE 0 END", "1"},
        {"SELECT CASE WHEN CASE WHEN 1 = 1 THEN '07' ELSE 'x' END = 7 THEN 1 ELSE 0 END", "1"},
        {"SELECT CASE LEFT('Abc', 1) WHEN 'b' THEN 2 WHEN 'a' THEN 1 END", "1"},
        {"SELECT CASE '05' WHEN 5 THEN 'five' ELSE 'other' END", "five"},
        // column with literal
        {"SELECT COUNT(*) FROM B_PROCESS WHERE process_code < 300", "0"},
        {"SELECT COUNT(*) FROM B_CAR WHERE car_name = 'BETA'", "2"},
        {"SELECT COUNT(*) FROM B_CAR WHERE car_name > 'ALPHA'", "3"},
        {"SELECT COUNT(*) FROM B_CAR WHERE car_name < 'alphab'", "1"},
        {"SELECT COUNT(*) FROM B_CAR WHERE car_name > 'Z' AND car_name >= '소나타 '", "1"},
        // IN and BETWEEN
        {"SELECT COUNT(*) FROM B_PROCESS WHERE LEFT(process_code, 1) IN (1, 2)", "2"},
        {"SELECT COUNT(*) FROM B_CAR WHERE LOWER(car_name) IN ('BETA', 'ALPHA')", "3"},
        {"SELECT COUNT(*) FROM B_PROCESS WHERE process_code BETWEEN 500 AND 1500", "1"},
        {"SELECT CASE WHEN 'b' BETWEEN 'A' AND 'C' THEN 1 ELSE 0 END", "1"},
        // ON and HAVING
        {"SELECT COUNT(*) FROM B_PRODUCT_MASTER P JOIN B_CAR C ON LOWER(C.car_code) = "
         "UPPER(P.car_code)",
         "1"},
        {"SELECT COUNT(*) FROM (SELECT car_code FROM B_CAR GROUP BY car_code HAVING "
         "MAX(car_name) = 'BETA') X",
         "2"},
        // aggregates, grouping and DISTINCT of text
        {"SELECT MIN(LEFT(car_name, 5)) FROM B_CAR WHERE car_code <> 'K1'", "alpha"},
        {"SELECT COUNT(*) FROM (SELECT LEFT(car_name, 4) AS k FROM B_CAR GROUP BY "
         "LEFT(car_name, 4)) X",
         "3"},
        {"SELECT COUNT(*) FROM (SELECT DISTINCT RTRIM(car_name) AS k FROM B_CAR) X", "3"},
        // IF conditions of a batch
        {"IF 'abc' = 'ABC ' SELECT 'yes' ELSE SELECT 'no'", "yes"},
        {"IF (SELECT COUNT(*) FROM B_CAR) > '3' SELECT 'yes' ELSE SELECT 'no'", "yes"},
        // LIKE ignores case as the collation does
        {"SELECT COUNT(*) FROM B_CAR WHERE car_name LIKE 'B%' AND car_code LIKE 'k_'", "2"},
    };
    for (const Shape& c : shapes) {
        const QString sql = QString::fromUtf8(c.sql);
        const QString error = errorOf(sql);
        if (!error.isEmpty()) {
            ADD_FAILURE() << c.sql << ": " << error.toStdString();
            continue;
        }
        EXPECT_EQ(scalar(sql).toString(), QString::fromUtf8(c.result)) << c.sql;
    }
}

TEST_F(Comparisons, TextThatIsNoNumberFailsTheStatementAsSqlServerDoes) {
    const Shape failures[] = {
        {"SELECT CASE WHEN 'abc' = 1 THEN 1 ELSE 0 END",
         "Conversion failed when converting the varchar value 'abc' to data type int."},
        {"SELECT COUNT(*) FROM B_EMPLOYEE WHERE idx = '1.5'",
         "Conversion failed when converting the varchar value '1.5' to data type int."},
        {"SELECT COUNT(*) FROM B_CAR WHERE car_code = 'K1' AND car_name < 5",
         "Conversion failed when converting the nvarchar value '소나타' to data type int."},
        {"SELECT COUNT(*) FROM B_CAR WHERE car_code = 'K1' AND LEFT(car_name, 2) IN (1, 2)",
         "Conversion failed when converting the nvarchar value '소나' to data type int."},
        {"SELECT COUNT(*) FROM B_CAR WHERE car_code = 'K1' AND car_name BETWEEN 1 AND 2",
         "Conversion failed when converting the nvarchar value '소나타' to data type int."},
        {"SELECT CASE WHEN 1.5 > 'x' THEN 1 ELSE 0 END",
         "Error converting data type varchar to numeric."},
        {"IF 'x' = 1 SELECT 1", "Conversion failed when converting the varchar value 'x'"},
    };
    for (const Shape& c : failures)
        EXPECT_TRUE(errorOf(QString::fromUtf8(c.sql)).contains(QString::fromUtf8(c.result)))
            << c.sql << ": " << errorOf(QString::fromUtf8(c.sql)).toStdString();
}

TEST_F(Comparisons, ScreenStatementsKeepTheirIndexes) {
    const struct {
        QString sql;
        const char* access;  // a line the plan must hold
    } cases[] = {
        {orderList(QStringLiteral("2026-12-01"), QString()),
         "SEARCH B_JAK USING INDEX IX_B_JAKUPJISI_MASTER_state (end_yn=?)"},
        {orderList(QStringLiteral("2026-12-01"), QString()),
         "SEARCH B_JAK USING INDEX IX_B_JAKUPJISI_MASTER_state (end_yn=? AND jisi_date>?)"},
        {runQuery(QStringLiteral("E01"), QStringLiteral("20261208001001")),
         "SEARCH P_SAN USING INDEX IX_P_SANGSAN_MASTER_equipment (equipment_code=? AND "
         "op_seq_sub=?)"},
        {runQuery(QStringLiteral("E01"), QStringLiteral("20261208001001")),
         "SEARCH B_JAK USING INDEX sqlite_autoindex_B_JAKUPJISI_MASTER_1 (seq=?)"},
        {productsOfCustomer(QStringLiteral("C01")),
         "SEARCH B_PM USING INDEX IX_B_PRODUCT_MASTER_customer (customer_code=? AND use_yn=?)"},
        {sheetCount(QStringLiteral("P01"), QStringLiteral("1"), QStringLiteral("x")),
         "SEARCH Q_CHOJUNGJONGTEST_RESULT USING COVERING INDEX IX_Q_CHOJUNGJONGTEST_RESULT_key "
         "(product_code=? AND seq=? AND process_juya=?)"},
        {olderLot(QStringLiteral("2026-12-08"), QStringLiteral("M01"), QStringLiteral("2026-12-08"),
                  QStringLiteral("12")),
         "SEARCH S_PS USING INDEX IX_S_PRODUCT_STORE_date (product_code=? AND reg_date<?)"},
    };
    // The look-ups that stand for grouped derived tables seek their keys.
    const QStringList lookups[] = {
        plan(orderList(QStringLiteral("2026-12-01"), QString())),
        plan(insertStoreIn(QStringLiteral("S_PRODUCT_STORE"), QStringLiteral("20261208001001"),
                           QStringLiteral("M01"), QStringLiteral("1"), QStringLiteral("t"),
                           QStringLiteral("L"), QStringLiteral("2026-12-08"), QString()))};
    EXPECT_TRUE(lookups[0].contains(QStringLiteral(
        "SEARCH P_SangSan_Master USING COVERING INDEX IX_P_SANGSAN_MASTER_seq (seq=?)")))
        << lookups[0].join(u'\n').toStdString();
    EXPECT_TRUE(lookups[1].contains(QStringLiteral(
        "SEARCH S_PRODUCT_STORE USING COVERING INDEX IX_S_PRODUCT_STORE_date (product_code=? AND "
        "reg_date=?)")))
        << lookups[1].join(u'\n').toStdString();
    for (const auto& c : cases)
        EXPECT_TRUE(plan(c.sql).contains(QString::fromUtf8(c.access)))
            << c.access << "\n"
            << plan(c.sql).join(u'\n').toStdString();
}

}  // namespace
