// T-SQL functions and operators on the embedded engine: the values SQL Server gives.
#include <cstring>

#include "EngineFixture.h"
#include "engine/CiCollation.h"

namespace {

struct ValueCase {
    const char* expr;
    QVariant expected;  // compared with type: qlonglong, double, QString or null
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.expr; }

class Expressions : public EngineTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(Expressions, GiveSqlServersValueAndType) {
    const ValueCase& c = GetParam();
    const QVariant got = scalar(QStringLiteral("SELECT ") + QString::fromUtf8(c.expr));
    if (c.expected.isNull()) {
        EXPECT_TRUE(got.isNull()) << got.toString().toStdString();
        return;
    }
    EXPECT_EQ(got.typeId(), c.expected.typeId()) << got.toString().toStdString();
    EXPECT_EQ(got, c.expected);
}

const QVariant kNull;
QVariant num(qlonglong v) { return QVariant(v); }
QVariant txt(const char* v) { return QVariant(QString::fromUtf8(v)); }

INSTANTIATE_TEST_SUITE_P(
    Plus, Expressions,
    ::testing::Values(ValueCase{"'000' + '10'", txt("00010")}, ValueCase{"'009' + 1", num(10)},
                      ValueCase{"RIGHT('20261208099',3) + 1", num(100)},
                      ValueCase{"1 + ' 2 '", num(3)}, ValueCase{"'' + 1", num(1)},
                      ValueCase{"1.5 + '2'", QVariant(3.5)}, ValueCase{"NULL + 'a'", kNull},
                      ValueCase{"'a' + NULL", kNull},
                      ValueCase{"'20261208' + '001'", txt("20261208001")},
                      ValueCase{"10 - '3'", num(7)}, ValueCase{"2 * 3 + 1", num(7)},
                      ValueCase{"1 + 2 * 3", num(7)}, ValueCase{"- 2 + 5", num(3)},
                      ValueCase{"'a' + 'b' + 'c'", txt("abc")}));

INSTANTIATE_TEST_SUITE_P(Counters, Expressions,
                         ::testing::Values(
                             // The work-run counter expression after the highest counter of a date.
                             ValueCase{"LEFT('20261208001',8) + RIGHT('000' + "
                                       "CAST(RIGHT('20261208001',3) + 1 AS VARCHAR(12)),3)",
                                       txt("20261208002")},
                             ValueCase{"LEFT('20261208009',8) + RIGHT('000' + "
                                       "CAST(RIGHT('20261208009',3) + 1 AS VARCHAR(12)),3)",
                                       txt("20261208010")},
                             ValueCase{"LEFT('20261208099',8) + RIGHT('000' + "
                                       "CAST(RIGHT('20261208099',3) + 1 AS VARCHAR(12)),3)",
                                       txt("20261208100")},
                             ValueCase{"LEFT('20261208999',8) + RIGHT('000' + "
                                       "CAST(RIGHT('20261208999',3) + 1 AS VARCHAR(12)),3)",
                                       txt("20261208000")},
                             ValueCase{"Right('000' + Cast(right('x007',3) + 1 as varchar),3)",
                                       txt("008")}));

INSTANTIATE_TEST_SUITE_P(
    Text, Expressions,
    ::testing::Values(
        ValueCase{"LEFT('ABCDEFGH', 3)", txt("ABC")}, ValueCase{"RIGHT(12345, 2)", txt("45")},
        ValueCase{"LEFT(NULL, 2)", kNull}, ValueCase{"SUBSTRING('abcdef', 3, 2)", txt("cd")},
        ValueCase{"SUBSTRING('abcdef', 0, 2)", txt("a")},
        ValueCase{"SUBSTRING('abc', 5, 2)", txt("")},
        ValueCase{"SUBSTRING(convert(varchar, getdate(), 121),1,10)", txt("2026-12-08")},
        ValueCase{"REPLACE('12:34:56', ':', '')", txt("123456")},
        ValueCase{"REPLACE('AbcABC', 'b', 'x')", txt("AxcAxC")}, ValueCase{"LEN('ab  ')", num(2)},
        ValueCase{"ISNULL(NULL, 'x')", txt("x")}, ValueCase{"CAST(12345 AS VARCHAR(3))", txt("*")},
        ValueCase{"CAST('abcdef' AS VARCHAR(3))", txt("abc")},
        ValueCase{"CAST('ab' AS CHAR(4))", txt("ab  ")}, ValueCase{"CAST(' 42 ' AS INT)", num(42)},
        ValueCase{"CAST('2.345' AS NUMERIC(10,2))", QVariant(2.35)},
        ValueCase{"CAST(7.9 AS INT)", num(7)}));

INSTANTIATE_TEST_SUITE_P(
    Isnumeric, Expressions,
    ::testing::Values(ValueCase{"ISNUMERIC('123')", num(1)}, ValueCase{"ISNUMERIC('1.5')", num(1)},
                      ValueCase{"ISNUMERIC('-')", num(1)}, ValueCase{"ISNUMERIC('.')", num(1)},
                      ValueCase{"ISNUMERIC('1,000')", num(1)},
                      ValueCase{"ISNUMERIC('1e5')", num(1)}, ValueCase{"ISNUMERIC('A')", num(0)},
                      ValueCase{"ISNUMERIC('')", num(0)}, ValueCase{"ISNUMERIC(NULL)", num(0)},
                      ValueCase{"ISNUMERIC(SUBSTRING('AB3X', 3, 1))", num(1)},
                      ValueCase{"ISNUMERIC(SUBSTRING('ABCX', 3, 1))", num(0)}));

INSTANTIATE_TEST_SUITE_P(
    Dates, Expressions,
    ::testing::Values(
        ValueCase{"convert(char(10),getdate(),120)", txt("2026-12-08")},
        ValueCase{"convert(char(8),getdate(),114)", txt("10:15:30")},
        ValueCase{"convert(varchar,getdate(),114)", txt("10:15:30:250")},
        ValueCase{"convert(varchar, getdate(), 121)", txt("2026-12-08 10:15:30.250")},
        ValueCase{"replace(convert(varchar, getdate(), 108),':','')", txt("101530")},
        ValueCase{"convert(varchar(19), getdate(), 120)", txt("2026-12-08 10:15:30")},
        ValueCase{"convert(char(10), '2026-12-08 10:00', 120)", txt("2026-12-08")},
        ValueCase{"datediff(minute, '2026-12-07 23:50', '2026-12-08 00:10')", num(20)},
        ValueCase{"datediff(minute, '2026-12-08 10:14:59', '2026-12-08 10:15:00')", num(1)},
        ValueCase{"datediff(minute, '2026-12-08 10:15', '2026-12-08 10:15:59')", num(0)},
        ValueCase{"datediff(mi, '2026-12-08 10:15', '2026-12-08 09:15')", num(-60)},
        ValueCase{"datediff(day, '2026-12-07 23:59', '2026-12-08 00:00')", num(1)},
        ValueCase{"datediff(hour, '2026-12-08 10:59', '2026-12-08 11:00')", num(1)},
        ValueCase{"datediff(month, '2026-01-31', '2026-02-01')", num(1)},
        ValueCase{"datediff(year, '2026-12-31', '2027-01-01')", num(1)},
        ValueCase{"datediff(week, '2026-12-05', '2026-12-06')", num(1)},
        ValueCase{"datediff(week, '2026-12-06', '2026-12-12')", num(0)},
        ValueCase{"datediff(minute, '2026-12-08' + ' ' + '09:15', getdate())", num(60)},
        ValueCase{"datediff(minute, NULL, getdate())", kNull},
        ValueCase{"datediff(day, '20261201', '2026-12-08')", num(7)}));

INSTANTIATE_TEST_SUITE_P(
    Comparisons, Expressions,
    ::testing::Values(ValueCase{"CASE WHEN MAX(5) < '123' THEN 1 ELSE 0 END", num(1)},
                      ValueCase{"CASE WHEN MAX(500) < '123' THEN 1 ELSE 0 END", num(0)},
                      ValueCase{"CASE WHEN LEFT('abc',3) = 'ABC  ' THEN 1 ELSE 0 END", num(1)},
                      ValueCase{"CASE WHEN 1 = 1 THEN 5 ELSE '0' END", num(5)},
                      ValueCase{"CASE WHEN 1 = 0 THEN 5 ELSE '0' END", num(0)},
                      ValueCase{"CASE WHEN 1 = 0 THEN 'a' ELSE '0' END", txt("0")}));

struct ErrorCase {
    const char* sql;
    const char* message;  // what the error says (part of it)
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.sql; }

class Errors : public EngineTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(Errors, FailLikeSqlServer) {
    const QString error = errorOf(QString::fromUtf8(GetParam().sql));
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().message))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, Errors,
    ::testing::Values(
        ErrorCase{"SELECT 'abc' + 1",
                  "Conversion failed when converting the varchar value 'abc' to data type int."},
        ErrorCase{"SELECT '1.5' + 1",
                  "Conversion failed when converting the varchar value '1.5' to data type int."},
        ErrorCase{"SELECT 'x' - 'y'",
                  "Operand data type varchar is invalid for subtract operator."},
        ErrorCase{"SELECT CAST('12a' AS NUMERIC(10,2))",
                  "Error converting data type varchar to numeric."},
        ErrorCase{"SELECT CAST(123456 AS NUMERIC(4,2))", "Arithmetic overflow error"},
        ErrorCase{"SELECT datediff(minute, 'yesterday', getdate())",
                  "Conversion failed when converting date and/or time"},
        ErrorCase{"SELECT LEFT('abc', -1)",
                  "Invalid length parameter passed to the left function."},
        ErrorCase{"SELECT CASE WHEN MAX(5) < 'abc' THEN 1 END",
                  "converting the varchar value 'abc' to data type int"}));

