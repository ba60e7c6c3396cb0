#pragma once

#include <QString>
#include <QStringList>

#include "ShiftOracle.h"

namespace mesload {

struct ShiftPlan {
    QString program;  // this tool: each terminal is a process of it
    bool large = false;
    int terminals = 4;
    int runs = 20;  // per terminal
    int kills = 10;
    quint64 seed = 1;
    QString keep;  // a folder to keep the plant, journals and logs in; "" a temporary one
    int timeoutSec = 3600;
};

struct ShiftFigures {
    int kills = 0;
    int killsInEnd = 0;
    int starts = 0;  // terminal processes started, restarts included
    qint64 elapsedMs = 0;
    qint64 checkMs = 0;
    OracleFigures oracle;
};

// Copies the plant, adds the terminals' masters, runs the terminal processes,
// kills random ones with SIGKILL at random moments (some inside the end of a
// run) and restarts them, then lets the oracle judge. The findings, one a line.
class ShiftSupervisor {
  public:
    static QStringList run(const ShiftPlan& plan, ShiftFigures* figures);
};

}  // namespace mesload
