#pragma once

#include <QDir>

namespace mes {

// Pictures of the work-order list, the registration, the production screen on a
// run just started from the list, its defect and downtime dialogs, its material
// grid after a good count that takes a second lot, the lot picker and the end
// time, drawn from the open Session's plant (the demo plant, terminal at its
// press). Dialogs are grabbed as they open and cancelled. Returns the number of
// pictures missing.
int gfSAVE_WORK_SCREENSHOTS(const QDir& dir);

}  // namespace mes