TEST_F(EngineTest, GetdateIsOneInstantPerStatementAndFollowsTheClock) {
    const QVariant first = scalar(QStringLiteral("SELECT convert(varchar, getdate(), 121)"));
    clock_ = clock_.addSecs(90);
    const auto r = rows(QStringLiteral(
        "SELECT convert(varchar, getdate(), 121), convert(varchar, getdate(), 121)"));
    EXPECT_EQ(first.toString(), QStringLiteral("2026-12-08 10:15:30.250"));
    EXPECT_EQ(r[0][0].toString(), QStringLiteral("2026-12-08 10:17:00.250"));
    EXPECT_EQ(r[0][0], r[0][1]);
    // Milliseconds in SQL Server's 1/300 s steps.
    clock_ = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 59, 999));
    EXPECT_EQ(scalar(QStringLiteral("SELECT convert(varchar, getdate(), 121)")).toString(),
              QStringLiteral("2026-12-09 00:00:00.000"));
    clock_ = QDateTime(QDate(2026, 12, 8), QTime(1, 2, 3, 5));
    EXPECT_EQ(scalar(QStringLiteral("SELECT convert(varchar, getdate(), 121)")).toString(),
              QStringLiteral("2026-12-08 01:02:03.007"));
}

}  // namespace

// Texts of a result are shared between its rows; each still reads back as it
// is stored, however near another it is and whether its column repeats or not.
TEST_F(EngineTest, EveryRowOfALongResultHoldsItsOwnText) {
    const QStringList near{
        QStringLiteral("A"),
        QStringLiteral("a"),
        QStringLiteral("a "),
        QString(),
        QStringLiteral("품명"),
        QStringLiteral("품명 "),
        QStringLiteral("'인서트' 너트 M8"),
        QStringLiteral("사출기 3호기 금형 온도 조건 확인 필요 (작업자 메모가 긴 경우)")};
    db_.executeNative(QStringLiteral("CREATE TABLE t (k INTEGER, a TEXT, b TEXT)"));
    db_.begin();
    const int rowsMade = 3000;
    for (int k = 0; k < rowsMade; ++k) {
        // b: a key per row for the first thousand rows, then a few repeating lots.
        const QString b = k < 1000 ? QStringLiteral("LOT-%1").arg(k, 5, 10, QLatin1Char('0'))
                                   : QStringLiteral("LOT-%1").arg(k % 7);
        db_.executeNative(QStringLiteral("INSERT INTO t VALUES (%1, '%2', '%3')")
                              .arg(k)
                              .arg(QString(near[k % near.size()])
                                       .replace(QStringLiteral("'"), QStringLiteral("''")),
                                   b));
    }
    db_.commit();
    const QList<QVariantList> got = rows(QStringLiteral("SELECT k, a, b FROM t ORDER BY k"));
    ASSERT_EQ(got.size(), rowsMade);
    for (int k = 0; k < rowsMade; ++k) {
        const QString b = k < 1000 ? QStringLiteral("LOT-%1").arg(k, 5, 10, QLatin1Char('0'))
                                   : QStringLiteral("LOT-%1").arg(k % 7);
        ASSERT_EQ(got[k][1].toString(), near[k % near.size()]) << "row " << k;
        ASSERT_EQ(got[k][2].toString(), b) << "row " << k;
    }
}

