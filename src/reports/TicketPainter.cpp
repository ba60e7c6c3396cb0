#include "reports/TicketPainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "reports/Barcode.h"
#include "ui/Theme.h"

namespace mes {

namespace {

QString field(const QVariantMap& f, const QString& name) { return f.value(name).toString(); }

void cell(QPainter& p, const QRectF& r, const QString& text, qreal pixels, bool bold,
          int align = Qt::AlignCenter) {
    p.drawRect(r);
    QFont font(Theme::fontFamily());
    font.setPixelSize(std::max(1, int(pixels)));
    font.setBold(bold);
    p.setFont(font);
    p.drawText(r.adjusted(pixels * 0.3, 0, -pixels * 0.3, 0), align | Qt::TextSingleLine, text);
}

// One half; suffix "" for the left, "2" for the right.
void half(QPainter& p, const QRectF& r, const QVariantMap& f, const QString& s) {
    const qreal rowH = r.height() / 10.0;
    const qreal capW = r.width() * 0.3;
    const qreal text = rowH * 0.42;
    p.setPen(QPen(Qt::black, std::max(1.0, rowH / 30.0)));
    cell(p, QRectF(r.left(), r.top(), r.width(), rowH * 1.2), QStringLiteral("부품식별표"),
         rowH * 0.6, true);
    qreal y = r.top() + rowH * 1.2;
    // The vehicle line: "model - CAR" and the bare model beside it.
    cell(p, QRectF(r.left(), y, r.width() * 0.6, rowH), field(f, QStringLiteral("차종명") + s),
         text, true);
    cell(p, QRectF(r.left() + r.width() * 0.6, y, r.width() * 0.4, rowH),
         field(f, QStringLiteral("차종명3")), text, true);
    y += rowH;
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("품 번"), field(f, QStringLiteral("품번") + s)},
        {QStringLiteral("수량"), field(f, QStringLiteral("용기수량") + s)},
        {QStringLiteral("생산일자"), field(f, QStringLiteral("작업일자") + s)},
        {QStringLiteral("LOT_NO"), field(f, QStringLiteral("LOT_NO") + s)},
        {QStringLiteral("작업자"), field(f, QStringLiteral("작업자") + s)},
        {QStringLiteral("납품장소"), QStringLiteral("주)VORAK")}};
    for (const auto& [caption, value] : rows) {
        cell(p, QRectF(r.left(), y, capW, rowH), caption, text, true);
        cell(p, QRectF(r.left() + capW, y, r.width() - capW, rowH), value, text, false,
             Qt::AlignVCenter | Qt::AlignLeft);
        y += rowH;
    }
    // Code 39 of the result number; the stored asterisks are its start and stop.
    const QRectF codeBox(r.left(), y, r.width(), r.bottom() - y);
    p.drawRect(codeBox);
    QString data = field(f, QStringLiteral("바코드") + s);
    if (data.startsWith(u'*') && data.endsWith(u'*') && data.size() >= 2)
        data = data.mid(1, data.size() - 2);
    const QList<bool> bars =
        reports::gfBARCODE_MODULES(reports::Symbology::Code39, data.toLatin1());
    const qreal quiet = r.width() * 0.08;
    const qreal module = bars.isEmpty() ? 0 : (r.width() - 2 * quiet) / bars.size();
    const QRectF barArea(r.left() + quiet, y + rowH * 0.2, bars.size() * module, rowH * 1.2);
    reports::gsDRAW_BARS(p, bars, barArea, module);
    cell(p, QRectF(r.left(), barArea.bottom(), r.width(), codeBox.bottom() - barArea.bottom()),
         field(f, QStringLiteral("세부전표번호") + s), text, false);
}

}  // namespace

void TicketPainter::paint(QPainter& painter, const QRectF& page, const QVariantMap& fields) {
    const qreal gap = page.width() * 0.04;
    const qreal w = (page.width() - gap) / 2;
    half(painter, QRectF(page.left(), page.top(), w, page.height()), fields, QString());
    half(painter, QRectF(page.left() + w + gap, page.top(), w, page.height()), fields,
         QStringLiteral("2"));
}

QImage TicketPainter::image(const QVariantMap& fields, int dpi) {
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter).transposed();
    const QSize px(int(mm.width() / 25.4 * dpi), int(mm.height() / 25.4 * dpi));
    QImage img(px, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    const qreal margin = dpi * 0.4;
    paint(p, QRectF(margin, margin, px.width() - 2 * margin, px.height() - 2 * margin), fields);
    return img;
}

bool TicketPainter::pdf(const QVariantMap& fields, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setResolution(300);
    QPainter p;
    if (!p.begin(&writer)) return false;
    const QRect r = writer.pageLayout().paintRectPixels(writer.resolution());
    paint(p, QRectF(0, 0, r.width(), r.height()), fields);
    return p.end();
}

}  // namespace mes
