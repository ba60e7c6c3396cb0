// The lot booking of a count entry (both look-ups for each of AP-500's fifty
// components) and the end of one run of AP-500 (the whole statement list in
// one transaction), through the screens' own code on the scaled plant, small
// and large. The query plans of the balance pattern and the two look-ups are
// printed once per size on stderr.
#include <benchmark/benchmark.h>

#include <QStringList>

#include "ActionMeter.h"
#include "BenchMain.h"
#include "BenchSession.h"
#include "PlanPrint.h"
#include "SharedPlants.h"
#include "foundation/TerminalClock.h"
#include "production/EndRunSql.h"
#include "production/LotBooking.h"
#include "production/LotSql.h"
#include "production/StockSql.h"

namespace {

using mesbench::BenchSession;

// AP-500's components as the material grid holds them after a rebinding.
QList<mes::LotRow> components(BenchSession& p) {
    mes::RecordData data;
    mes::DbError error;
    p.session().fetch(QStringLiteral("SELECT B_BOM2.product_code, B_BOM2.usage FROM B_BOM B_BOM "
                                     "JOIN B_BOM B_BOM2 ON B_BOM.bom_code = B_BOM2.high_bom_code "
                                     "WHERE B_BOM.product_code = 'AP-500' ORDER BY 1"),
                      &data, &error);
    QList<mes::LotRow> rows;
    for (const QVariantList& r : data.rows)
        rows << mes::LotRow{r.value(0).toString(), r.value(1).toString(), QStringLiteral("0"),
                            QStringLiteral("0"), QStringLiteral("0")};
    return rows;
}

void printPlans(BenchSession& p, const QString& component, const QString& today) {
    if (!mesbench::firstPrint(p.size().name())) return;
    QStringList list;
    mes::lsStockSave(list, {"AP-500", "20261209999", "20261209999001", 5, "W1", "A-02", today, ""},
                     {});
    mesbench::printPlans(
        p.database(),
        {{"balance insert", list.value(2)},
         {"first lot", mes::gfLOT_FIRST_SQL(component, today)},
         {"next lots", mes::gfLOT_NEXT_SQL(component, today)}},
        [&p](const QString& name) { return p.size().name() + QStringLiteral(", ") + name; },
        mesbench::PlanFailure::AfterPartialPlan);
}

void BM_Lots(benchmark::State& state) {
    BenchSession& p = mesbench::sharedPlant(static_cast<int>(state.range(0)));
    if (!p.ok()) {
        state.SkipWithError(p.error().toUtf8().constData());
        return;
    }
    p.install();
    const QList<mes::LotRow> grid = components(p);
    if (grid.isEmpty()) {
        state.SkipWithError("AP-500 has no components");
        return;
    }
    const QString today = mes::TerminalClock::now().date().toString(Qt::ISODate);
    printPlans(p, grid.first().product, today);
    const bool end = state.range(1) == 1;
    qint16 cursor = 0;
    long long rows = 0;
    mesbench::ActionMeter meter(p.session(), p.database());
    for (auto _ : state) {
        QList<mes::LotRow> booked = grid;
        if (end) meter.pause();
        mes::LotBooking::onSession(cursor, today, QStringLiteral("lots_bench"))
            .lsTuip_Sum(booked, 10, true);
        rows = booked.size();
        if (!end) continue;
        meter.resume();
        // An order no run holds: the guard passes and nothing is closed, so
        // every iteration books the same movements again.
        QStringList list{mes::gfEND_GUARD_SQL(QStringLiteral("20261209999"))};
        mes::lsStockSave(list,
                         {"AP-500", "20261209999", "20261209999001", 10, "W1", "A-02", today,
                          QStringLiteral("완제품")},
                         booked);
        mes::lsEndUpdate(list, {"20261209999", "20261209999001", 10, 0, today, "10:00", 60, 1});
        if (!mes::gfDB_EXEC_LIST(list, QStringLiteral("lots_bench"))) {
            state.SkipWithError("the end of the run failed");
            break;
        }
    }
    meter.report(state);
    state.counters["grid_rows"] = static_cast<double>(rows);
    state.SetLabel((p.size().name() + (end ? ", end of run" : ", re-booking")).toStdString());
}

BENCHMARK(BM_Lots)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"large", "end"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

int main(int argc, char** argv) { return mesbench::runBenchmarks(argc, argv); }
