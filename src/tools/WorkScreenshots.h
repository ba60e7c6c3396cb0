#pragma once

#include <QDir>

namespace mes {

// Pictures of the work-order list, the registration, the production screen on a
// run just started from the list, and its defect and downtime dialogs, drawn from
// the open Session's plant (the demo plant, terminal at its press). Dialogs are
// grabbed as they open and cancelled. Returns the number of pictures missing.
int gfSAVE_WORK_SCREENSHOTS(const QDir& dir);

}  // namespace mes
