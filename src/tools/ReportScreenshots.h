#pragma once

#include <QDir>

namespace mes {

// Pictures of the results screen, a box-label preview and a move ticket, drawn
// from the data of the open Session (the demo plant, terminal at its press).
// Dialogs are grabbed as they open and then cancelled, so nothing is printed.
// Returns the number of pictures that could not be written.
int gfSAVE_REPORT_SCREENSHOTS(const QDir& dir);

}  // namespace mes
