#pragma once

#include <QDir>
#include <QString>

class QWidget;

namespace mes {

// Writes the widget as it is shown now to dir/name.png and says so on standard
// output; false when the file could not be written.
bool gfSAVE_PICTURE(QWidget& widget, const QDir& dir, const QString& name);

}  // namespace mes
