// NUMERIC values are exact decimals, as SQL Server computes them: sums of cents
// leave no binary remainder, products keep their places, stored and cast values
// round half away from zero at the scale, and overflow fails with the server's
// message. Expected values are the decimals written here, compared as the nearest
// double (what the Record set hands on), so a binary remainder fails the test.
#include "PlantFixture.h"

namespace {

using namespace plant;

class Decimals : public PlantTest {
  protected:
    void SetUp() override {
        PlantTest::SetUp();
        db_.executeNative(QStringLiteral(
            "CREATE TABLE T_QTY (k NVARCHAR(10) COLLATE CI_AS, v NUMERIC(18,2), u NUMERIC(18,4));"
            "INSERT INTO T_QTY (k, v, u) VALUES ('a', 0.10, 0.45), ('a', 0.20, 1.2), "
            "('a', 0.30, 0.0001), ('b', 2.30, NULL), ('b', -0.30, NULL);"
            // a thousand and a million cents
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000) "
            "INSERT INTO T_QTY (k, v) SELECT CASE WHEN i <= 1000 THEN 'k' ELSE 'm' END, 0.01 "
            "FROM n;"));
    }
};

struct Exact {
    const char* sql;
    const char* value;  // SQL Server's result
};

TEST_F(Decimals, ArithmeticOfNumericsIsExact) {
    const Exact cases[] = {
        {"SELECT SUM(v) FROM T_QTY WHERE k = 'k'", "10.00"},
        {"SELECT SUM(v) FROM T_QTY WHERE k IN ('k', 'm')", "10000.00"},
        {"SELECT SUM(v) FROM T_QTY WHERE k = 'a'", "0.60"},
        {"SELECT SUM(v) - 0.60 FROM T_QTY WHERE k = 'a'", "0.00"},
        {"SELECT SUM(v) FROM T_QTY WHERE k = 'b'", "2.00"},
        {"SELECT ISNULL(SUM(v), 0) - ISNULL(SUM(u), 0) FROM T_QTY WHERE k = 'b'", "2.00"},
        {"SELECT 0.10 + 0.20 + 0.30 - 0.60", "0.00"},
        {"SELECT 2.30 - 0.30", "2.00"},
        {"SELECT 0.45 * 20", "9.00"},
        {"SELECT 1.2 * 602", "722.4"},
        {"SELECT u * 602 FROM T_QTY WHERE u = 1.2", "722.4000"},
        {"SELECT 100000 * u FROM T_QTY WHERE u = 0.0001", "10.0000"},
        {"SELECT -v * 3 FROM T_QTY WHERE v = 0.10", "-0.30"},
        {"SELECT 2 + 3 * 0.1 - 0.3", "2.0"},
        {"SELECT MAX(v) + MIN(v) FROM T_QTY WHERE k = 'b'", "2.00"},
        {"SELECT CASE WHEN 1 = 1 THEN 0.1 + 0.2 END", "0.3"},
        {"SELECT k FROM T_QTY WHERE k IN ('a', 'b') GROUP BY k HAVING SUM(v) = 2", "b"},
        // cents compared with 0 and with quoted numbers
        {"SELECT COUNT(*) FROM (SELECT k FROM T_QTY WHERE k = 'a' GROUP BY k "
         "HAVING SUM(v) - 0.60 > 0) X",
         "0"},
        {"SELECT COUNT(*) FROM (SELECT k FROM T_QTY WHERE k = 'a' GROUP BY k "
         "HAVING SUM(v) - 0.60 = 0) X",
         "1"},
        {"SELECT CASE WHEN 0.1 + 0.2 = '0.3' THEN 1 ELSE 0 END", "1"},
        {"SELECT COUNT(*) FROM T_QTY WHERE k = 'a' AND v + 0.20 = '0.30'", "1"},
        // CAST and stored values round half away from zero at the scale
        {"SELECT CAST(2.345 AS NUMERIC(10,2))", "2.35"},
        {"SELECT CAST(-2.345 AS NUMERIC(10,2))", "-2.35"},
        {"SELECT CAST('2.345' AS NUMERIC(10,2))", "2.35"},
        {"SELECT CAST(1.005 AS NUMERIC(10,2))", "1.01"},
        {"SELECT CAST(2.344 AS NUMERIC(10,2))", "2.34"},
    };
    for (const Exact& c : cases) {
        SCOPED_TRACE(c.sql);
        const QVariant v = scalar(QString::fromUtf8(c.sql));
        if (QByteArray(c.value).startsWith('b'))
            EXPECT_EQ(v.toString(), QString::fromUtf8(c.value));
        else
            EXPECT_EQ(v.toDouble(), QByteArray(c.value).toDouble()) << qPrintable(v.toString());
    }
}

