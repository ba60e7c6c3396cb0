// Grouped derived tables joined on their key are read by correlated look-ups; the
// rows must stay those of the joins as written. Each case runs next to its
// reference form: the same statement with "AND 1 = 1" in the join condition, a
// shape the look-up rewrite leaves alone, so SQLite builds the aggregate itself.
#include <QRegularExpression>

#include "PlantFixture.h"

namespace {

using namespace plant;

struct Case {
    const char* name;
    QString sql;
    QString on;  // the join condition the reference extends
};

QString reference(const Case& c) {
    QString sql = c.sql;
    return sql.replace(c.on, c.on + QStringLiteral(" AND 1 = 1"));
}

class JoinRewrites : public PlantTest {
  protected:
    void SetUp() override {
        PlantTest::SetUp();
        addOrder(QStringLiteral("S1"), QStringLiteral("2026-12-08"), QStringLiteral("1"));
        addOrder(QStringLiteral("S2"), QStringLiteral("2026-12-07"), QStringLiteral("2"),
                 QStringLiteral("R2A"), QStringLiteral("100"), QStringLiteral("7"));
        addOrder(QStringLiteral("S3"), QStringLiteral("2026-12-06"), QStringLiteral("2"),
                 QStringLiteral("R3A"), QStringLiteral("100"), QStringLiteral("2"));
        exec(
            QStringLiteral("INSERT INTO P_SANGSAN_MASTER (seq, op_seq_sub, qty, employee_no, "
                           "employee_su, equipment_code) VALUES ('s2', 'R2B', 9, 'EMP2', 3, "
                           "'E02')"));
        // M01: two days, two rows on the later one, one row after the dates asked.
        addStock(QStringLiteral("M01"), QStringLiteral("L1"), QStringLiteral("2026-12-05"),
                 QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("10"));
        addStock(QStringLiteral("M01"), QStringLiteral("L2"), QStringLiteral("2026-12-07"),
                 QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("20"));
        addStock(QStringLiteral("m01"), QStringLiteral("L2"), QStringLiteral("2026-12-07"),
                 QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("15"));
        addStock(QStringLiteral("M01"), QStringLiteral("L3"), QStringLiteral("2026-12-09"),
                 QStringLiteral("84"), QStringLiteral("0"), QStringLiteral("99"));
    }

