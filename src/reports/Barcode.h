#pragma once

#include <QByteArray>
#include <QList>
#include <QPainter>

namespace mes::reports {

enum class Symbology { Code128, Code39 };

// The bars of a one-row barcode, one entry per module (true = dark), encoded
// by libzint. Empty when the data cannot be encoded.
QList<bool> gfBARCODE_MODULES(Symbology symbology, const QByteArray& data);
// Draws the modules as bars from the rectangle's left edge, each `module` wide.
void gsDRAW_BARS(QPainter& painter, const QList<bool>& modules, const QRectF& area, qreal module);

}  // namespace mes::reports
