#pragma once

#include <QString>
#include <QStringList>

#include "reports/BoxLabel.h"

namespace mes {

// The serial port of the label printer, 9600 8N1, opened for one job and
// closed after it whatever happened.
class LabelPort {
  public:
    // The deployment's port name, or the one a test set.
    static QString portName();
    // Tests point the port at a pseudo-terminal; empty restores the deployment's.
    static void setPortName(const QString& name);
    // True while a job holds the port open (false again after every job).
    static bool isOpen();

    // Small pack: one write of every line followed by a line feed; large pack:
    // one write per line. False when the port could not be opened or written.
    // The byte counts of the last job's writes, in order (how the job was framed).
    static QList<qsizetype> lastWrites();

    static bool send(const QStringList& lines, reports::PackSize size);
};

}  // namespace mes
