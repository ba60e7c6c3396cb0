#pragma once

#include <QElapsedTimer>

class QWidget;

namespace benchmark {
class State;
}
namespace engine {
class Database;
}
namespace mes {
class Session;
}

namespace mesbench {

// What operator actions cost: the statements the Session sent and the time it
// waited for them, and SQLite's own time for the same statements (every statement
// SQLite ran for them, IF conditions and the engine's schema check included).
struct ActionCost {
    long long statements = 0;
    long long sessionNs = 0;
    long long sqliteStatements = 0;
    long long sqliteNs = 0;
    long long screenNs = 0;  // from the press until the screen was laid out and painted
};

// Counts, while it lives and is not paused, through the Session's trace and the
// engine's profile hook; both are removed again at the end.
class ActionMeter {
  public:
    ActionMeter(mes::Session& session, engine::Database& database);
    ~ActionMeter();
    ActionMeter(const ActionMeter&) = delete;
    ActionMeter& operator=(const ActionMeter&) = delete;

    // Around set-up work inside a benchmark loop.
    void pause();
    void resume();

    // One operator action on screen: the clock runs from press until the screen
    // has been laid out and painted once (settle), pauses left out.
    template <typename Press>
    void action(QWidget& screen, Press press) {
        clock_.start();
        press(*this);
        settle(screen);
        total_.screenNs += clock_.nsecsElapsed();
        clock_.invalidate();
    }
    // The layouts the action asked for done and every widget of the screen
    // painted once, into a pixmap: what the operator sees first.
    static void settle(QWidget& screen);

    const ActionCost& total() const { return total_; }
    // Google Benchmark counters per iteration: "statements", "session_ms",
    // "sqlite_ms", "sqlite_stmts" and, for actions, "screen_ms".
    void report(benchmark::State& state) const;

  private:
    mes::Session& session_;
    engine::Database& database_;
    ActionCost total_;
    bool paused_ = false;
    QElapsedTimer clock_;
};

}  // namespace mesbench
