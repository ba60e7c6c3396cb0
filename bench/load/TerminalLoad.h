#pragma once

#include <QString>

#include "workorders/OrderStatements.h"
#include "workorders/RunStatements.h"

namespace mesload {

// One load: terminals processes on one embedded database file, each registering
// orders work orders for date and starting a run on each, all at the same moment.
struct LoadPlan {
    QString program;  // the load tool, run once per terminal
    QString database;
    QString date = QStringLiteral("2027-01-15");  // "yyyy-MM-dd"
    int terminals = 4;
    int orders = 10;
    int attempts = 5;  // per write; 1 is the plain read-then-insert
    int timeoutMs = 40000;
};

// The run the list starts on an order just registered under prodNo.
mes::RunValues runOf(const mes::OrderValues& order, const QString& prodNo);

// What the terminals reported, summed.
struct LoadFigures {
    int registered = 0;
    int started = 0;
    int failed = 0;      // writes given up
    int collisions = 0;  // attempts that met a key already taken
    qint64 elapsedMs = 0;
};

// Several terminals writing keyed rows at once: the driver starts one process per
// terminal, releases them together once all are connected, and sums their
// reports; each process runs work() on its own Session.
class TerminalLoad {
  public:
    static bool drive(const LoadPlan& plan, LoadFigures* figures, QString* error);
    // One terminal: connects, says "ready", waits for a line on standard input,
    // writes, prints its figures. Returns the process exit code.
    static int work(const QString& database, const QString& date, int orders, int attempts,
                    int terminal);
    // Arguments that make the tool run work().
    static constexpr const char* kWorkerFlag = "--terminal";
};

}  // namespace mesload
