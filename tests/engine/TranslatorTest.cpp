// Statement shapes, stored-value conversion, collation and the refusal of
// anything outside the supported T-SQL subset.
#include "EngineFixture.h"

namespace {

class Translator : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        db_.execute(
            QStringLiteral("CREATE TABLE T (k NVARCHAR(5) COLLATE CI_AS, n INTEGER, q NUMERIC, d "
                           "NUMERIC(10,2), f REAL, "
                           "s NVARCHAR(3) COLLATE CI_AS)"));
        exec(QStringLiteral("INSERT INTO T (k, n, q, s) VALUES ('a', '1', '150', 'x')"));
        exec(QStringLiteral("INSERT INTO T (k, n, q, s) VALUES ('B', '2', '2.5', NULL)"));
        exec(QStringLiteral("INSERT INTO T (k, n, q, s) VALUES ('c', '3', NULL, 'z')"));
    }
};

TEST_F(Translator, QuotedValuesAreStoredAsTheColumnsTypes) {
    const auto r = rows(QStringLiteral("SELECT k, n, q FROM T ORDER BY n"));
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[0][1].typeId(), QMetaType::LongLong);
    EXPECT_EQ(r[0][2], QVariant(qlonglong(150)));
    EXPECT_EQ(r[1][2], QVariant(2.5));
    EXPECT_EQ(r[0][2].toString(), QStringLiteral("150"));
    exec(QStringLiteral("INSERT INTO T (k, n, d, f) VALUES ('e', '', '1.005', '')"));
    const auto e = rows(QStringLiteral("SELECT n, d, f FROM T WHERE k = 'e'"));
    EXPECT_EQ(e[0][0], QVariant(qlonglong(0)));  // '' is 0 for int and float
    EXPECT_EQ(e[0][1], QVariant(1.01));          // numeric(10,2) rounds half away from zero
    EXPECT_EQ(e[0][2], QVariant(0.0));
    exec(QStringLiteral("INSERT INTO T (k, n) VALUES ('it''s', 7)"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT k FROM T WHERE n = 7")),
              QVariant(QStringLiteral("it's")));
}

