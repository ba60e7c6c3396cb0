#include "reports/Barcode.h"

#include <zint.h>

namespace mes::reports {

QList<bool> gfBARCODE_MODULES(Symbology symbology, const QByteArray& data) {
    QList<bool> out;
    zint_symbol* symbol = ZBarcode_Create();
    if (!symbol) return out;
    symbol->symbology = symbology == Symbology::Code128 ? BARCODE_CODE128 : BARCODE_CODE39;
    const int rc = ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char*>(data.constData()),
                                   static_cast<int>(data.size()));
    if (rc < ZINT_ERROR && symbol->rows >= 1) {
        for (int x = 0; x < symbol->width; ++x)
            out << bool((symbol->encoded_data[0][x >> 3] >> (x & 7)) & 1);
    }
    ZBarcode_Delete(symbol);
    return out;
}

void gsDRAW_BARS(QPainter& painter, const QList<bool>& modules, const QRectF& area, qreal module) {
    for (int i = 0; i < modules.size(); ++i)
        if (modules[i])
            painter.fillRect(QRectF(area.left() + i * module, area.top(), module, area.height()),
                             Qt::black);
}

}  // namespace mes::reports
