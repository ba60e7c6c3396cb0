#pragma once

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
    void pause() { paused_ = true; }
    void resume() { paused_ = false; }

    const ActionCost& total() const { return total_; }
    // Google Benchmark counters per iteration: "statements", "session_ms",
    // "sqlite_ms" and "sqlite_stmts".
    void report(benchmark::State& state) const;

  private:
    mes::Session& session_;
    engine::Database& database_;
    ActionCost total_;
    bool paused_ = false;
};

}  // namespace mesbench
