// Operator actions of the production screen on the scaled plant, small and large:
// opening the screen on a run (a press run, and an assembly of fifty components),
// a defect save, a stop / run pair, a count entry and the end of a run. Statements, Session and
// SQLite time per action; the query plans of the run query, the bill-of-material batch and the
// open-stop check are printed once per size and run on stderr, each line that reads a whole history
// table flagged.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <map>
#include <memory>

#include "ActionMeter.h"
#include "BenchMain.h"
#include "BenchSession.h"
#include "PlanPrint.h"
#include "SharedPlants.h"
#include "TerminalLoad.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "production/DayReportSql.h"
#include "production/frm_S_badqty.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/clsSpread.h"
#include "workorders/WorkRunStart.h"

namespace {

using mesbench::BenchSession;
using namespace mes;

// One writable copy per size for the whole run, with the runs the screen shows:
// the plant's run in progress on P-01, and one of AP-500 (fifty components) on
// A-02 that the set-up registers and starts as the list would.
struct Run {
    QString equipment;
    QString key;
};
struct Plant {
    std::unique_ptr<BenchSession> session;
    Run runs[2];
};

Run startAssembly() {
    const QString today = TerminalClock::date();
    OrderValues order;
    order.processCode = QStringLiteral("4000");
    order.jisiDate = today;
    order.equipmentCode = QStringLiteral("A-02");
    order.customerCode = QStringLiteral("C006");
    order.productCode = QStringLiteral("AP-500");
    QString prodNo;
    if (!gfREGISTER_WORK_ORDER(order, QStringLiteral("bench"), &prodNo)) return {};
    RunValues run = mesload::runOf(order, prodNo);
    run.orderQty = 500;
    run.stime = TerminalClock::hhmm();
    if (gfSTART_WORK_RUN(&run, QStringLiteral("bench")) != KeyedWrite::Outcome::Written) return {};
    return {order.equipmentCode, run.opSeqSub};
}

std::map<int, Plant>& plants() {
    static std::map<int, Plant> all;
    return all;
}

Plant& plant(int size) {
    Plant& p = plants()[size];
    if (!p.session) {
        p.session = std::make_unique<BenchSession>(mesbench::standardSize(size));
        if (p.session->ok()) {
            p.runs[0] = {
                QStringLiteral("P-01"),
                gfDB_VALUE(QStringLiteral("SELECT TOP 1 P.op_seq_sub FROM P_SANGSAN_MASTER P JOIN "
                                          "B_JAKUPJISI_MASTER B ON B.seq = P.seq WHERE B.end_yn = "
                                          "'2' AND P.equipment_code = 'P-01' ORDER BY P.idx DESC"),
                           QStringLiteral("bench"))
                    .toString()};
            p.runs[1] = startAssembly();
        }
    }
    p.session->install();
    return p;
}

// The screen given a run as the list hands it over, before its load.
frm_S_dayReport& handedOver(const Run& r) {
    frm_S_dayReport& s = gfFORM<frm_S_dayReport>();
    s.lvEquipment_code = r.equipment;
    s.lblseq->setText(r.key.left(11));
    s.lblOp_seq_sub->setText(r.key);
    return s;
}

frm_S_dayReport& screenOn(const Run& r) {
    frm_S_dayReport& s = handedOver(r);
    s.lsQuery();
    return s;
}

bool ready(benchmark::State& state, const Plant& p, const Run& r) {
    if (!p.session->ok()) {
        state.SkipWithError(p.session->error().toUtf8().constData());
        return false;
    }
    if (r.key.isEmpty()) {
        state.SkipWithError("no run in progress");
        return false;
    }
    return true;
}

void printPlans(Plant& p, const Run& r, const frm_S_dayReport& s) {
    const QString label = p.session->size().name() + QStringLiteral(", ") + r.equipment;
    if (!mesbench::firstPrint(label)) return;
    mesbench::printPlans(
        p.session->database(),
        {
            {"run query", gfDAYREPORT_RUN_SQL(r.equipment, r.key)},
            {"bill of material", gfDAYREPORT_BOM_SQL(s.lblProduct_code->text(), r.key)},
            {"open stops", gfDAYREPORT_OPEN_STOPS_SQL(r.equipment, r.key)},
        },
        [&label](const QString& name) { return name + QStringLiteral(", ") + label; });
}

void finish(benchmark::State& state, const mesbench::ActionMeter& meter, const Plant& p) {
    meter.report(state);
    state.SetLabel(p.session->size().name().toStdString());
}

void BM_OpenRun(benchmark::State& state) {
    Plant& p = plant(static_cast<int>(state.range(0)));
    const Run& r = p.runs[state.range(1)];
    if (!ready(state, p, r)) return;
    frm_S_dayReport& s = screenOn(r);
    printPlans(p, r, s);
    mesbench::ActionMeter meter(p.session->session(), p.session->database());
    for (auto _ : state) {
        // A fresh screen each time: one showing the run already keeps what it holds.
        meter.pause();
        state.PauseTiming();
        gsUNLOAD<frm_S_dayReport>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frm_S_dayReport& fresh = handedOver(r);
        fresh.resize(1024, 768);
        gsSHOW_SCREEN(fresh);
        mesbench::ActionMeter::settle(fresh);
        state.ResumeTiming();
        meter.resume();
        meter.action(fresh, [&fresh](auto&) { fresh.lsQuery(); });
    }
    state.counters["grid_rows"] = gfFORM<frm_S_dayReport>().spread->MaxRows();
    finish(state, meter, p);
}

void BM_DefectSave(benchmark::State& state) {
    Plant& p = plant(static_cast<int>(state.range(0)));
    if (!ready(state, p, p.runs[0])) return;
    screenOn(p.runs[0]);
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
    if (!ready(state, p, p.runs[0])) return;
    frm_S_dayReport& s = screenOn(p.runs[0]);
    mesbench::ActionMeter meter(p.session->session(), p.session->database());
    for (auto _ : state) {
        s.btnBigadong_s->click();
        s.btnBigadong_e->click();
    }
    finish(state, meter, p);
}

// The keypad's count applied: the counts, the material grid's re-booking of the
// lots and the held entries written (the keypad itself is the operator's time).
void BM_CountEntry(benchmark::State& state) {
    Plant& p = plant(static_cast<int>(state.range(0)));
    const Run& r = p.runs[state.range(1)];
    if (!ready(state, p, r)) return;
    frm_S_dayReport& s = screenOn(r);
    s.resize(1024, 768);
    gsSHOW_SCREEN(s);
    mesbench::ActionMeter meter(p.session->session(), p.session->database());
    qint64 n = 0;
    for (auto _ : state) {
        const qint64 good = ++n % 2 ? 12500 : 1200;
        meter.action(s, [&](auto&) { s.lsApplyGood(good); });
    }
    finish(state, meter, p);
}

// Message boxes answered at once: the end's "saved" notice.
struct AcceptAll : ModalDriver {
    void drive(QDialog& dialog) override { dialog.accept(); }
};

// "작업종료" on a fresh assembly run of fifty components with 500 pieces counted:
// every component booked first in, first out with its genealogy.
void BM_EndRun(benchmark::State& state) {
    Plant& p = plant(static_cast<int>(state.range(0)));
    if (!ready(state, p, p.runs[1])) return;
    AcceptAll accept;
    gsSET_MODAL_DRIVER(&accept);
    mesbench::ActionMeter meter(p.session->session(), p.session->database());
    for (auto _ : state) {
        meter.pause();
        state.PauseTiming();
        gsUNLOAD<frm_S_dayReport>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const Run run = startAssembly();
        frm_S_dayReport& s = screenOn(run);
        s.resize(1024, 768);
        gsSHOW_SCREEN(s);
        s.lsApplyGood(500);
        mesbench::ActionMeter::settle(s);
        state.ResumeTiming();
        meter.resume();
        meter.action(s, [&s](auto&) { s.btnEnd->click(); });
    }
    gsSET_MODAL_DRIVER(nullptr);
    finish(state, meter, p);
}

BENCHMARK(BM_OpenRun)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"large", "assembly"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefectSave)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StopRunPair)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountEntry)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"large", "assembly"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EndRun)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The plants go while Qt and the foundation still live.
    return mesbench::runScreenBenchmarks(argc, argv, [] { plants().clear(); });
}
