// Operator actions of the production screen on the scaled plant, small and large:
// opening the screen on a run, a defect save and a stop / run pair. Statements,
// Session and SQLite time per action; the query plans of the run query and the
// bill-of-material batch are printed once per size on stderr ("big_scans" counts
// plan lines that read a whole history table).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <cstdio>
#include <map>
#include <memory>

#include "ActionMeter.h"
#include "BenchSession.h"
#include "QueryPlan.h"
#include "SharedPlants.h"
#include "foundation/Session.h"
#include "production/DayReportSql.h"
#include "production/frm_S_badqty.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/clsSpread.h"

namespace {

using mesbench::BenchSession;
using namespace mes;

// One writable copy per size for the whole run, with the run the screen shows.
struct Plant {
    std::unique_ptr<BenchSession> session;
    QString run;
    QString equipment = QStringLiteral("P-01");
};

std::map<int, Plant>& plants() {
    static std::map<int, Plant> all;
    return all;
}

Plant& plant(int size) {
    Plant& p = plants()[size];
    if (!p.session) {
        p.session = std::make_unique<BenchSession>(mesbench::standardSize(size));
        if (p.session->ok()) {
            p.run = gfDB_VALUE(
                        QStringLiteral("SELECT TOP 1 P.op_seq_sub FROM P_SANGSAN_MASTER P JOIN "
                                       "B_JAKUPJISI_MASTER B ON B.seq = P.seq WHERE B.end_yn = '2' "
                                       "AND P.equipment_code = 'P-01' ORDER BY P.idx DESC"),
                        QStringLiteral("bench"))
                        .toString();
        }
    }
    p.session->install();
    return p;
}

// The screen on the plant's run, as the list hands it over.
frm_S_dayReport& screenOn(const Plant& p) {
    frm_S_dayReport& s = gfFORM<frm_S_dayReport>();
    s.lvEquipment_code = p.equipment;
    s.lblseq->setText(p.run.left(11));
    s.lblOp_seq_sub->setText(p.run);
    s.lsQuery();
    return s;
}

bool ready(benchmark::State& state, const Plant& p) {
    if (!p.session->ok()) {
        state.SkipWithError(p.session->error().toUtf8().constData());
        return false;
    }
    if (p.run.isEmpty()) {
        state.SkipWithError("no run in progress on P-01");
        return false;
    }
    return true;
}

void printPlans(Plant& p, const frm_S_dayReport& s) {
    static std::map<QString, bool> printed;
    const QString label = p.session->size().name();
    if (printed[label]) return;
    printed[label] = true;
    const std::pair<const char*, QString> statements[] = {
        {"run query", gfDAYREPORT_RUN_SQL(p.equipment, p.run)},
        {"bill of material", gfDAYREPORT_BOM_SQL(s.lblProduct_code->text(), p.run)},
    };
    for (const auto& [name, sql] : statements) {
        const mesbench::QueryPlan plan = mesbench::QueryPlan::of(p.session->database(), sql);
        std::fprintf(stderr, "\nQuery plan, %s, %s:\n%s", name, qPrintable(label),
                     qPrintable(plan.ok() ? plan.text() : plan.error()));
        for (const QString& scan : plan.bigTableScans())
            std::fprintf(stderr, "SCAN OF A BIG TABLE: %s\n", qPrintable(scan));
    }
}

void finish(benchmark::State& state, const mesbench::ActionMeter& meter, const Plant& p) {
    meter.report(state);
    state.SetLabel(p.session->size().name().toStdString());
}

void BM_OpenRun(benchmark::State& state) {
    Plant& p = plant(static_cast<int>(state.range(0)));
    if (!ready(state, p)) return;
    frm_S_dayReport& s = screenOn(p);
    printPlans(p, s);
    mesbench::ActionMeter meter(p.session->session(), p.session->database());
    for (auto _ : state) s.lsQuery();
    state.counters["grid_rows"] = s.spread->MaxRows();
    finish(state, meter, p);
}

void BM_DefectSave(benchmark::State& state) {
    Plant& p = plant(static_cast<int>(state.range(0)));
    if (!ready(state, p)) return;
    screenOn(p);
    mesbench::ActionMeter meter(p.session->session(), p.session->database());
    int n = 0;
    for (auto _ : state) {
        meter.pause();
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frm_S_badqty& d = gfFORM<frm_S_badqty>();
        d.Form_Load();
        // Alternates insert and update of the first cause.
        d.spread->ValueWithColID(QStringLiteral("수량"), 1, QString::number(++n % 2 + 1));
        state.ResumeTiming();
        meter.resume();
        d.cmdSave->click();
    }
    finish(state, meter, p);
}

void BM_StopRunPair(benchmark::State& state) {
    Plant& p = plant(static_cast<int>(state.range(0)));
    if (!ready(state, p)) return;
    frm_S_dayReport& s = screenOn(p);
    mesbench::ActionMeter meter(p.session->session(), p.session->database());
    for (auto _ : state) {
        s.btnBigadong_s->click();
        s.btnBigadong_e->click();
    }
    finish(state, meter, p);
}

BENCHMARK(BM_OpenRun)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefectSave)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StopRunPair)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Forms::unloadAll();
    plants().clear();  // while Qt and the foundation still live
    mesbench::releaseSharedPlants();
    return 0;
}
