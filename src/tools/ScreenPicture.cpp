#include "ScreenPicture.h"

#include <QApplication>
#include <QLayout>
#include <QWidget>
#include <cstdio>

namespace mes {

bool gfSAVE_PICTURE(QWidget& widget, const QDir& dir, const QString& name) {
    widget.ensurePolished();
    if (widget.layout()) widget.layout()->activate();
    QApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace mes