TEST_F(Translator, UnconvertibleValuesFailAndChangeNothing) {
    const struct {
        const char* sql;
        const char* message;
    } cases[] = {
        {"INSERT INTO T (k, n) VALUES ('x', 'abc')",
         "Conversion failed when converting the varchar value 'abc' to data type int."},
        {"INSERT INTO T (k, d) VALUES ('x', '')", "Error converting data type varchar to numeric."},
        {"INSERT INTO T (k, s) VALUES ('x', 'abcd')", "String or binary data would be truncated."},
        // every part of a UNION stores as the columns take it
        {"INSERT INTO T (k, s) SELECT 'x', 'ab' UNION ALL SELECT 'y', 'abcd'",
         "String or binary data would be truncated."},
        {"UPDATE T SET n = '1.5' WHERE k = 'a'",
         "Conversion failed when converting the varchar value '1.5' to data type int."},
        {"INSERT INTO T (k, d) VALUES ('x', '123456789012')", "Arithmetic overflow error"},
        {"UPDATE T SET n = 99999999999 WHERE k = 'a'",
         "Arithmetic overflow error converting expression to data type int."},
        {"UPDATE T SET n = '99999999999' WHERE k = 'a'", "overflowed an int column"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(errorOf(QString::fromUtf8(c.sql)).contains(QString::fromUtf8(c.message)))
            << c.sql;
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM T")), QVariant(qlonglong(3)));
    EXPECT_EQ(scalar(QStringLiteral("SELECT n FROM T WHERE k = 'a'")), QVariant(qlonglong(1)));
    // Blanks beyond the length are dropped as SQL Server does.
    exec(QStringLiteral("INSERT INTO T (k, s) VALUES ('y', 'ab   ')"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT s FROM T WHERE k = 'y'")),
              QVariant(QStringLiteral("ab ")));
}

TEST_F(Translator, AffectedRowsAreCountedLikeSqlServer) {
    EXPECT_EQ(exec(QStringLiteral("UPDATE T SET n = n + 1 WHERE n >= 2")), 2);
    EXPECT_EQ(exec(QStringLiteral("UPDATE T SET n = 9 WHERE k = 'none'")), 0);
    EXPECT_EQ(exec(QStringLiteral("SELECT * FROM T")), -1);
    EXPECT_EQ(exec(QStringLiteral("CREATE TABLE U (a INTEGER)")), -1);
    EXPECT_EQ(exec(QStringLiteral("DELETE T WHERE k = 'B'")), 1);  // DELETE without FROM
    EXPECT_EQ(exec(QStringLiteral("UPDATE T SET n = 5 FROM T WHERE k = 'a'")), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT n FROM T WHERE k = 'A'")), QVariant(qlonglong(5)));
}

TEST_F(Translator, UpdateFromWithInnerJoinsUpdatesTheMatchedTargetRows) {
    db_.execute(QStringLiteral("CREATE TABLE U (k NVARCHAR(5) COLLATE CI_AS, m INTEGER)"));
    exec(QStringLiteral("INSERT INTO U (k, m) VALUES ('A', 10), ('c', 30), ('z', 50)"));
    EXPECT_EQ(exec(QStringLiteral(
                  "UPDATE a\nSET n = b.m + a.n\nFROM T a\nJOIN U b ON a.k = b.k\nWHERE b.m > 5")),
              2);
    EXPECT_EQ(
        exec(QStringLiteral("UPDATE T SET n = 0 FROM U INNER JOIN T ON T.k = U.k WHERE U.m = 30")),
        1);
    EXPECT_EQ(exec(QStringLiteral("UPDATE T SET s = 'j' FROM T, U WHERE T.k = U.k")), 2);
    const auto r = rows(QStringLiteral("SELECT k, n, s FROM T ORDER BY k"));
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[0], (QVariantList{QStringLiteral("a"), qlonglong(11), QStringLiteral("j")}));
    EXPECT_EQ(r[1], (QVariantList{QStringLiteral("B"), qlonglong(2), QVariant()}));
    EXPECT_EQ(r[2], (QVariantList{QStringLiteral("c"), qlonglong(0), QStringLiteral("j")}));
}

TEST_F(Translator, TextComparesCaseInsensitiveAndBlindToTrailingBlanks) {
    EXPECT_EQ(scalar(QStringLiteral("SELECT n FROM T WHERE k = 'A  '")), QVariant(qlonglong(1)));
    EXPECT_EQ(scalar(QStringLiteral("SELECT n FROM T WHERE LEFT(k, 1) = 'b'")),
              QVariant(qlonglong(2)));
    // Ordering by a computed text follows the same collation.
    const auto r = rows(QStringLiteral("SELECT k + '' AS kk FROM T ORDER BY kk"));
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[0][0].toString() + r[1][0].toString() + r[2][0].toString(), QStringLiteral("aBc"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT REPLACE(k, 'A', '-') FROM T WHERE n = 1")),
              QVariant(QStringLiteral("-")));
}

TEST_F(Translator, TablesCreatedInTsqlCompareTextUnderTheDefaultCollation) {
    db_.execute(QStringLiteral("CREATE TABLE #lots (lot NVARCHAR(10) PRIMARY KEY, qty NUMERIC)"));
    exec(QStringLiteral("INSERT INTO #lots VALUES ('Ab1', 2), ('b', 1)"));
    // The key and IN (SELECT ...) compare by the column's own collation.
    EXPECT_TRUE(errorOf(QStringLiteral("INSERT INTO #lots VALUES ('aB1 ', 3)"))
                    .contains(QStringLiteral("UNIQUE")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM #lots WHERE lot IN (SELECT k FROM T)")),
              QVariant(qlonglong(1)));
}

TEST_F(Translator, IsnullAndCaseTakeSqlServersResultType) {
    // The replacement takes the first argument's type: number, or text cut to its length.
    EXPECT_EQ(scalar(QStringLiteral("SELECT ISNULL(q, '0') FROM T WHERE k = 'c'")),
              QVariant(qlonglong(0)));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ISNULL(s, 'abcdef') FROM T WHERE k = 'B'")),
              QVariant(QStringLiteral("abc")));
    EXPECT_TRUE(errorOf(QStringLiteral("SELECT ISNULL(q, 'x') FROM T WHERE k = 'c'"))
                    .contains(QStringLiteral("numeric")));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT CASE WHEN q > 100 THEN q ELSE '0' END FROM T WHERE k = 'B'")),
        QVariant(qlonglong(0)));
    // A bare NUMERIC column keeps the scale of the value given; NUMERIC(10,2) rounds.
    EXPECT_EQ(scalar(QStringLiteral("SELECT ISNULL(q, '2.5') FROM T WHERE k = 'c'")),
              QVariant(2.5));
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT CASE WHEN q > 100 THEN q ELSE '0.25' END FROM T WHERE k = 'B'")),
              QVariant(0.25));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ISNULL(d, '2.345') FROM T WHERE k = 'c'")),
              QVariant(2.35));
}

TEST_F(Translator, TopBecomesLimitAtItsOwnLevel) {
    const auto r = rows(QStringLiteral(
        "SELECT (SELECT TOP 1 n FROM T ORDER BY n DESC) AS m, COUNT(*) AS c FROM T"));
    EXPECT_EQ(r[0][0], QVariant(qlonglong(3)));
    EXPECT_EQ(r[0][1], QVariant(qlonglong(3)));
    const auto top2 = rows(QStringLiteral(
        "SELECT TOP 2 k FROM T WHERE n IN (SELECT TOP (3) n FROM T) ORDER BY n DESC"));
    ASSERT_EQ(top2.size(), 2);
    EXPECT_EQ(top2[0][0].toString(), QStringLiteral("c"));
}

