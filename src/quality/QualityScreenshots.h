#pragma once

#include <QDir>

namespace mes {

// Pictures of the moulding-condition sheet ("mould-sheet.png") and the
// self-inspection ("self-inspection.png") of the run in progress on this
// terminal's machine, drawn from the open Session (the demo plant). The sheet
// is grabbed as it opens and closed unsaved. Returns the pictures not written.
int gfSAVE_QUALITY_SCREENSHOTS(const QDir& dir);

}  // namespace mes
