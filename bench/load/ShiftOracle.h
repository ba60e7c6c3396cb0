#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "ShiftJournal.h"

namespace mesload {

// What the oracle read and checked.
struct OracleFigures {
    int runs = 0;     // runs the journals say ended
    int counts = 0;   // good counts entered on the keypad
    int defects = 0;  // defect saves
    int stops = 0;
    int downtimes = 0;  // downtime saves
    int picks = 0;      // runs booked with a lot chosen by hand
    int scans = 0;      // of them scanned
    int labels = 0;     // box labels received and checked
    int refusals = 0;   // label jobs refused with a message
    int restores = 0;
    qint64 ledgerRows = 0;  // stock rows whose running balance was recomputed
    int lotRows = 0;        // consumption rows checked against its own first-in first-out
};

// The simulator's judge, independent of the code under test: plain SQLite reads
// of the plant file (its own collation, no engine, no statement builders), the
// terminals' journals, and its own first-in first-out replay of the ledger.
class ShiftOracle {
  public:
    // journals[t] and labels[t] (what its label printer received) are terminal t's;
    // each finding is one line.
    static QStringList check(const QString& database, const QList<QList<JournalRun>>& journals,
                             const QList<QByteArray>& labels, OracleFigures* figures);
};

}  // namespace mesload