// The collation folds code points in place; its order is the one QString's
// case-insensitive comparison gives the trimmed texts.
TEST(CiCollation, OrdersAsTheFoldedTextsWithoutTrailingBlanks) {
    const char* const texts[] = {
        "",
        "   ",
        "a",
        "A  ",
        "ab",
        "aB",
        "b",
        "가",
        "가나",
        "가 ",
        "가A",
        "가a",
        "가b",
        "나",
        "Ä",
        "ä",
        "ÄB",
        "z",
        "Ω",
        "ω",
        "프레스 1호기",
        "프레스 2호기",
        "프레스 1호기  ",
        "😀",
        "😀a",
        "\xE0\xA0",
        "a\xFF",
        "20261208002001",
        "20261208002011",
        "PRESS-LINE-0001a",
        "press-line-0001A",
        "PRESS-LINE-0001B",
        "가나다라마바",
        "가나다라마사",
        "가나다라마바A",
        "ABCDEFGHIJ1",
        "abcdefghij2",
        "abcdefgh",
        "ABCDEFGH ",
        "ABCDEFGH가",
        "가각",
        "가갂",
        "2026-12-08 프레스",
        "2026-12-08 프레스 ",
    };
    auto trimmed = [](const char* t) {
        QString s = QString::fromUtf8(t);
        while (s.endsWith(u' ')) s.chop(1);
        return s;
    };
    auto sign = [](int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); };
    for (const char* a : texts) {
        for (const char* b : texts) {
            const int got = engine::compareCiAs(nullptr, static_cast<int>(strlen(a)), a,
                                                static_cast<int>(strlen(b)), b);
            const int want = QString::compare(trimmed(a), trimmed(b), Qt::CaseInsensitive);
            EXPECT_EQ(sign(got), sign(want)) << a << " vs " << b;
        }
    }
}
