#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "PlantColumns.h"
#include "PlantDb.h"
#include "foundation/DemoPlant.h"
#include "support/TempFolder.h"

using plantdb::PlantDb;
using plantdb::plantTables;

namespace {

// Run and order keys are required; rows written by a test carry one.
QString keyedInsert(const QString& table, const QString& column, const QString& value) {
    if (table == QLatin1String("P_SANGSAN_MASTER") && column != QLatin1String("op_seq_sub")) {
        return QStringLiteral("INSERT INTO %1 (op_seq_sub, %2) VALUES ('20261208001001', %3)")
            .arg(table, column, value);
    }
    if (table == QLatin1String("B_JAKUPJISI_MASTER") && column != QLatin1String("seq")) {
        return QStringLiteral("INSERT INTO %1 (seq, %2) VALUES ('20261208001001', %3)")
            .arg(table, column, value);
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, column, value);
}

class EmbeddedSchema : public ::testing::Test {
  protected:
    void SetUp() override {
        path = folder.file(QStringLiteral("plant.db"));
        QString error;
        ASSERT_TRUE(mes::gfCREATE_SCHEMA(path, &error)) << error.toStdString();
        db = std::make_unique<PlantDb>(path);
    }

    testsupport::TempFolder folder;
    QString path;
    std::unique_ptr<PlantDb> db;
};

class EveryPlantTable : public EmbeddedSchema,
                        public ::testing::WithParamInterface<plantdb::PlantTable> {};

TEST_P(EveryPlantTable, ExistsWithEveryNamedColumn) {
    const auto& table = GetParam();
    ASSERT_TRUE(db->tables().contains(table.name, Qt::CaseInsensitive)) << table.name.toStdString();
    const QStringList have = db->columns(table.name);
    for (const QString& column : table.columns) {
        EXPECT_TRUE(have.contains(column))
            << table.name.toStdString() << "." << column.toStdString();
    }
}

TEST_P(EveryPlantTable, TextColumnsCompareAsTheServerDoes) {
    const auto& table = GetParam();
    for (const QString& column : db->columns(table.name)) {
        const QString type = db->declaredType(table.name, column).toUpper();
        if (type == QLatin1String("TEXT") || type.startsWith(QLatin1String("NVARCHAR("))) {
            EXPECT_EQ(db->declaredCollation(table.name, column), QStringLiteral("CI_AS"))
                << table.name.toStdString() << "." << column.toStdString();
        } else {
            // Every other column is a number (or the identity): never untyped, never blob.
            EXPECT_TRUE(type == QLatin1String("INTEGER") ||
                        type.startsWith(QLatin1String("NUMERIC")) || type == QLatin1String("REAL"))
                << table.name.toStdString() << "." << column.toStdString() << " "
                << type.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Plant, EveryPlantTable, ::testing::ValuesIn(plantTables()),
                         [](const auto& info) { return info.param.name.toStdString(); });

TEST_F(EmbeddedSchema, HoldsOnlyThePlantTables) {
    QStringList expected;
    for (const auto& t : plantTables()) expected << t.name.toUpper();
    QStringList have;
    for (const QString& t : db->tables()) {
        if (t != QLatin1String("sqlite_sequence")) have << t.toUpper();
    }
    expected.sort();
    have.sort();
    EXPECT_EQ(have, expected);
}

TEST_F(EmbeddedSchema, IdentityIdxIsAssignedAndIncreases) {
    for (const QString& table : plantdb::identityTables()) {
        const QString insert = keyedInsert(table, QStringLiteral("idx"), QStringLiteral("NULL"));
        ASSERT_TRUE(db->exec(insert))
            << table.toStdString() << ": " << db->lastError().toStdString();
        ASSERT_TRUE(db->exec(QStringLiteral("DELETE FROM %1").arg(table)));
        ASSERT_TRUE(db->exec(insert));
        // AUTOINCREMENT: a deleted highest idx is never handed out again.
        EXPECT_EQ(db->value(QStringLiteral("SELECT MAX(idx) FROM %1").arg(table)).toLongLong(), 2)
            << table.toStdString();
    }
}

struct UniqueKey {
    const char* table;
    const char* column;
    const char* first;
    const char* clash;  // equal to first under the server's comparison
};

class UniqueKeys : public EmbeddedSchema, public ::testing::WithParamInterface<UniqueKey> {};

TEST_P(UniqueKeys, RefuseASecondRowWithTheSameKey) {
    const UniqueKey k = GetParam();
    ASSERT_TRUE(db->exec(
        QStringLiteral("INSERT INTO %1 (%2) VALUES ('%3')").arg(k.table, k.column, k.first)))
        << db->lastError().toStdString();
    EXPECT_FALSE(db->exec(
        QStringLiteral("INSERT INTO %1 (%2) VALUES ('%3')").arg(k.table, k.column, k.clash)));
    EXPECT_TRUE(db->lastError().contains(QLatin1String("UNIQUE"))) << db->lastError().toStdString();
    EXPECT_EQ(db->value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(k.table)).toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, UniqueKeys,
    ::testing::Values(
        UniqueKey{"P_SANGSAN_MASTER", "op_seq_sub", "20261208001001", "20261208001001"},
        UniqueKey{"P_SANGSAN_MASTER", "op_seq_sub", "20261208001001", "20261208001001  "},
        UniqueKey{"B_JAKUPJISI_MASTER", "seq", "20261208001001", "20261208001001"},
        UniqueKey{"B_CUSTOMER", "customer_code", "c001", "C001 "},
        UniqueKey{"B_PRODUCT_MASTER", "product_code", "FP-100", "fp-100"},
        UniqueKey{"REAL_TIME", "equipment_code", "P-01", "p-01"}));

struct Conversion {
    const char* table;
    const char* column;
    const char* quoted;    // as a statement writes it
    const char* storedAs;  // SQLite's typeof() afterwards
};

class QuotedValues : public EmbeddedSchema, public ::testing::WithParamInterface<Conversion> {};

TEST_P(QuotedValues, ConvertToTheColumnsType) {
    const Conversion c = GetParam();
    ASSERT_TRUE(db->exec(keyedInsert(c.table, c.column, c.quoted)))
        << db->lastError().toStdString();
    EXPECT_EQ(
        db->value(QStringLiteral("SELECT typeof(%2) FROM %1").arg(c.table, c.column)).toString(),
        QString::fromLatin1(c.storedAs));
}

INSTANTIATE_TEST_SUITE_P(Types, QuotedValues,
                         ::testing::Values(
                             // quantities become numbers
                             Conversion{"P_SANGSAN_MASTER", "jisiqty", "'150'", "integer"},
                             Conversion{"P_SANGSAN_MASTER", "qty", "'0'", "integer"},
                             Conversion{"B_JAKUPJISI_MASTER", "order_qty", "'1.5'", "real"},
                             Conversion{"S_PRODUCT_STORE", "jego_su", "'-12'", "integer"},
                             Conversion{"P_BADQTY", "bad_qty", "7", "integer"},
                             Conversion{"Q_MOLDTEST_RESULT", "cylinder1", "230", "real"},
                             // codes, dates and times stay text, leading zeros kept
                             Conversion{"B_JAKUPJISI_MASTER", "end_yn", "'1'", "text"},
                             Conversion{"B_JAKUPJISI_MASTER", "juya_gubun", "1", "text"},
                             Conversion{"B_JAKUPJISI_MASTER", "chulha_yn", "'0'", "text"},
                             Conversion{"P_SANGSAN_MASTER", "op_seq", "'20261208001'", "text"},
                             Conversion{"P_SANGSAN_MASTER", "last_time", "'070501'", "text"},
                             Conversion{"P_SANGSAN_MASTER", "stime", "'07:05'", "text"},
                             Conversion{"B_PROCESS", "process_code", "1000", "text"},
                             Conversion{"Q_CHOJUNGJONGTEST_RESULT", "process_juya", "0", "text"}),
                         [](const auto& info) {
                             return std::string(info.param.table) + "_" + info.param.column;
                         });

TEST_F(EmbeddedSchema, LeavesNoBuildingFileBehind) {
    const QStringList left = QDir(folder.path()).entryList(QDir::Files);
    for (const QString& f : left)
        EXPECT_FALSE(f.endsWith(QLatin1String(".part"))) << f.toStdString();
}

TEST_F(EmbeddedSchema, RunsAndOrdersCannotLackTheirKey) {
    EXPECT_FALSE(db->exec(QStringLiteral("INSERT INTO P_SANGSAN_MASTER (qty) VALUES (1)")));
    EXPECT_FALSE(db->exec(QStringLiteral("INSERT INTO B_JAKUPJISI_MASTER (qty) VALUES (1)")));
}

TEST_F(EmbeddedSchema, HasNoGlobalTemporaryTable) {
    EXPECT_FALSE(db->tables().contains(QStringLiteral("##TEMP_REAL_LOT"), Qt::CaseInsensitive));
    EXPECT_FALSE(db->tables().contains(QStringLiteral("TEMP_REAL_LOT"), Qt::CaseInsensitive));
}

TEST(EmbeddedSchemaOnExistingFile, AFailedCreationLeavesTheDatabaseAsItWas) {
    testsupport::TempFolder folder;
    const QString path = folder.file(QStringLiteral("other.db"));
    {
        PlantDb other(path);
        ASSERT_TRUE(
            other.exec(QStringLiteral("CREATE TABLE keep (x TEXT); INSERT INTO keep VALUES ('a');"
                                      "CREATE TABLE P_BADQTY (x TEXT);")));
    }
    QString error;
    EXPECT_FALSE(mes::gfCREATE_SCHEMA(path, &error));
    EXPECT_FALSE(error.isEmpty());
    PlantDb other(path);
    // One transaction: the tables created before the clash are gone again.
    EXPECT_EQ(other.tables(), (QStringList{"P_BADQTY", "keep"}));
    EXPECT_EQ(other.value(QStringLiteral("SELECT x FROM keep")).toString(), QStringLiteral("a"));
}

TEST(EmbeddedSchemaOnExistingFile, AddsThePlantTablesToAnEmptyDatabase) {
    testsupport::TempFolder folder;
    const QString path = folder.file(QStringLiteral("empty.db"));
    { PlantDb empty(path); }
    QString error;
    ASSERT_TRUE(mes::gfCREATE_SCHEMA(path, &error)) << error.toStdString();
    PlantDb db(path);
    EXPECT_TRUE(db.tables().contains(QStringLiteral("P_SANGSAN_MASTER")));
}

TEST(EmbeddedSchemaFailure, AnUnusableFolderGivesAnErrorAndNoFile) {
    testsupport::TempFolder folder;
    QFile blocker(folder.file(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = folder.file(QStringLiteral("not-a-folder/plant.db"));
    QString error;
    EXPECT_FALSE(mes::gfCREATE_SCHEMA(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
