// The stock statements of the end of a run on the scaled plant, small and large:
// the latest-balance insert-select into the work-in-process store and the two
// first-in first-out lot look-ups of a component of AP-500, and the lot picker's
// list and scanned-lot check of that component. Statements, Session
// and SQLite time per statement, and the query plan (printed once per case on
// stderr; "big_scans" counts plan lines that read a whole history table).
#include <benchmark/benchmark.h>

#include "ActionMeter.h"
#include "BenchMain.h"
#include "BenchSession.h"
#include "PlanPrint.h"
#include "PlantStatements.h"
#include "QueryPlan.h"
#include "SharedPlants.h"
#include "foundation/TerminalClock.h"

namespace {

using mesbench::BenchSession;

const char* const kStatementNames[] = {"balance insert", "first lot", "next lots", "lot list",
                                       "scanned lot"};

// The first component of AP-500 (all fifty are in stock).
QString component(BenchSession& p) {
    mes::RecordData rows;
    mes::DbError error;
    const QString sql = plant::lines(
        {QStringLiteral("SELECT MIN(B_BOM2.product_code)"), QStringLiteral("FROM B_BOM B_BOM"),
         QStringLiteral("JOIN B_BOM B_BOM2 ON B_BOM.bom_code = B_BOM2.high_bom_code"),
         QStringLiteral("WHERE B_BOM.product_code = 'AP-500'")});
    if (!p.session().fetch(sql, &rows, &error) || rows.rows.isEmpty()) return {};
    return rows.rows.first().value(0).toString();
}

// A lot the component has had, as a scanner would read it.
QString lotOf(BenchSession& p, const QString& product) {
    mes::RecordData rows;
    mes::DbError error;
    const QString sql =
        QStringLiteral("SELECT MAX(lot_no) FROM S_PRODUCT_STORE WHERE product_code = '%1'")
            .arg(product);
    if (!p.session().fetch(sql, &rows, &error) || rows.rows.isEmpty()) return {};
    return rows.rows.first().value(0).toString();
}

QString statementOf(int which, const QString& product, const QString& lot, const QString& today) {
    switch (which) {
        case 3:
            return plant::lotList(product, today);
        case 4:
            return plant::scannedLot(product, lot, today);
        case 1:
            return plant::firstLot(product, today);
        case 2:
            return plant::nextLots(product, today);
        default:
            return plant::insertStoreIn(QStringLiteral("S_PRODUCT_STORE"),
                                        QStringLiteral("20261209001001"), product,
                                        QStringLiteral("5"), QStringLiteral("재공품추가"),
                                        QStringLiteral("261209/W1"), today, QString());
    }
}

void BM_Stock(benchmark::State& state) {
    BenchSession& p = mesbench::sharedPlant(static_cast<int>(state.range(0)));
    if (!p.ok()) {
        state.SkipWithError(p.error().toUtf8().constData());
        return;
    }
    const QString product = component(p);
    if (product.isEmpty()) {
        state.SkipWithError("AP-500 has no components");
        return;
    }
    const int which = static_cast<int>(state.range(1));
    const QString today = mes::TerminalClock::now().date().toString(Qt::ISODate);
    const QString sql = statementOf(which, product, lotOf(p, product), today);
    const mesbench::QueryPlan plan = mesbench::QueryPlan::of(p.database(), sql);
    const QString label =
        p.size().name() + QStringLiteral(", ") + QLatin1String(kStatementNames[which]);
    if (mesbench::firstPrint(label))
        mesbench::printPlan(label, plan, mesbench::PlanFailure::AfterPartialPlan);

    mes::RecordData rows;
    mesbench::ActionMeter meter(p.session(), p.database());
    for (auto _ : state) {
        mes::DbError error;
        if (which == 0 ? !p.session().exec(sql, QStringLiteral("stock_bench"))
                       : !p.session().fetch(sql, &rows, &error)) {
            state.SkipWithError("statement failed");
            break;
        }
        benchmark::DoNotOptimize(rows);
    }
    meter.report(state);
    if (which != 0) state.counters["rows"] = static_cast<double>(rows.rows.size());
    state.counters["big_scans"] = static_cast<double>(plan.bigTableScans().size());
    state.SetLabel(label.toStdString());
}

BENCHMARK(BM_Stock)
    ->ArgsProduct({{0, 1}, {0, 1, 2, 3, 4}})
    ->ArgNames({"large", "statement"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return mesbench::runBenchmarks(argc, argv); }
