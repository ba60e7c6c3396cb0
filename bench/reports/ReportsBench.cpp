// The results screen and the defect and downtime histories on the scaled plant,
// small and large: one "all processes" press on the busiest machine of today, and
// on the busiest machine-day of the history (the clock set to that day).
// Statements, Session and SQLite time per press; the query plans of the process
// buttons and of each grid's statement are printed once per size on stderr
// ("big_scans" counts plan lines that read a whole history table).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <utility>

#include "ActionMeter.h"
#include "BenchMain.h"
#include "BenchSession.h"
#include "PlanPrint.h"
#include "SharedPlants.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"
#include "reports/ReportStatements.h"
#include "reports/frm_S_Report_Sangsan.h"
#include "reports/frm_S_Report_badqty.h"
#include "reports/frm_S_Report_bigadong.h"
#include "ui/Forms.h"
#include "ui/clsSpread.h"

namespace {

using namespace mes;

// The address of the machine with the most runs today: the terminal stands there.
QString busiestMachine() {
    return gfDB_VALUE(QStringLiteral("SELECT TOP 1 B.ipaddress FROM P_SANGSAN_MASTER P JOIN "
                                     "B_EQUIPMENT B ON B.equipment_code = P.equipment_code "
                                     "WHERE P.jisi_date = '%1' GROUP BY B.ipaddress "
                                     "ORDER BY COUNT(*) DESC")
                          .arg(TerminalClock::date()),
                      QStringLiteral("bench"))
        .toString();
}

// The machine and work-order date with the most runs before today.
std::pair<QString, QString> busiestPastDay(mesbench::BenchSession& p) {
    RecordData data;
    DbError error;
    p.session().fetch(QStringLiteral("SELECT TOP 1 B.ipaddress, P.jisi_date FROM P_SANGSAN_MASTER "
                                     "P JOIN B_EQUIPMENT B ON B.equipment_code = P.equipment_code "
                                     "WHERE P.jisi_date < '%1' GROUP BY B.ipaddress, P.jisi_date "
                                     "ORDER BY COUNT(*) DESC")
                          .arg(TerminalClock::date()),
                      &data, &error);
    if (data.rows.isEmpty()) return {};
    return {data.rows.first().value(0).toString(), data.rows.first().value(1).toString()};
}

void standAt(const QString& ip) {
    QByteArray address;
    for (const QString& part : ip.split(u'.')) address += char(part.toInt());
    gsSET_RESOLVER([address] { return HostLookup{true, 0, "bench", {address}}; });
}

void printPlans(mesbench::BenchSession& p, const QString& ip) {
    const QString today = TerminalClock::date();
    const QString label = p.size().name() + QStringLiteral(", ") + today;
    if (!mesbench::firstPrint(label)) return;
    mesbench::printPlans(p.database(),
                         {
                             {"process buttons",
                              reports::gfPROCESS_BUTTONS_SQL(ip, today, reports::IpClause::Lower)},
                             {"results", reports::gfRESULTS_SQL(today, ip, {})},
                             {"defect history", reports::gfDEFECT_HISTORY_SQL(today, ip, {})},
                             {"downtime history", reports::gfDOWNTIME_HISTORY_SQL(today, ip, {})},
                         },
                         [&](const QString& name) {
                             return name + QStringLiteral(", ") + label + QStringLiteral(" (") +
                                    ip + u')';
                         });
}

template <class Screen>
void pressFind(benchmark::State& state) {
    mesbench::BenchSession& p = mesbench::sharedPlant(static_cast<int>(state.range(0)));
    if (!p.ok()) {
        state.SkipWithError(p.error().toUtf8().constData());
        return;
    }
    p.install();
    const bool past = state.range(1) == 1;
    QString ip;
    if (past) {
        const auto [address, date] = busiestPastDay(p);
        ip = address;
        if (!ip.isEmpty())
            TerminalClock::setFixed(QDateTime(QDate::fromString(date, Qt::ISODate), QTime(12, 0)));
    } else {
        ip = busiestMachine();
    }
    if (ip.isEmpty()) {
        state.SkipWithError("no runs on the plant for this date");
        return;
    }
    standAt(ip);
    printPlans(p, ip);
    // Each size builds its own screen on its own plant.
    gsUNLOAD<Screen>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Screen& s = gfFORM<Screen>();
    s.resize(1024, 768);
    gsSHOW_SCREEN(s);
    mesbench::ActionMeter::settle(s);
    mesbench::ActionMeter meter(p.session(), p.database());
    for (auto _ : state) meter.action(s, [&s](auto&) { s.btnFind_Click(); });
    meter.report(state);
    state.counters["grid_rows"] = s.spread->MaxRows();
    state.SetLabel(
        (p.size().name() + (past ? QStringLiteral(", busiest past day ") + TerminalClock::date()
                                 : QStringLiteral(", today")))
            .toStdString());
    gsUNLOAD<Screen>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    TerminalClock::clearFixed();
}

void BM_Results(benchmark::State& state) { pressFind<frm_S_Report_Sangsan>(state); }
void BM_DefectHistory(benchmark::State& state) { pressFind<frm_S_Report_badqty>(state); }
void BM_DowntimeHistory(benchmark::State& state) { pressFind<frm_S_Report_bigadong>(state); }

BENCHMARK(BM_Results)
    ->ArgsProduct({{2, 0, 1}, {0, 1}})
    ->ArgNames({"plant", "past"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefectHistory)
    ->ArgsProduct({{2, 0, 1}, {0, 1}})
    ->ArgNames({"plant", "past"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DowntimeHistory)
    ->ArgsProduct({{2, 0, 1}, {0, 1}})
    ->ArgNames({"plant", "past"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return mesbench::runScreenBenchmarks(argc, argv, [] { gsSET_RESOLVER({}); });
}