// A decimal written as text shows its result type's places: the sum of
// numeric(18,2) is numeric(38,2), a product's scale the sum of the scales, AVG's at
// least 6 and cut there, AVG of integers an integer.
TEST_F(Decimals, ResultsTakeTheServersPrecisionAndScale) {
    exec(QStringLiteral("INSERT INTO T_QTY (k, v) VALUES ('t', 0.02), ('t', 0.02), ('t', 0.01)"));
    const Exact cases[] = {
        {"SELECT CAST(SUM(v) AS VARCHAR(40)) FROM T_QTY WHERE k = 'b'", "2.00"},
        {"SELECT CONVERT(VARCHAR(40), SUM(v)) FROM T_QTY WHERE k IN ('k', 'm')", "10000.00"},
        {"SELECT CAST(SUM(v) - 0.60 AS VARCHAR(40)) FROM T_QTY WHERE k = 'a'", "0.00"},
        {"SELECT CAST(0.45 * 20 AS VARCHAR(10))", "9.00"},
        {"SELECT CAST(1.2 * 602 AS VARCHAR(10))", "722.4"},
        {"SELECT CAST(u * 602 AS VARCHAR(20)) FROM T_QTY WHERE u = 1.2", "722.4000"},
        {"SELECT CAST(v * u AS VARCHAR(20)) FROM T_QTY WHERE v = 0.10", "0.045000"},
        {"SELECT CAST(-v AS VARCHAR(10)) FROM T_QTY WHERE v = 0.10", "-0.10"},
        {"SELECT CAST(ISNULL(SUM(u), 0) AS VARCHAR(40)) FROM T_QTY WHERE k = 'b'", "0.0000"},
        {"SELECT CAST(CASE WHEN v > 0 THEN 0.5 ELSE v END AS VARCHAR(20)) FROM T_QTY "
         "WHERE v = 0.10",
         "0.50"},
        {"SELECT CAST(CAST(2.345 AS NUMERIC(10,2)) AS VARCHAR(10))", "2.35"},
        {"SELECT CAST(AVG(v) AS VARCHAR(40)) FROM T_QTY WHERE k = 'a'", "0.200000"},
        {"SELECT CAST(AVG(v) AS VARCHAR(40)) FROM T_QTY WHERE k = 't'", "0.016666"},
        {"SELECT CAST(AVG(v) AS VARCHAR(40)) FROM T_QTY WHERE k = 'b'", "1.000000"},
        {"SELECT AVG(LEN(k) + 1) FROM T_QTY WHERE k IN ('a', 'b')", "2"},
        {"SELECT AVG(CAST(v * 10 AS INT)) FROM T_QTY WHERE k = 'a' AND v > 0.1", "2"},
        {"SELECT CAST(SUM(v) AS VARCHAR(4)) FROM T_QTY WHERE k = 'k'",
         "Arithmetic overflow error converting numeric to data type varchar."},
    };
    for (const Exact& c : cases) {
        SCOPED_TRACE(c.sql);
        const QString want = QString::fromUtf8(c.value);
        if (want.startsWith(QStringLiteral("Arithmetic")))
            EXPECT_EQ(errorOf(QString::fromUtf8(c.sql)), want);
        else
            EXPECT_EQ(scalar(QString::fromUtf8(c.sql)).toString(), want);
    }
}

