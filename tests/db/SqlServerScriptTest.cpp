#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include "PlantColumns.h"
#include "PlantDb.h"
#include "foundation/DemoPlant.h"
#include "support/TempFolder.h"

namespace {

struct ServerColumn {
    QString name;  // lower case
    QString definition;
};

struct ServerTable {
    QList<ServerColumn> columns;
    QStringList constraints;  // table-level lines (PRIMARY KEY (...), UNIQUE (...))

    QStringList names() const {
        QStringList out;
        for (const auto& c : columns) out << c.name;
        return out;
    }
    QString definition(const QString& column) const {
        for (const auto& c : columns) {
            if (c.name == column) return c.definition;
        }
        return {};
    }
};

QString readScript(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString withoutComments(const QString& sql) {
    static const QRegularExpression comment(QStringLiteral("--[^\n]*"));
    return QString(sql).remove(comment);
}

// The CREATE TABLE blocks of a script: table name (upper case) to its columns.
QMap<QString, ServerTable> parseTables(const QString& script) {
    QMap<QString, ServerTable> out;
    static const QRegularExpression create(QStringLiteral(R"(CREATE\s+TABLE\s+(\w+)\s*\()"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QString sql = withoutComments(script);
    auto it = create.globalMatch(sql);
    while (it.hasNext()) {
        const auto m = it.next();
        // The body runs to the parenthesis that closes the one after the name.
        int depth = 1;
        qsizetype i = m.capturedEnd(0);
        const qsizetype start = i;
        for (; i < sql.size() && depth > 0; ++i) {
            if (sql[i] == QLatin1Char('(')) ++depth;
            if (sql[i] == QLatin1Char(')')) --depth;
        }
        const QString body = sql.mid(start, i - 1 - start);
        // Split at commas outside parentheses.
        QStringList parts;
        QString current;
        depth = 0;
        for (const QChar ch : body) {
            if (ch == QLatin1Char('(')) ++depth;
            if (ch == QLatin1Char(')')) --depth;
            if (ch == QLatin1Char(',') && depth == 0) {
                parts << current.simplified();
                current.clear();
            } else {
                current += ch;
            }
        }
        parts << current.simplified();
        ServerTable table;
        for (const QString& part : parts) {
            if (part.isEmpty()) continue;
            const QString first = part.section(QLatin1Char(' '), 0, 0);
            if (first.compare(QLatin1String("PRIMARY"), Qt::CaseInsensitive) == 0 ||
                first.compare(QLatin1String("UNIQUE"), Qt::CaseInsensitive) == 0 ||
                first.compare(QLatin1String("CONSTRAINT"), Qt::CaseInsensitive) == 0) {
                table.constraints << part;
            } else {
                table.columns << ServerColumn{first.toLower(), part.section(QLatin1Char(' '), 1)};
            }
        }
        out.insert(m.captured(1).toUpper(), table);
    }
    return out;
}

class SqlServerScript : public ::testing::Test {
  protected:
    void SetUp() override {
        script = readScript(QStringLiteral(":/db/sqlserver.sql"));
        ASSERT_FALSE(script.isEmpty()) << "the SQL Server script is not in the resources";
        tables = parseTables(script);
    }
    QString script;
    QMap<QString, ServerTable> tables;
};

class ServerPlantTable : public SqlServerScript,
                         public ::testing::WithParamInterface<plantdb::PlantTable> {};

TEST_P(ServerPlantTable, IsCreatedWithEveryNamedColumn) {
    const auto& expected = GetParam();
    ASSERT_TRUE(tables.contains(expected.name.toUpper())) << expected.name.toStdString();
    const QStringList have = tables.value(expected.name.toUpper()).names();
    for (const QString& column : expected.columns) {
        EXPECT_TRUE(have.contains(column))
            << expected.name.toStdString() << "." << column.toStdString();
    }
}

TEST_P(ServerPlantTable, UsesServerTypesOnly) {
    const ServerTable table = tables.value(GetParam().name.toUpper());
    static const QRegularExpression serverType(
        QStringLiteral(R"(^(nvarchar\(\d+\)|int|numeric\(\d+,\d+\)|float|datetime)(\s|$))"),
        QRegularExpression::CaseInsensitiveOption);
    for (const auto& c : table.columns) {
        EXPECT_TRUE(serverType.match(c.definition).hasMatch())
            << GetParam().name.toStdString() << "." << c.name.toStdString() << ": "
            << c.definition.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Plant, ServerPlantTable, ::testing::ValuesIn(plantdb::plantTables()),
                         [](const auto& info) { return info.param.name.toStdString(); });

TEST_F(SqlServerScript, CreatesTheSameTablesAndColumnsAsTheEmbeddedSchema) {
    testsupport::TempFolder folder;
    const QString path = folder.file(QStringLiteral("plant.db"));
    QString error;
    ASSERT_TRUE(mes::gfCREATE_SCHEMA(path, &error)) << error.toStdString();
    plantdb::PlantDb db(path);
    QStringList embeddedTables;
    for (const QString& t : db.tables()) {
        if (t != QLatin1String("sqlite_sequence")) embeddedTables << t.toUpper();
    }
    embeddedTables.sort();
    EXPECT_EQ(QStringList(tables.keys()), embeddedTables);
    for (const QString& t : embeddedTables) {
        QStringList server = tables.value(t).names();
        QStringList embedded = db.columns(t);
        server.sort();
        embedded.sort();
        EXPECT_EQ(server, embedded) << t.toStdString();
    }
}

// The embedded engine enforces lengths and scales ("would be truncated", rounding)
// only as declared: both scripts must declare the same ones.
TEST_F(SqlServerScript, DeclaresTheSameTypesAsTheEmbeddedSchema) {
    testsupport::TempFolder folder;
    const QString path = folder.file(QStringLiteral("plant.db"));
    QString error;
    ASSERT_TRUE(mes::gfCREATE_SCHEMA(path, &error)) << error.toStdString();
    plantdb::PlantDb db(path);
    const QMap<QString, QString> plain{{"int", "INTEGER"}, {"float", "REAL"}, {"datetime", "TEXT"}};
    for (auto t = tables.cbegin(); t != tables.cend(); ++t) {
        for (const auto& c : t.value().columns) {
            const QString server = c.definition.section(QLatin1Char(' '), 0, 0).toLower();
            const QString expected = plain.value(server, server.toUpper());
            EXPECT_EQ(db.declaredType(t.key(), c.name).toUpper(), expected)
                << t.key().toStdString() << "." << c.name.toStdString();
        }
    }
}

TEST_F(SqlServerScript, HasTheUniqueKeysOfTheRunAndOrderNumbers) {
    EXPECT_TRUE(tables.value("P_SANGSAN_MASTER")
                    .definition("op_seq_sub")
                    .contains(QLatin1String("UNIQUE"), Qt::CaseInsensitive));
    EXPECT_TRUE(tables.value("B_JAKUPJISI_MASTER")
                    .definition("seq")
                    .contains(QLatin1String("UNIQUE"), Qt::CaseInsensitive));
}

TEST_F(SqlServerScript, AssignsIdxAsAnIdentity) {
    for (const QString& t : plantdb::identityTables()) {
        EXPECT_TRUE(tables.value(t)
                        .definition(QStringLiteral("idx"))
                        .contains(QLatin1String("IDENTITY(1,1)"), Qt::CaseInsensitive))
            << t.toStdString();
    }
    // The move ticket writes its own idx '1': no identity there.
    EXPECT_FALSE(tables.value("S_DATAREPORT1")
                     .definition(QStringLiteral("idx"))
                     .contains(QLatin1String("IDENTITY"), Qt::CaseInsensitive));
}

TEST_F(SqlServerScript, IndexesTheLookupsOfTheScreens) {
    const QString sql = withoutComments(script).simplified();
    for (const char* index :
         {"ON S_PRODUCT_STORE (product_code, lot_no)",
          "ON S_PRODUCT_STORE (product_code, reg_date)", "ON P_SANGSAN_MASTER (seq)",
          "ON B_JAKUPJISI_MASTER (jisi_date, end_yn)", "ON B_JAKUPJISI_MASTER (end_yn, jisi_date)",
          "ON B_EQUIPMENT (ipaddress)"}) {
        EXPECT_TRUE(sql.contains(QLatin1String(index), Qt::CaseInsensitive)) << index;
    }
}

TEST_F(SqlServerScript, NamesNoColumnWithAReservedWord) {
    // The server's reserved keywords; a column named so would need brackets in every
    // statement the screens send.
    const QStringList reserved =
        QStringLiteral(
            "add all alter and any as asc authorization backup begin between break browse bulk by "
            "cascade case check checkpoint close clustered coalesce collate column commit compute "
            "constraint contains containstable continue convert create cross current current_date "
            "current_time current_timestamp current_user cursor database dbcc deallocate declare "
            "default delete deny desc disk distinct distributed double drop dump else end errlvl "
            "escape except exec execute exists exit external fetch file fillfactor for foreign "
            "freetext freetexttable from full function goto grant group having holdlock identity "
            "identity_insert identitycol if in index inner insert intersect into is join key kill "
            "left like lineno load merge national nocheck nonclustered not null nullif of off "
            "offsets on open opendatasource openquery openrowset openxml option or order outer "
            "over "
            "percent pivot plan precision primary print proc procedure public raiserror read "
            "readtext reconfigure references replication restore restrict return revert revoke "
            "right rollback rowcount rowguidcol rule save schema securityaudit select "
            "semantickeyphrasetable semanticsimilaritydetailstable semanticsimilaritytable "
            "session_user set setuser shutdown some statistics system_user table tablesample "
            "textsize then to top tran transaction trigger truncate try_convert tsequal union "
            "unique "
            "unpivot update updatetext use user values varying view waitfor when where while with "
            "writetext")
            .split(QLatin1Char(' '));
    for (auto it = tables.cbegin(); it != tables.cend(); ++it) {
        for (const QString& column : it.value().names()) {
            EXPECT_FALSE(reserved.contains(column))
                << it.key().toStdString() << "." << column.toStdString();
        }
    }
}

TEST_F(SqlServerScript, RefusesADatabaseWhoseCollationLosesKorean) {
    // Quoted text without N is read in the database collation's code page: only
    // Korean (949) and UTF-8 (65001) keep Korean. The guard runs before anything
    // is created and stops the rest of the script.
    const QString sql = withoutComments(script).trimmed();
    const QString guard = sql.left(sql.indexOf(QLatin1String("CREATE TABLE"))).simplified();
    EXPECT_TRUE(guard.startsWith(QLatin1String("IF "))) << guard.toStdString();
    static const QRegularExpression codePage(QStringLiteral(
        R"(COLLATIONPROPERTY\(.*DATABASEPROPERTYEX\(DB_NAME\(\), 'Collation'\).*'CodePage'\))"
        R"(.*NOT IN \(949, 65001\))"));
    EXPECT_TRUE(codePage.match(guard).hasMatch()) << guard.toStdString();
    EXPECT_TRUE(guard.contains(QLatin1String("RAISERROR(")));
    EXPECT_TRUE(guard.contains(QLatin1String("SET NOEXEC ON;")));
    EXPECT_TRUE(sql.endsWith(QLatin1String("SET NOEXEC OFF;")));
}

TEST_F(SqlServerScript, HoldsNoEmbeddedOnlySyntax) {
    const QString sql = withoutComments(script);
    for (const char* word : {"AUTOINCREMENT", "COLLATE", "TEXT", "REAL", "NUMERIC", "IFNULL"}) {
        const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(QLatin1String(word)));
        EXPECT_FALSE(whole.match(sql).hasMatch()) << word;
    }
}

}  // namespace