TEST_F(Translator, ResultColumnsAreNamedLikeSqlServer) {
    const auto out = db_.execute(
        QStringLiteral("SELECT COUNT(*), k, T.n, n + 1 AS [n plus], 'x' FROM T GROUP BY k, T.n"));
    ASSERT_EQ(out.size(), 1);
    EXPECT_EQ(out[0].result.columns,
              (QStringList{QString(), QStringLiteral("k"), QStringLiteral("n"),
                           QStringLiteral("n plus"), QString()}));
}

TEST_F(Translator, TranslationsAreCachedUntilTheSchemaChanges) {
    const QString sql = QStringLiteral("SELECT k FROM T WHERE n = 1");
    const auto first = db_.translation(sql);
    EXPECT_EQ(db_.translation(sql).get(), first.get());
    db_.execute(QStringLiteral("CREATE TABLE V (a INTEGER)"));
    EXPECT_NE(db_.translation(sql).get(), first.get());
}

TEST_F(Translator, DoubleQuotesNameAColumnNeverAText) {
    // SQL Server takes "a" for a name; SQLite would quietly take it for the text 'a'.
    EXPECT_TRUE(errorOf(QStringLiteral("SELECT k FROM T WHERE k = \"a\""))
                    .contains(QStringLiteral("no such column: a")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT \"n\" FROM T WHERE k = 'a'")), QVariant(qlonglong(1)));
}

TEST_F(Translator, BracketedNamesThatAreSqliteWordsStayNames) {
    db_.execute(
        QStringLiteral("CREATE TABLE [K] ([offset] INT, [glob] NVARCHAR(10), [order] INT)"));
    exec(QStringLiteral(
        "INSERT INTO K ([offset], [glob], [order]) VALUES (100000, N'한 ''상자''', 2)"));
    EXPECT_EQ(
        scalar(QStringLiteral(
            "SELECT [glob] FROM K WHERE [offset] = 100000 AND [order] IN (2) ORDER BY [order]")),
        QVariant(QStringLiteral("한 '상자'")));
}

struct Refusal {
    const char* sql;
    const char* construct;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << c.sql; }

class Unsupported : public Translator, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Unsupported, FailsNamingTheConstruct) {
    const QString error = errorOf(QString::fromUtf8(GetParam().sql));
    EXPECT_TRUE(error.startsWith(QStringLiteral("not supported by the embedded engine: ")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().construct), Qt::CaseInsensitive))
        << error.toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM T")), QVariant(qlonglong(3)));
}

INSTANTIATE_TEST_SUITE_P(
    Constructs, Unsupported,
    ::testing::Values(
        Refusal{"SELECT @x", "variable @x"}, Refusal{"SELECT GETUTCDATE()", "function GETUTCDATE"},
        Refusal{"SELECT DATEADD(day, 1, getdate())", "function DATEADD"},
        Refusal{"SELECT TOP 10 PERCENT k FROM T", "TOP ... PERCENT"},
        Refusal{"SELECT k INTO #x FROM T", "SELECT ... INTO"},
        Refusal{"SELECT k FROM T WITH (NOLOCK)", "WITH clause"},
        Refusal{"SELECT k, ROW_NUMBER() OVER (ORDER BY k) FROM T", "OVER clause"},
        Refusal{"DECLARE @x INT", "statement DECLARE"}, Refusal{"EXEC sp_who", "statement EXEC"},
        Refusal{"SET NOCOUNT ON", "statement SET"},
        Refusal{"UPDATE a SET n = 1 FROM T a LEFT JOIN T b ON a.k = b.k",
                "UPDATE ... FROM with LEFT JOIN"},
        Refusal{"DELETE a FROM T a WHERE 1 = 1", "DELETE alias FROM table"},
        Refusal{"SELECT CONVERT(varchar, getdate(), 105)", "CONVERT style 105"},
        Refusal{"SELECT DATEDIFF(fortnight, getdate(), getdate())", "DATEDIFF unit fortnight"},
        Refusal{"SELECT CAST(k AS xml) FROM T", "CAST to xml"},
        Refusal{"SELECT k FROM T UNION SELECT TOP 1 k FROM T", "TOP with UNION"},
        Refusal{"BEGIN TRAN", "BEGIN TRANSACTION"},
        Refusal{"SELECT k FROM T LIMIT 1", "LIMIT clause"},
        Refusal{"SELECT k FROM T WHERE k LIKE '[ab]%'", "LIKE pattern with [ ]"},
        Refusal{"SELECT LEFT('a')", "LEFT with 1 arguments"},
        Refusal{"IF 1 = 1 BEGIN SELECT 1", "BEGIN without END"}));

}  // namespace
