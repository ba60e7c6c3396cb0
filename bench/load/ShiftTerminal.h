#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <random>

#include "LabelTap.h"
#include "ShiftJournal.h"
#include "ShiftNames.h"
#include "ShiftOperator.h"

namespace mes {
class Session;
class frm_S_dayReport;
}  // namespace mes

namespace mesload {

// One terminal process of the shift simulator.
struct TerminalSpec {
    QString database;
    QString confDir;  // its conf.ini folder: the held entries, error logs, labels received
    QString journal;
    int terminal = 0;
    int terminals = 1;
    int runs = 1;  // runs to end in all, over every restart
    quint64 seed = 1;
    int dateSpread = 1;  // orders spread over this many days from today
    // Dies (SIGKILL) right after this statement of its first end, counted from
    // the end's guard; 0: never.
    int dieInEnd = 0;

    QStringList arguments() const;
    static bool parse(const QStringList& args, TerminalSpec* spec);
    static constexpr const char* kFlag = "--sim-terminal";
};

// Runs seeded random runs through the real list and production screens and their
// dialogs, journaling each intent before and each completion after. A restart
// reads the journal, shows the open run again from the list and checks that the
// screen restored what was counted.
class ShiftTerminal {
  public:
    explicit ShiftTerminal(const TerminalSpec& spec);
    // The process's work; its exit code.
    int work();

  private:
    bool connect(mes::Session& session);
    void resume(JournalRun run);
    void newRun(int index);
    // Counts, defects and stops until the end; false when it could not go on.
    bool operate(JournalRun& run);
    bool countGood(JournalRun& run);
    bool enterDefect(JournalRun& run);
    bool toggleStop(JournalRun& run);
    bool enterDowntime(JournalRun& run);
    // Picks a lot for a random row of the material grid, in the picker's list or by a scan.
    bool pickLot(JournalRun& run);
    // The lot the material grid shows in the index-th row of component; "" when no such row.
    QString lotShown(const QString& component, int index);
    bool end(JournalRun& run);
    // A box label of the ended run from the results screen, its pack quantity typed.
    bool printLabel(const JournalRun& run);
    // The list on this terminal's orders, with the row of seq active; 0 when it is not there.
    int listRow(const QString& seq);
    QString listState(int row);
    mes::frm_S_dayReport* screen();
    void finding(const JournalRun& run, const QString& what);
    void settle();
    void step();
    qint64 spread(qint64 low, qint64 high);  // log-uniform

    TerminalSpec spec_;
    ShiftNames names_;
    ShiftJournal journal_;
    ShiftOperator op_;
    std::mt19937_64 rng_;
    mes::Session* session_ = nullptr;
    std::unique_ptr<LabelTap> tap_;
    bool diedOnce_ = false;
    int findings_ = 0;
};

}  // namespace mesload
