#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace mes {

// What the operator entered on the run shown and the end has not booked yet.
// Showing the screen again on the same run puts it back instead of the
// database's figures; plain values, so that it can also be kept outside.
struct RunEntries {
    QString runKey;                 // the run they belong to; empty: nothing held
    QString good, bad, made;        // lblOk_Cnt, lblBad_Cnt, lblJakup_Cnt
    QString goodLoaded, badLoaded;  // the baseline of the booking (lblOk_Cnt2, lblBad_Cnt2)
    bool goodFixed = false;         // the production count follows the good count
    qint16 lotIdx = 0;
    QList<QStringList> lotCells;  // the material grid, row by row, values
    QStringList lotMarks;         // and each row's mark
    // The machine's stroke counter on this run (-1: not read yet): its reading
    // at the start, the last reading and the strokes counted since the start.
    qint64 counterStart = -1;
    qint64 counterLast = -1;
    qint64 counterStrokes = 0;
    bool typedCounts = false;  // switched from the machine's counter to the keypad
    // Shown only: the database has them from the start or the end of the run.
    QString unit, startTime, endTime;

    bool operator==(const RunEntries&) const = default;
};

}  // namespace mes
