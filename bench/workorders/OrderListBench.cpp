// Operator actions of the work-order list on the scaled plant, small and large,
// through the real screen: the full reload (btnFind), a customer button, a date
// button and a start (btnStart, with the hand-over to the production screen).
// Statements, Session and SQLite time per action; the query plans of the list's
// statements are printed once per size on stderr, each line that reads a whole
// history table flagged "SCAN OF A BIG TABLE".
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPushButton>

#include "ActionMeter.h"
#include "BenchMain.h"
#include "BenchSession.h"
#include "PlanPrint.h"
#include "SharedPlants.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "production/frm_S_dayReport.h"
#include "ui/ButtonStrip.h"
#include "ui/Forms.h"
#include "ui/clsSpread.h"
#include "workorders/ListStatements.h"
#include "workorders/OrderStatements.h"
#include "workorders/RunStatements.h"
#include "workorders/frm_S_jakupjisi_list.h"

namespace {

using namespace mes;
using mesbench::BenchSession;

const QString kCustomer = QStringLiteral("C001");

void printPlans(BenchSession& p) {
    if (!mesbench::firstPrint(p.size().name())) return;
    const QDate today = TerminalClock::now().date();
    const QString date = today.toString(Qt::ISODate);
    mesbench::printPlans(
        p.database(),
        {{"list", gfLIST_SQL(QString(), today)},
         {"list by customer", gfLIST_SQL(gfLIST_CUSTOMER_FILTER(kCustomer), today)},
         {"list by date", gfLIST_SQL(gfLIST_DATE_FILTER(date, QString()), today)},
         {"dates", gfLIST_DATES_SQL(kCustomer, today)},
         {"next Op_Seq", gfOP_SEQ_SQL(today)},
         {"next prod_no", gfPROD_NO_SQL(today)}},
        [&p](const QString& name) { return name + QStringLiteral(", ") + p.size().name(); });
}

// A new list screen on the size's plant (its constructor loads it).
frm_S_jakupjisi_list* listOn(benchmark::State& state) {
    BenchSession& p = mesbench::sharedPlant(static_cast<int>(state.range(0)));
    if (!p.ok()) {
        state.SkipWithError(p.error().toUtf8().constData());
        return nullptr;
    }
    printPlans(p);
    gsUNLOAD<frm_S_jakupjisi_list>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frm_S_jakupjisi_list& l = gfFORM<frm_S_jakupjisi_list>();
    // Shown at the panel's size and settled, as the operator sees it before a touch.
    l.resize(1024, 768);
    gsSHOW_SCREEN(l);
    mesbench::ActionMeter::settle(l);
    state.SetLabel(p.size().name().toStdString());
    return &l;
}

int indexOfTag(const ButtonStrip& strip, const QString& tag) {
    for (int i = 0; i < strip.count(); ++i)
        if (strip.isButtonVisible(i) && strip.tag(i) == tag) return i;
    return -1;
}

// Presses the button of every iteration and reports what it cost.
template <typename Press>
void measure(benchmark::State& state, frm_S_jakupjisi_list& l, Press press) {
    BenchSession& p = mesbench::sharedPlant(static_cast<int>(state.range(0)));
    mesbench::ActionMeter meter(p.session(), p.database());
    for (auto _ : state) meter.action(l, press);
    meter.report(state);
    state.counters["rows"] = l.spread->MaxRows();
}

void BM_ListLoad(benchmark::State& state) {
    frm_S_jakupjisi_list* l = listOn(state);
    if (!l) return;
    measure(state, *l, [l](auto&) { l->btnFind->click(); });
}

void BM_CustomerFilter(benchmark::State& state) {
    frm_S_jakupjisi_list* l = listOn(state);
    if (!l) return;
    const int i = indexOfTag(*l->btnEquipment, kCustomer);
    if (i < 0) return state.SkipWithError("no customer button C001");
    measure(state, *l, [l, i](auto&) { l->btnEquipment->button(i)->click(); });
}

void BM_DateFilter(benchmark::State& state) {
    frm_S_jakupjisi_list* l = listOn(state);
    if (!l) return;
    const int i = indexOfTag(*l->btnEquipment2, TerminalClock::now().date().toString(Qt::ISODate));
    if (i < 0) return state.SkipWithError("no date button for today");
    measure(state, *l, [l, i](auto&) { l->btnEquipment2->button(i)->click(); });
}

// The order's run deleted and its state set back to not started.
void unstart(const QString& seq) {
    gfDB_EXEC(QStringLiteral("DELETE P_SANGSAN_MASTER WHERE seq = '%1'").arg(gfSQ(seq)),
              QStringLiteral("bench"));
    gfDB_EXEC(gfORDER_STATE_SQL(seq.left(11), seq, QStringLiteral("1")), QStringLiteral("bench"));
}

// Starts the same not-started order of today again and again, set back between
// presses (not measured) and at the end.
void BM_Start(benchmark::State& state) {
    frm_S_jakupjisi_list* l = listOn(state);
    if (!l) return;
    const QString seq =
        gfDB_VALUE(QStringLiteral("SELECT TOP 1 seq FROM B_JAKUPJISI_MASTER WHERE end_yn = '1' "
                                  "AND jisi_date = '%1' ORDER BY seq")
                       .arg(TerminalClock::now().date().toString(Qt::ISODate)),
                   QStringLiteral("bench"))
            .toString();
    if (seq.isEmpty()) return state.SkipWithError("no order of today to start");
    measure(state, *l, [l, &seq](mesbench::ActionMeter& meter) {
        meter.pause();
        unstart(seq);
        l->lsQuery();
        for (int r = 1; r <= l->spread->MaxRows(); ++r)
            if (l->spread->TextWithColID(QStringLiteral("지시순번"), r) == seq)
                l->spread->SetFocus(3, r);
        meter.resume();
        l->btnStart->click();
    });
    unstart(seq);
}

// demo, small, large, then small with 1,000 and large with 10,000 orders left open.
void sizes(benchmark::internal::Benchmark* b) {
    b->ArgName("plant")->Arg(2)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}
void listSizes(benchmark::internal::Benchmark* b) { sizes(b->Arg(3)->Arg(4)); }
BENCHMARK(BM_ListLoad)->Apply(listSizes);
BENCHMARK(BM_CustomerFilter)->Apply(listSizes);
BENCHMARK(BM_DateFilter)->Apply(listSizes);
BENCHMARK(BM_Start)->Apply(sizes);

}  // namespace

int main(int argc, char** argv) { return mesbench::runScreenBenchmarks(argc, argv); }
