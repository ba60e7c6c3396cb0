// The work-order list's query on the scaled plant, small and large, unfiltered and
// with a customer and a date filter: statements, Session and SQLite time per load,
// the rows listed, and the query plan (printed once per case on stderr; the counter
// "big_scans" counts plan lines that read a whole history table).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QSet>
#include <cstdio>

#include "ActionMeter.h"
#include "BenchSession.h"
#include "PlantStatements.h"
#include "QueryPlan.h"
#include "SharedPlants.h"
#include "foundation/TerminalClock.h"

namespace {

using mesbench::BenchSession;

QString filterOf(int filter, const QString& today) {
    switch (filter) {
        case 1:
            return QStringLiteral("AND B_JAK.Customer_Code = 'C001'");
        case 2:
            return QStringLiteral("\nAND B_JAK.jisi_date = '%1'").arg(today);
        default:
            return {};
    }
}

const char* const kFilterNames[] = {"all", "customer", "date"};

void BM_OrderList(benchmark::State& state) {
    BenchSession& p = mesbench::sharedPlant(static_cast<int>(state.range(0)));
    if (!p.ok()) {
        state.SkipWithError(p.error().toUtf8().constData());
        return;
    }
    const QDate today = mes::TerminalClock::now().date();
    const QString sql =
        plant::orderList(today.addDays(-7).toString(Qt::ISODate),
                         filterOf(static_cast<int>(state.range(1)), today.toString(Qt::ISODate)));
    const mesbench::QueryPlan plan = mesbench::QueryPlan::of(p.database(), sql);
    const QString label =
        p.size().name() + QStringLiteral(", ") + QLatin1String(kFilterNames[state.range(1)]);
    static QSet<QString> printed;
    if (!printed.contains(label)) {
        printed.insert(label);
        std::fprintf(stderr, "\nQuery plan, %s:\n%s", qPrintable(label), qPrintable(plan.text()));
        for (const QString& scan : plan.bigTableScans())
            std::fprintf(stderr, "SCAN OF A BIG TABLE: %s\n", qPrintable(scan));
    }

    mes::RecordData rows;
    mesbench::ActionMeter meter(p.session(), p.database());
    for (auto _ : state) {
        mes::DbError error;
        if (!p.session().fetch(sql, &rows, &error)) {
            state.SkipWithError(error.description.toUtf8().constData());
            break;
        }
        benchmark::DoNotOptimize(rows);
    }
    meter.report(state);
    state.counters["rows"] = static_cast<double>(rows.rows.size());
    state.counters["big_scans"] = static_cast<double>(plan.bigTableScans().size());
    state.SetLabel(label.toStdString());
}

BENCHMARK(BM_OrderList)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"large", "filter"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    mesbench::releaseSharedPlants();
    return 0;
}
