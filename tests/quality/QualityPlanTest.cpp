#include "QueryPlan.h"
#include "foundation/EmbeddedEngine.h"
#include "quality/JajuTestSql.h"
#include "quality/MoldTestSql.h"
#include "screens/support/ScreenFixture.h"

using namespace mes;

namespace {

class QualityPlans : public screentest::ScreenFixture {};

// The sheets' statements seek their rows: none reads a whole result table.
TEST_F(QualityPlans, TheSheetsStatementsSeekTheirRows) {
    auto* engine = dynamic_cast<EmbeddedEngine*>(session.connection());
    ASSERT_NE(engine, nullptr);
    const JajuKey key{"20261208002001", "FP-100", "1", "QS-FP-100"};
    const JajuSheet sheet{"1",           "1",          "500",    "E001", "2026-12-08", "500", "0",
                          "20261208001", "2026-12-08", "090000", ""};
    const JajuItem item{"QS-FP-100-01", {"OK", "OK", "OK"}, "", "합격", ""};
    MoldSheet mold{"20261208002001", "FP-100", "2026-12-08", {{"cylinder1", "5"}}};
    const QStringList statements = QStringList{gfMOLD_LOAD_SQL(mold.opSeqSub, mold.date),
                                               gfMOLD_COUNT_SQL(mold.opSeqSub, mold.date),
                                               *gfMOLD_UPDATE_SQL(mold, nullptr),
                                               gfJAJU_QUERY_SQL(key),
                                               gfJAJU_COUNT_SQL(key),
                                               gfJAJU_SHEET_OF_SQL(key),
                                               gfJAJU_SHEET_NUMBER_SQL("20261208", "2026-12-08"),
                                               gfJAJU_STANDARD_SQL("FP-100"),
                                               gfJAJU_ORDER_QTY_SQL(key.seq),
                                               gfJAJU_UPDATE_SQL(key, sheet),
                                               gfJAJU_ITEM_UPDATE_SQL(key, sheet, item),
                                               gfJAJU_ITEM_ADD_SQL(key, sheet, item)} +
                                   gfJAJU_DELETE_SQL(key);
    const QStringList results{"Q_MOLDTEST_RESULT", "Q_CHOJUNGJONGTEST_RESULT",
                              "Q_CHOJUNGJONGTEST_RESULT_SUB", "B_JAKUPJISI_MASTER"};
    for (const QString& sql : statements) {
        const mesbench::QueryPlan plan = mesbench::QueryPlan::of(engine->database(), sql);
        ASSERT_TRUE(plan.ok()) << plan.error().toStdString() << sql.toStdString();
        EXPECT_TRUE(plan.scansOf(results).isEmpty())
            << plan.text().toStdString() << sql.toStdString();
    }
}

}  // namespace
