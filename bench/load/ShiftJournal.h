#pragma once

#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace mesload {

// One run as a terminal's journal tells it: what was completed, what was only
// intended when the process died, what a restart found.
struct JournalRun {
    QString seq;     // the work order
    QString runKey;  // "" until the start completed
    bool startIntended = false;
    qint64 good = 0;  // last good count completed (or restored)
    std::optional<qint64> pendingGood;
    QMap<QString, qint64> causes;  // defects by cause, completed
    std::optional<std::pair<QString, qint64>> pendingCause;
    int stops = 0;         // stops opened, completed
    bool stopped = false;  // a stop is open
    bool stopPending = false;
    int stopsUnsure = 0;  // stops pressed when the process died: written or not
    // Downtime minutes by cause as the dialog saved them (0: no row). A save cut
    // by a kill leaves either the minutes before it or its own: both are kept.
    QMap<QString, QList<qint64>> downtime;
    std::optional<std::pair<QString, qint64>> pendingDowntime;
    int downtimeSaves = 0;
    // A lot chosen for a row of the material grid right before the end: the
    // component, the row's place among that component's rows, the lot, picked in
    // the list ("grid", warned or not of an older lot) or scanned ("scan").
    struct Pick {
        QString component;
        int index = 0;
        QString lot, how;
        bool warned = false;
    };
    std::optional<Pick> pick;         // the grid showed it (or a restart showed it again)
    std::optional<Pick> pendingPick;  // pressed when the process died
    bool picked = false;              // a pick was begun: nothing is counted after it
    int actions = 0;                  // counts, defects and stops entered on it
    // Box labels printed from the results after the end: the size, the pack
    // quantity and the copies typed ("-": the screen's own count), and whether it
    // was sent or refused (with the message shown).
    struct Label {
        QString size;
        qint64 pack = 0;
        QString copies, outcome, message;
    };
    QList<Label> labels;  // done: a sent label's bytes are in the terminal's label file
    std::optional<Label> pendingLabel;
    int goodCounts = 0, defectSaves = 0;
    // The end: the counts on the screen when it was pressed; done when its
    // answer came (or a restart found the run ended).
    bool endIntended = false;
    bool ended = false;
    qint64 endGood = -1, endBad = -1;
    // Each restart while the run was open: completed, pending and restored good, bad.
    struct Restore {
        qint64 good, pendingGood, restoredGood;
        qint64 bad, pendingBad, restoredBad;
    };
    QList<Restore> restores;
    QStringList findings;  // what the terminal itself saw wrong

    qint64 bad() const;
    qint64 badWithPending() const;
};

// A terminal's journal: appended and flushed line by line, so that a kill
// leaves every line written before it; read back by the restarted terminal and
// by the oracle.
class ShiftJournal {
  public:
    explicit ShiftJournal(const QString& path);
    // Appends one line of space-separated words and flushes it to the file.
    bool write(const QStringList& words);

    // Every run in order; a last line cut by the kill is ignored.
    static QList<JournalRun> read(const QString& path, int* boots = nullptr);

  private:
    QFile file_;
};

}  // namespace mesload
