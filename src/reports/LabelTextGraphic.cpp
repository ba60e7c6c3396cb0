#include "reports/LabelTextGraphic.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include "reports/ZplGraphic.h"
#include "ui/Theme.h"

namespace mes::reports {

namespace {

constexpr qreal kAdvancePerWidth = 0.55;
constexpr int kGap = 6;            // dots kept clear before a rule or the frame
constexpr qreal kNarrowest = 0.5;  // of the natural width, before the text gets smaller
constexpr int kPad = 4;            // room for glyphs that reach left of their origin

struct Segment {  // a vertical rule or a box's side
    int left, top, bottom;
};

QList<Segment> verticalSegments(const QStringList& lines) {
    static const QRegularExpression box(QStringLiteral(R"(^\^FO(\d+),(\d+)\^GB(\d+),(\d+),(\d+))"));
    QList<Segment> out;
    for (const QString& l : lines) {
        const auto m = box.match(l);
        if (!m.hasMatch()) continue;
        const int x = m.captured(1).toInt(), y = m.captured(2).toInt();
        const int w = m.captured(3).toInt(), h = m.captured(4).toInt();
        const int t = std::max(1, m.captured(5).toInt());
        if (h <= t) continue;  // a horizontal rule
        out << Segment{x, y, y + h};
        if (w > t) out << Segment{x + std::max(w, t) - t, y, y + h};
    }
    return out;
}

// ^FH\ escapes ("\5E") back to the bytes they stand for.
QString unescape(const QString& data) {
    QByteArray out;
    const QByteArray in = data.toUtf8();
    for (int i = 0; i < in.size(); ++i) {
        bool ok = false;
        const int v = in[i] == '\\' && i + 2 < in.size() ? in.mid(i + 1, 2).toInt(&ok, 16) : 0;
        if (ok) {
            out += char(v);
            i += 2;
        } else {
            out += in[i];
        }
    }
    return QString::fromUtf8(out);
}

bool printable(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) return false;
    return true;
}

// The field drawn and cropped to its ink; the line that places it at x, baseline.
QString graphicLine(const QString& text, int x, int baseline, int height, int width, int limit) {
    const QFont font = gfLABEL_FONT(height);
    const QFontMetricsF m(font);
    const qreal natural = gfLABEL_FONT_SCALE(font, width);
    const qreal room = limit - x;
    const qreal advance = m.horizontalAdvance(text);
    qreal sx = natural, sy = 1.0;
    if (advance * natural > room && advance > 0) {
        const qreal fit = room / (advance * natural);
        sx = natural * std::max(fit, kNarrowest);
        sy = fit / std::max(fit, kNarrowest);
    }
    const int ascent = int(std::ceil(m.ascent() * sy));  // whole dots: row 0 is baseline - ascent
    const QSize size(int(std::ceil(advance * sx)) + 2 * kPad,
                     int(std::ceil((m.ascent() + m.descent()) * sy)) + 1);
    QImage img(size, QImage::Format_Grayscale8);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font);
        p.setPen(Qt::black);
        p.translate(kPad, ascent);
        p.scale(sx, sy);
        p.drawText(QPointF(0, 0), text);
    }
    // Crop to the dots that print, and never past the limit.
    const int right = std::min(img.width() - 1, limit - x + kPad - 1);
    QRect ink;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* line = img.constScanLine(y);
        for (int i = 0; i <= right; ++i)
            if (line[i] < 128) ink |= QRect(i, y, 1, 1);
    }
    if (ink.isEmpty()) ink = QRect(kPad, ascent - 1, 1, 1);  // nothing prints: one white dot
    return QStringLiteral("^FO%1,%2")
               .arg(x - kPad + ink.left())
               .arg(baseline - ascent + ink.top()) +
           gfZPL_GRAPHIC(img.copy(ink)) + QStringLiteral("^FS");
}

}  // namespace

QFont gfLABEL_FONT(int height) {
    QFont f(Theme::fontFamily());
    f.setPixelSize(std::max(4, height));
    f.setBold(true);
    return f;
}

qreal gfLABEL_FONT_SCALE(const QFont& font, int width) {
    const qreal natural = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
    return natural > 0 ? kAdvancePerWidth * width / natural : 1.0;
}

QStringList gfLABEL_PRINTABLE_LINES(const QStringList& lines) {
    static const QRegularExpression field(
        QStringLiteral(R"(^\^FT(\d+),(\d+)\^A0N,(\d+),(\d+)\^FH\\\^FD(.*)\^FS$)"),
        QRegularExpression::DotMatchesEverythingOption);
    const QList<Segment> rules = verticalSegments(lines);
    int frameRight = 0;
    for (const Segment& s : rules) frameRight = std::max(frameRight, s.left);
    QStringList out;
    for (const QString& l : lines) {
        const auto m = field.match(l);
        const QString text = m.hasMatch() ? unescape(m.captured(5)) : QString();
        if (!m.hasMatch() || printable(text)) {
            out << l;
            continue;
        }
        const int x = m.captured(1).toInt(), baseline = m.captured(2).toInt();
        const int h = m.captured(3).toInt(), w = m.captured(4).toInt();
        const QFontMetricsF fm(gfLABEL_FONT(h));
        const int top = baseline - int(fm.ascent()), bottom = baseline + int(fm.descent());
        int limit = frameRight > x ? frameRight : x + 32000;
        for (const Segment& s : rules)
            if (s.left > x && s.top < bottom && s.bottom > top) limit = std::min(limit, s.left);
        out << graphicLine(text, x, baseline, h, w, limit - kGap);
    }
    return out;
}

}  // namespace mes::reports
