#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "ShiftJournal.h"
#include "ShiftOracle.h"

namespace mesload {

// The oracle's look at the box labels one terminal's printer received, against
// the labels its journal says were sent or refused.
class LabelCheck {
  public:
    using LotOf = std::function<QString(const QString& runKey)>;  // the run's lot as stored
    static void check(int terminal, const QList<JournalRun>& journal, const QByteArray& stream,
                      const LotOf& lotOf, OracleFigures* f, QStringList* out);
};

}  // namespace mesload