    void expectSameRows(const Case& c) {
        SCOPED_TRACE(c.name);
        static const QRegularExpression derived(QStringLiteral(R"((JOIN|FROM)\s*\()"),
                                                QRegularExpression::CaseInsensitiveOption);
        auto sqliteText = [this](const QString& sql) {
            return db_.translation(sql)->steps.front().statement.sql;
        };
        EXPECT_FALSE(sqliteText(c.sql).contains(derived)) << sqliteText(c.sql).toStdString();
        EXPECT_TRUE(sqliteText(reference(c)).contains(derived));
        const QStringList got = texts(c.sql);
        EXPECT_FALSE(got.isEmpty());
        EXPECT_EQ(got, texts(reference(c)));
    }
};

QString aggregateJoin(const QString& items, const QString& where, const QString& keys,
                      const QString& on, const QString& outer) {
    return QStringLiteral(
               "SELECT B_JAK.seq, %5 FROM B_JAKUPJISI_MASTER B_JAK LEFT JOIN ("
               "SELECT %1 FROM P_SangSan_Master %2 GROUP BY %3) X ON %4 "
               "LEFT JOIN B_EMPLOYEE B_EM2 ON B_EM2.employee_no = X.employee_no "
               "ORDER BY B_JAK.seq")
        .arg(items, where, keys, on, outer);
}

TEST_F(JoinRewrites, AggregateJoinedOnItsKeyGivesTheRowsOfTheJoin) {
    const QString bySeq = QStringLiteral("X.seq = B_JAK.seq");
    const QString mx = QStringLiteral("seq AS seq, MAX(employee_no) AS employee_no");
    const Case cases[] = {
        {"max per order, none for S1",
         aggregateJoin(mx + QStringLiteral(", MAX(employee_su) AS su"), {}, QStringLiteral("seq"),
                       bySeq, QStringLiteral("X.employee_no, X.su, B_EM2.employee_name")),
         bySeq},
        {"count and sum of no rows are null",
         aggregateJoin(mx + QStringLiteral(", COUNT(*) AS n, SUM(qty) AS total"), {},
                       QStringLiteral("seq"), QStringLiteral("B_JAK.seq = X.seq"),
                       QStringLiteral("X.n, X.total")),
         QStringLiteral("B_JAK.seq = X.seq")},
        {"inner condition empties a key",
         aggregateJoin(mx + QStringLiteral(", COUNT(qty) AS n"), QStringLiteral("WHERE qty > 5"),
                       QStringLiteral("seq"), bySeq, QStringLiteral("X.n, X.employee_no")),
         bySeq},
        {"two key columns",
         aggregateJoin(mx + QStringLiteral(", equipment_code AS eq, SUM(qty) AS total"), {},
                       QStringLiteral("seq, equipment_code"),
                       bySeq + QStringLiteral(" AND X.eq = B_JAK.equipment_code"),
                       QStringLiteral("X.total, X.employee_no")),
         bySeq + QStringLiteral(" AND X.eq = B_JAK.equipment_code")},
        {"work-order list", orderList(QStringLiteral("2026-12-01"), QString()),
         QStringLiteral("P_SM on P_SM.seq = B_JAK.seq")},
    };
    for (const Case& c : cases) expectSameRows(c);
    // S1 has no run: every column of the aggregate is null, COUNT included.
    EXPECT_EQ(texts(cases[1].sql).first(), QStringLiteral("S1|NULL|NULL"));
}

TEST_F(JoinRewrites, LatestBalanceRowIsTheLastOnTheLatestDate) {
    const struct {
        const char* product;
        const char* date;
    } asks[] = {{"M01", "2026-12-08"}, {"m01", "2026-12-07"}, {"M01", "2026-12-05"},
                {"M01", "2026-12-04"}, {"M02", "2026-12-08"}, {"X99", "2026-12-08"},
                {"M01", "2026-12-09"}};
    for (const auto& a : asks) {
        const QString insert = insertStoreIn(
            QStringLiteral("S_PRODUCT_STORE"), QStringLiteral("20261208001001"),
            QString::fromUtf8(a.product), QStringLiteral("5"), QStringLiteral("재공품추가"),
            QStringLiteral("L9"), QString::fromUtf8(a.date), QString());
        const QString select = QStringLiteral("SELECT AA.product_code, C.idx, C.jego_su ") +
                               insert.mid(insert.indexOf(QStringLiteral("From (")));
        const QString on = QStringLiteral("ON A.PRODUCT_CODE = AA.PRODUCT_CODE");
        if (QString::fromUtf8(a.product) == QStringLiteral("X99")) {
            EXPECT_TRUE(texts(select).isEmpty());  // not in the master: nothing to insert
            EXPECT_EQ(texts(reference({"", select, on})), QStringList());
            continue;
        }
        expectSameRows({a.date, select, on});
    }
    // Before the first movement the master row stands alone (the fallback applies).
    EXPECT_EQ(texts(QStringLiteral("SELECT AA.product_code, C.idx ") +
                    insertStoreIn(QStringLiteral("S_PRODUCT_STORE"), QStringLiteral("k"),
                                  QStringLiteral("M01"), QStringLiteral("5"), QStringLiteral("t"),
                                  QStringLiteral("L9"), QStringLiteral("2026-12-04"), QString())
                        .section(QStringLiteral("From ("), 1)
                        .prepend(QStringLiteral("From ("))),
              QStringList{QStringLiteral("M01|NULL")});
}

// A grouping filtered outside on its key gets the filter inside; the reference
// pins the key through a parenthesised value, which the rewrite leaves alone.
TEST_F(JoinRewrites, GroupingFilteredOnItsKeyGivesTheRowsOfTheFullGrouping) {
    const struct {
        const char* name;
        QString sql;
        QStringList pins;  // the outer terms the reference writes with ( )
    } cases[] = {
        {"lot list through the master",
         lotList(QStringLiteral("M01"), QStringLiteral("2026-12-08")),
         {QStringLiteral("= 'M01'")}},
        {"lot list, other spelling",
         lotList(QStringLiteral("m01"), QStringLiteral("2026-12-08")),
         {QStringLiteral("= 'm01'")}},
        {"scanned lot of two spellings",
         scannedLot(QStringLiteral("M01"), QStringLiteral("l2"), QStringLiteral("2026-12-08")),
         {QStringLiteral("= 'M01'"), QStringLiteral("= 'l2'")}},
        {"pinned on the derived table",
         QStringLiteral("SELECT A.lot_no, A.n, A.total FROM (SELECT product_code AS product_code, "
                        "lot_no AS lot_no, COUNT(*) AS n, SUM(ipgo_su) AS total FROM "
                        "S_PRODUCT_STORE GROUP BY product_code, lot_no) A WHERE A.product_code "
                        "= 'm01' ORDER BY A.lot_no"),
         {QStringLiteral("= 'm01'")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString reference = c.sql;
        for (const QString& pin : c.pins)
            reference.replace(pin, QStringLiteral("= (") + pin.mid(2) + u')');
        auto paths = [this](const QString& sql) {
            return db_.translation(sql)->steps.front().statement.paths;
        };
        EXPECT_EQ(paths(c.sql), QStringList{QStringLiteral("group key filter")});
        EXPECT_EQ(paths(reference), QStringList());
        const QStringList got = texts(c.sql);
        EXPECT_FALSE(got.isEmpty());
        EXPECT_EQ(got, texts(reference));
    }
}

}  // namespace
