#pragma once

#include <QImage>
#include <QPainter>
#include <QVariantMap>

namespace mes {

// Draws the two-up part identification tag from the hand-off row's fields
// (named as the read-back statement names them: 차종명, 품번2 ...).
class TicketPainter {
  public:
    // The page's two halves side by side within `page` (device units).
    static void paint(QPainter& painter, const QRectF& page, const QVariantMap& fields);
    // The tag as a picture, A4 landscape at `dpi`.
    static QImage image(const QVariantMap& fields, int dpi = 150);
    // The tag as a PDF file; false when it cannot be written.
    static bool pdf(const QVariantMap& fields, const QString& path);
};

}  // namespace mes