TEST_F(Decimals, StoredValuesTakeTheColumnsScale) {
    exec(
        QStringLiteral("INSERT INTO T_QTY (k, v, u) VALUES ('s', 2.345, 0.00005), "
                       "('s', -2.345, '1.23455'), ('s', '0.005', -0.00005)"));
    exec(QStringLiteral("UPDATE T_QTY SET v = v + 0.001 WHERE k = 's' AND v < 0"));
    const auto stored =
        db_.executeNative(QStringLiteral("SELECT v, u FROM T_QTY WHERE k = 's' ORDER BY rowid"));
    const double expected[][2] = {{2.35, 0.0001}, {-2.35, 1.2346}, {0.01, -0.0001}};
    ASSERT_EQ(stored.last().result.rows.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(stored.last().result.rows[i][0].toDouble(), expected[i][0]) << i;
        EXPECT_EQ(stored.last().result.rows[i][1].toDouble(), expected[i][1]) << i;
    }
}

TEST_F(Decimals, OverflowFailsWithTheServersMessage) {
    const Exact cases[] = {
        {"SELECT CAST(12345.678 AS NUMERIC(5,2))",
         "Arithmetic overflow error converting numeric to data type numeric."},
        {"SELECT CAST(100000 AS NUMERIC(5,2))",
         "Arithmetic overflow error converting int to data type numeric."},
        {"SELECT CAST('1234.5' AS NUMERIC(5,2))",
         "Arithmetic overflow error converting varchar to data type numeric."},
        {"INSERT INTO T_QTY (k, v) VALUES ('o', 12345678901234567.1)",
         "Arithmetic overflow error converting numeric to data type numeric."},
    };
    for (const Exact& c : cases) EXPECT_EQ(errorOf(QString::fromUtf8(c.sql)), c.value) << c.sql;
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM T_QTY WHERE k = 'o'")).toInt(), 0);
}

// The three ledgers that strand stock in binary arithmetic, read by the booking's
// look-ups (through the lot totals) and by their plain form; the stock of each lot
// is its receipts less its issues, in cents.
TEST_F(Decimals, LotsOfFractionalLedgersHoldTheirExactStock) {
    struct Move {
        const char* lot;
        int inCents, outCents;
    };
    const Move moves[] = {
        {"KG-A", 230, 0}, {"KG-A", 0, 30}, {"KG-B", 10, 0},  {"KG-B", 20, 0},
        {"KG-B", 30, 0},  {"KG-B", 0, 60}, {"KG-C", 500, 0}, {"KG-C", 0, 1},
        {"KG-D", 1, 0},   {"KG-D", 1, 0},  {"KG-D", 0, 1},
    };
    QMap<QString, int> stock;
    for (const Move& m : moves) {
        addStock(QStringLiteral("M02"), QString::fromUtf8(m.lot), QStringLiteral("2026-12-02"),
                 QString::number(m.inCents / 100.0, 'f', 2),
                 QString::number(m.outCents / 100.0, 'f', 2), QStringLiteral("0"));
        stock[QString::fromUtf8(m.lot)] += m.inCents - m.outCents;
    }
    QStringList expected;
    for (auto it = stock.cbegin(); it != stock.cend(); ++it)
        if (it.value() > 0) expected << it.key() + u'|' + QString::number(it.value() / 100.0);
    const QString next = nextLots(QStringLiteral("M02"), QStringLiteral("2026-12-08"));
    const QString plain = QString(next).replace(QStringLiteral("GROUP BY S_PS.lot_no"),
                                                QStringLiteral("AND 1 = 1 GROUP BY S_PS.lot_no"));
    for (const QString& sql : {next, plain}) {
        QStringList lots;
        for (const QString& row : texts(sql)) lots << row.section(u'|', 0, 1);
        EXPECT_EQ(lots, expected);
    }
}

}  // namespace
