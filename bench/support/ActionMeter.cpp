#include "ActionMeter.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWidget>

#include "engine/Database.h"
#include "foundation/Session.h"

namespace mesbench {

ActionMeter::ActionMeter(mes::Session& session, engine::Database& database)
    : session_(session), database_(database) {
    session_.setTrace([this](const mes::TraceEvent& e) {
        if (paused_) return;
        ++total_.statements;
        total_.sessionNs += e.elapsedNs;
    });
    database_.setProfileHook([this](const char*, qint64 ns) {
        if (paused_) return;
        ++total_.sqliteStatements;
        total_.sqliteNs += ns;
    });
}

ActionMeter::~ActionMeter() {
    session_.setTrace({});
    database_.setProfileHook({});
}

void ActionMeter::pause() {
    paused_ = true;
    if (clock_.isValid()) total_.screenNs += clock_.nsecsElapsed();
}

void ActionMeter::resume() {
    paused_ = false;
    if (clock_.isValid()) clock_.start();
}

void ActionMeter::settle(QWidget& screen) {
    // Posted layout requests first (they are what a change of content asks for),
    // then a paint of the whole screen as an expose would do it.
    QCoreApplication::sendPostedEvents();
    (void)screen.grab();
}

void ActionMeter::report(benchmark::State& state) const {
    using benchmark::Counter;
    state.counters["statements"] =
        Counter(static_cast<double>(total_.statements), Counter::kAvgIterations);
    state.counters["session_ms"] = Counter(total_.sessionNs / 1e6, Counter::kAvgIterations);
    state.counters["sqlite_ms"] = Counter(total_.sqliteNs / 1e6, Counter::kAvgIterations);
    state.counters["sqlite_stmts"] =
        Counter(static_cast<double>(total_.sqliteStatements), Counter::kAvgIterations);
    if (total_.screenNs > 0)
        state.counters["screen_ms"] = Counter(total_.screenNs / 1e6, Counter::kAvgIterations);
}

}  // namespace mesbench
