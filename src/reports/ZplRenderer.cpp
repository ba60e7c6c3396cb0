#include "reports/ZplRenderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include "reports/Barcode.h"
#include "reports/LabelTextGraphic.h"
#include "reports/ZplGraphic.h"

namespace mes {

namespace {

struct Command {
    QString code;  // two letters, upper case ("FO", "A0", "FD")
    QString args;
};

// "^XA^FO1,2^FDtext^FS" -> XA, FO "1,2", FD "text", FS. Field data runs to ^FS.
QList<Command> parse(const QString& text) {
    QList<Command> out;
    int i = 0;
    const int n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if ((c != u'^' && c != u'~') || i + 2 >= n + 0) {
            ++i;
            continue;
        }
        Command cmd{text.mid(i + 1, 2).toUpper(), {}};
        int j = i + 3;
        if (cmd.code == QLatin1String("FD")) {
            const int end = text.indexOf(QLatin1String("^FS"), j);
            const int stop = end < 0 ? n : end;
            cmd.args = text.mid(j, stop - j);
            j = stop;
        } else {
            while (j < n && text[j] != u'^' && text[j] != u'~') ++j;
            cmd.args = text.mid(i + 3, j - i - 3);
        }
        out << cmd;
        i = j;
    }
    return out;
}

int arg(const QStringList& a, int k, int fallback) {
    bool ok = false;
    const int v = a.value(k).trimmed().toInt(&ok);
    return ok ? v : fallback;
}

// ^FH\ : "\41" stands for the byte 0x41.
QString unescape(const QString& data, QChar indicator) {
    QByteArray out;
    const QByteArray in = data.toUtf8();
    for (int i = 0; i < in.size(); ++i) {
        if (in[i] == indicator.toLatin1() && i + 2 < in.size() + 0) {
            bool ok = false;
            const int v = in.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                out += char(v);
                i += 2;
                continue;
            }
        }
        out += in[i];
    }
    return QString::fromUtf8(out);
}

// Subset and function codes of ^BC data (">;" start in C ...) are not data.
QByteArray barcodeData(const QString& data) {
    QByteArray out;
    const QByteArray in = data.toLatin1();
    for (int i = 0; i < in.size(); ++i) {
        if (in[i] == '>' && i + 1 < in.size()) {
            ++i;
            continue;
        }
        out += in[i];
    }
    return out;
}

struct State {
    int x = 0;
    int y = 0;
    bool baseline = false;  // ^FT: y is the baseline (text) or bottom (barcode)
    int fontH = 9;
    int fontW = 5;
    int module = 2;
    int barHeight = 10;
    bool barcode = false;
    QChar hex;  // ^FH indicator, null when off
};

void drawBox(QPainter& p, const State& s, const QStringList& a) {
    const int t = std::max(1, arg(a, 2, 1));
    const int w = std::max(t, arg(a, 0, t));
    const int h = std::max(t, arg(a, 1, t));
    const QRect r(s.x, s.y, w, h);
    p.fillRect(QRect(r.left(), r.top(), w, t), Qt::black);
    p.fillRect(QRect(r.left(), r.bottom() - t + 1, w, t), Qt::black);
    p.fillRect(QRect(r.left(), r.top(), t, h), Qt::black);
    p.fillRect(QRect(r.right() - t + 1, r.top(), t, h), Qt::black);
}

void drawText(QPainter& p, const State& s, const QString& text) {
    const QFont f = reports::gfLABEL_FONT(s.fontH);
    const QFontMetricsF m(f);
    const qreal sx = reports::gfLABEL_FONT_SCALE(f, s.fontW);
    p.save();
    p.setFont(f);
    p.setPen(Qt::black);
    p.translate(s.x, s.baseline ? s.y : s.y + m.ascent());
    p.scale(sx, 1.0);
    p.drawText(QPointF(0, 0), text);
    p.restore();
}

void drawBarcode(QPainter& p, const State& s, const QString& data) {
    const QList<bool> modules =
        reports::gfBARCODE_MODULES(reports::Symbology::Code128, barcodeData(data));
    const int top = s.baseline ? s.y - s.barHeight : s.y;
    reports::gsDRAW_BARS(p, modules, QRectF(s.x, top, modules.size() * s.module, s.barHeight),
                         s.module);
}

// Only the dots that print: a graphic field never clears what is under it.
void drawGraphic(QPainter& p, const State& s, const QString& parameters) {
    const QImage g = reports::gfZPL_GRAPHIC_PICTURE(parameters);
    if (g.isNull()) return;
    const int top = s.baseline ? s.y - g.height() : s.y;
    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x)
            if (g.pixel(x, y) == 0xFF000000) p.fillRect(s.x + x, top + y, 1, 1, Qt::black);
}

}  // namespace

int ZplRenderer::copies(const QStringList& lines) {
    int n = 1;
    for (const Command& c : parse(lines.join(QString())))
        if (c.code == QLatin1String("PQ")) n = std::max(1, arg(c.args.split(u','), 0, 1));
    return n;
}

QImage ZplRenderer::render(const QStringList& lines) {
    const QList<Command> commands = parse(lines.join(QString()));
    int width = 812;
    int length = 1218;
    for (const Command& c : commands) {
        if (c.code == QLatin1String("PW")) width = std::max(1, arg({c.args}, 0, width));
        if (c.code == QLatin1String("LL")) length = std::max(1, arg({c.args}, 0, length));
    }
    QImage image(width, length, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    State s;
    for (const Command& c : commands) {
        const QStringList a = c.args.split(u',');
        const QString& k = c.code;
        if (k == QLatin1String("FO") || k == QLatin1String("FT")) {
            s.x = arg(a, 0, 0);
            s.y = arg(a, 1, 0);
            s.baseline = k == QLatin1String("FT");
        } else if (k.startsWith(u'A') && k.size() == 2 && k != QLatin1String("XA")) {
            // ^A0N,h,w: the font letter is the code's second character.
            s.fontH = arg(a, 1, s.fontH);
            s.fontW = arg(a, 2, s.fontH);
        } else if (k == QLatin1String("BY")) {
            s.module = std::max(1, arg(a, 0, s.module));
            s.barHeight = arg(a, 2, s.barHeight);
        } else if (k == QLatin1String("BC")) {
            s.barcode = true;
            s.barHeight = arg(a, 1, s.barHeight);
        } else if (k == QLatin1String("FH")) {
            s.hex = c.args.isEmpty() ? QChar(u'_') : c.args[0];
        } else if (k == QLatin1String("GB")) {
            drawBox(p, s, a);
        } else if (k == QLatin1String("GF")) {
            drawGraphic(p, s, c.args);
        } else if (k == QLatin1String("FD")) {
            const QString data = s.hex.isNull() ? c.args : unescape(c.args, s.hex);
            if (s.barcode)
                drawBarcode(p, s, data);
            else
                drawText(p, s, data);
        } else if (k == QLatin1String("FS")) {
            s.barcode = false;
            s.hex = QChar();
        }
    }
    return image;
}

}  // namespace mes
