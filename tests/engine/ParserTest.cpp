#include "PlantFixture.h"
#include "engine/Batch.h"
#include "engine/EngineError.h"
#include "engine/StatementParser.h"
#include "engine/TreePrinter.h"

namespace {

using engine::Node;
using engine::NodeKind;

// The printed tree, or the error text after "! ".
QString printed(const QString& sql) {
    try {
        return engine::TreePrinter().print(engine::parseBatch(sql));
    } catch (const engine::EngineError& e) {
        return QStringLiteral("! ") + e.message();
    }
}

QString failure(const QString& sql) {
    try {
        engine::parseBatch(sql);
    } catch (const engine::EngineError& e) {
        return e.message();
    }
    return QString();
}

struct Construct {
    const char* sql;
    const char* expected;
};

// Each construct of the subset, as the printer writes it back.
TEST(Parser, ReadsEachConstructOfTheSubset) {
    const Construct cases[] = {
        {"select a, t.b As x, [총 수량] 'y', z = 1 from T t",
         "SELECT a, t.b AS x, \"총 수량\" AS y, 1 AS z FROM T t"},
        {"SELECT t.*, * FROM dbo.T AS t", "SELECT t.*, * FROM dbo.T t"},
        {"SELECT DISTINCT TOP 5 a FROM T", "SELECT DISTINCT TOP (5) a FROM T"},
        {"SELECT TOP (1) a FROM T ORDER BY a DESC, b ASC",
         "SELECT TOP (1) a FROM T ORDER BY a DESC, b"},
        {"SELECT a FROM T WHERE a = 'it''s' AND b <> N'한글' OR NOT c >= -1.50",
         "SELECT a FROM T WHERE a = 'it''s' AND b <> N'한글' OR NOT c >= -1.50"},
        {"SELECT 1 + 2 * 3 - (4 - 5) % 2, - -a, ~b", "SELECT 1 + 2 * 3 - (4 - 5) % 2, - -a, ~b"},
        {"SELECT a FROM T WHERE a NOT BETWEEN 1 AND 100000 AND b IN (1, 2) AND c NOT IN "
         "(SELECT c FROM U) AND d LIKE 'A%' ESCAPE '!' AND e IS NOT NULL AND f IS NULL",
         "SELECT a FROM T WHERE a NOT BETWEEN 1 AND 100000 AND b IN (1, 2) AND c NOT IN (SELECT c "
         "FROM U) AND d LIKE 'A%' ESCAPE '!' AND e IS NOT NULL AND f IS NULL"},
        {"SELECT CASE WHEN a > 0 THEN 'p' ELSE 'n' END, CASE b WHEN 1 THEN 'one' END FROM T",
         "SELECT CASE WHEN a > 0 THEN 'p' ELSE 'n' END, CASE b WHEN 1 THEN 'one' END FROM T"},
        {"select isnull(sum(qty),0), count(*), count(distinct lot), cast(q as numeric(10, 2)), "
         "convert(char(10), getdate(), 120), left(x, 2), datediff(day, a, b) from T",
         "SELECT ISNULL(SUM(qty), 0), COUNT(*), COUNT(DISTINCT lot), CAST(q AS numeric(10,2)), "
         "CONVERT(char(10), GETDATE(), 120), LEFT(x, 2), DATEDIFF(day, a, b) FROM T"},
        {"SELECT a FROM T WHERE EXISTS (SELECT 1 FROM U WHERE U.k = T.k) AND b = (SELECT MAX(b) "
         "FROM U)",
         "SELECT a FROM T WHERE EXISTS (SELECT 1 FROM U WHERE U.k = T.k) AND b = (SELECT MAX(b) "
         "FROM U)"},
        {"SELECT a FROM T inner join U on T.k = U.k LEFT OUTER JOIN V v ON v.k = U.k CROSS JOIN W, "
         "X",
         "SELECT a FROM T JOIN U ON T.k = U.k LEFT JOIN V v ON v.k = U.k CROSS JOIN W, X"},
        {"SELECT s.k, s.n FROM (SELECT k, COUNT(*) n FROM T GROUP BY k HAVING COUNT(*) > 1) s",
         "SELECT s.k, s.n FROM (SELECT k, COUNT(*) AS n FROM T GROUP BY k HAVING COUNT(*) > 1) s"},
        {"SELECT a FROM T UNION ALL SELECT a FROM U EXCEPT SELECT a FROM V ORDER BY 1",
         "SELECT a FROM T UNION ALL SELECT a FROM U EXCEPT SELECT a FROM V ORDER BY 1"},
        // INTERSECT first, as SQL Server reads it; SQLite takes the parts in order.
        {"SELECT a FROM T UNION SELECT a FROM U INTERSECT SELECT a FROM V",
         "SELECT a FROM T UNION SELECT * FROM (SELECT a FROM U INTERSECT SELECT a FROM V) "
         "intersected"},
        {"insert into T (a, [b c]) values (1, 'x'), (-2, NULL)",
         "INSERT INTO T (a, \"b c\") VALUES (1, 'x'), (-2, NULL)"},
        {"INSERT T SELECT a FROM U", "INSERT INTO T SELECT a FROM U"},
        {"UPDATE a SET qty = a.qty + 1, bigo = 'x' FROM T a JOIN U b ON a.k = b.k WHERE b.n = 1",
         "UPDATE a SET qty = a.qty + 1, bigo = 'x' FROM T a JOIN U b ON a.k = b.k WHERE b.n = 1"},
        {"DELETE T WHERE k = 1; delete from U", "DELETE FROM T WHERE k = 1;\nDELETE FROM U"},
        {"CREATE TABLE T (a int, b varchar(10))\nDROP TABLE U",
         "CREATE TABLE T (a int, b varchar(10));\nDROP TABLE U"},
        {"IF OBJECT_ID('T') IS NULL BEGIN SELECT 1; SELECT 2 END ELSE SELECT 3",
         "IF OBJECT_ID('T') IS NULL BEGIN SELECT 1; SELECT 2 END ELSE BEGIN SELECT 3 END"},
        {"IF EXISTS (SELECT 1 FROM T) UPDATE T SET a = 1 ELSE INSERT INTO T (a) VALUES (1)",
         "IF EXISTS (SELECT 1 FROM T) BEGIN UPDATE T SET a = 1 END ELSE BEGIN INSERT INTO T (a) "
         "VALUES (1) END"},
        {"SELECT [select], \"a\"\"b\", [#x] FROM [order]",
         "SELECT \"select\", \"a\"\"b\", \"#x\" FROM \"order\""},
    };
    for (const Construct& c : cases) {
        const QString sql = QString::fromUtf8(c.sql);
        EXPECT_EQ(printed(sql), QString::fromUtf8(c.expected)) << c.sql;
        // What is printed reads back to the same text.
        EXPECT_EQ(printed(printed(sql)), printed(sql)) << c.sql;
    }
}

// Refused with the construct and where it stands.
TEST(Parser, RefusesWhatIsOutsideTheSubsetWithItsPosition) {
    const Construct cases[] = {
        {"SELECT a FROM T WITH (NOLOCK)",
         "not supported by the embedded engine: WITH clause (at character 16)"},
        {"SELECT @a", "not supported by the embedded engine: variable @a (at character 7)"},
        {"SELECT a INTO U FROM T",
         "not supported by the embedded engine: SELECT ... INTO (at character 9)"},
        {"DECLARE @a int",
         "not supported by the embedded engine: statement DECLARE (at character 0)"},
        {"SELECT TOP 5 PERCENT a FROM T",
         "not supported by the embedded engine: TOP ... PERCENT (at character 13)"},
        {"SELECT a FROM T CROSS APPLY U",
         "not supported by the embedded engine: APPLY clause (at character 22)"},
        {"BEGIN TRAN",
         "not supported by the embedded engine: BEGIN TRANSACTION inside a statement (at character "
         "0)"},
        {"IF 1 = 1 BEGIN SELECT 1",
         "not supported by the embedded engine: BEGIN without END (at character 23)"},
        {"SELECT 1 END",
         "not supported by the embedded engine: END without BEGIN (at character 9)"},
        {"SELECT a FROM T WHERE", "Incorrect syntax near the end of the batch."},
        {"SELECT a FROM T WHERE a = = 1", "Incorrect syntax near '=' (at character 26)."},
        {"SELECT (1", "Incorrect syntax near the end of the batch."},
        {"UPDATE T SET a += 1", "Incorrect syntax near '+' (at character 15)."},
        {"SELECT CASE WHEN a THEN 1", "Incorrect syntax near the end of the batch."},
    };
    for (const Construct& c : cases)
        EXPECT_EQ(failure(QString::fromUtf8(c.sql)), QString::fromUtf8(c.expected)) << c.sql;
}

// Read by the parser, refused by the check of the tree against the function table
// and what SQLite can run.
TEST(Parser, CheckedTreeRefusesWhatTheEngineCannotRun) {
    const Construct cases[] = {
        {"SELECT DATEADD(day, 1, GETDATE())", "function DATEADD (at character 7)"},
        {"SELECT tsql_add(1, 2)", "function TSQL_ADD (at character 7)"},
        {"SELECT LEFT('a')", "LEFT with 1 arguments (at character 7)"},
        {"SELECT a FROM T UNION SELECT TOP 1 a FROM U", "TOP with UNION (at character 29)"},
        {"SELECT CAST(a AS xml) FROM T", "CAST to xml (at character 17)"},
        {"SELECT DATEDIFF(fortnight, a, b) FROM T", "DATEDIFF unit fortnight (at character 16)"},
        {"SELECT a FROM T WHERE a LIKE '[ab]%'", "LIKE pattern with [ ] (at character 29)"},
        {"SELECT CONVERT(char(10), a, b) FROM T",
         "CONVERT with a computed style (at character 28)"},
    };
    for (const Construct& c : cases) {
        QString error;
        try {
            engine::translateBatch(QString::fromUtf8(c.sql), engine::SchemaInfo());
        } catch (const engine::EngineError& e) {
            error = e.message();
        }
        EXPECT_EQ(error, QStringLiteral("not supported by the embedded engine: ") +
                             QString::fromUtf8(c.expected))
            << c.sql;
    }
}

TEST(Parser, NodesKeepWhereTheyBegin) {
    const QString sql = QStringLiteral("SELECT a,\n  qty * 2 FROM T WHERE k = '한글'");
    const Node batch = engine::parseBatch(sql);
    const Node& select = batch.kids.at(0).kids.at(0);
    const Node& second = select.find(NodeKind::SelectList)->kids.at(1);
    EXPECT_EQ(sql.mid(second.pos, 3), QStringLiteral("qty"));
    EXPECT_EQ(sql.mid(second.kids.at(0).pos, 3), QStringLiteral("qty"));
    EXPECT_EQ(sql.mid(second.kids.at(0).kids.at(1).pos, 1), QStringLiteral("2"));
    const Node& where = *select.find(NodeKind::Where);
    EXPECT_EQ(sql.mid(where.kids.at(0).kids.at(1).pos, 4), QStringLiteral("'한글'"));
}

// Every statement the screens send parses, and its printed tree reads the same
// rows on a seeded plant as the statement itself.
class ParsedScreens : public PlantTest {};

TEST_F(ParsedScreens, EveryScreenStatementPrintsBackToTheSameRows) {
    const QStringList samples = plant::allSamples();
    ASSERT_GT(samples.size(), 50);
    int compared = 0;
    for (const QString& sql : samples) {
        SCOPED_TRACE(sql.toStdString());
        const QString text = printed(sql);
        ASSERT_FALSE(text.startsWith(QStringLiteral("! "))) << text.toStdString();
        EXPECT_EQ(printed(text), text);
        const Node batch = engine::parseBatch(sql);
        if (batch.kids.size() != 1 || batch.kids[0].kind != NodeKind::Query) continue;
        EXPECT_EQ(texts(text), texts(sql));
        ++compared;
    }
    EXPECT_GT(compared, 20);
}

}  // namespace
