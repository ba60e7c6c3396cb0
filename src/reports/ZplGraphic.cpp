#include "reports/ZplGraphic.h"

#include <QStringList>

namespace mes::reports {

namespace {

constexpr int kMaxRun = 400;  // the longest count one prefix gives ("z")
constexpr int kMaxBytes = 99999;

// The prefix that repeats the next hex digit n times (2..400).
QString repeat(int n) {
    QString out;
    if (n / 20 > 0) out += QChar(u'g' + n / 20 - 1);
    if (n % 20 > 0) out += QChar(u'G' + n % 20 - 1);
    return out;
}

// A white tail ends in ','. A black tail stays a counted run: renderers read
// '!' differently (ones bits, or hex digits 1).
QString compressRow(const QString& hex) {
    int end = hex.size();
    while (end > 0 && hex[end - 1] == u'0') --end;
    // A single trailing digit is as short as the marker; keep the digit.
    if (hex.size() - end < 2) end = hex.size();
    QString out;
    for (int i = 0; i < end;) {
        int j = i;
        while (j < end && hex[j] == hex[i] && j - i < kMaxRun) ++j;
        if (j - i > 1) out += repeat(j - i);
        out += hex[i];
        i = j;
    }
    if (end < hex.size()) out += u',';
    return out;
}

int hexValue(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    return -1;
}

}  // namespace

QString gfZPL_GRAPHIC(const QImage& picture) {
    const QImage gray = picture.convertToFormat(QImage::Format_Grayscale8);
    const int perRow = std::max(1, (gray.width() + 7) / 8);
    const int rows = std::max(1, gray.height());
    QString data;
    QString previous;
    for (int y = 0; y < rows; ++y) {
        QByteArray bytes(perRow, '\0');
        if (y < gray.height()) {
            const uchar* line = gray.constScanLine(y);
            for (int x = 0; x < gray.width(); ++x)
                if (line[x] < 128) bytes[x / 8] = char(uchar(bytes[x / 8]) | (0x80 >> (x % 8)));
        }
        const QString hex = QString::fromLatin1(bytes.toHex().toUpper());
        data += y > 0 && hex == previous ? QStringLiteral(":") : compressRow(hex);
        previous = hex;
    }
    const QString total = QString::number(perRow * rows);
    return QStringLiteral("^GFA,%1,%1,%2,%3").arg(total).arg(perRow).arg(data);
}

QImage gfZPL_GRAPHIC_PICTURE(const QString& parameters) {
    const QStringList p = parameters.split(u',');
    if (p.size() < 5 || p[0].trimmed() != QLatin1String("A")) return {};
    bool ok1 = false, ok2 = false, ok3 = false;
    const int binary = p[1].toInt(&ok1);
    const int field = p[2].toInt(&ok2);
    const int perRow = p[3].toInt(&ok3);
    if (!ok1 || !ok2 || !ok3 || perRow < 1 || binary != field || field < perRow ||
        field > kMaxBytes || field % perRow != 0)
        return {};
    const QString data = p.mid(4).join(u',');
    const int nibblesPerRow = perRow * 2;
    QList<int> nibbles;  // the whole field, row after row
    int count = 0;
    auto rowStart = [&] { return int(nibbles.size()) % nibblesPerRow == 0; };
    auto fillRow = [&](int value) {
        do nibbles << value;
        while (!rowStart());
    };
    for (const QChar c : data) {
        if (nibbles.size() > field * 2) return {};
        if (c >= u'G' && c <= u'Y') {
            count += c.unicode() - u'G' + 1;
        } else if (c >= u'g' && c <= u'z') {
            count += (c.unicode() - u'g' + 1) * 20;
        } else if (c == u',' || c == u'!') {
            if (count) return {};
            fillRow(c == u',' ? 0 : 15);
        } else if (c == u':') {
            if (count || !rowStart() || nibbles.isEmpty()) return {};
            nibbles << nibbles.mid(nibbles.size() - nibblesPerRow);
        } else if (const int v = hexValue(c); v >= 0) {
            for (int k = 0; k < std::max(1, count); ++k) nibbles << v;
            count = 0;
        } else if (!c.isSpace()) {
            return {};
        }
    }
    if (count || nibbles.size() != field * 2) return {};
    const int rows = field / perRow;
    QImage out(perRow * 8, rows, QImage::Format_RGB32);
    out.fill(Qt::white);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < perRow * 8; ++x)
            if (nibbles[y * nibblesPerRow + x / 4] & (8 >> (x % 4))) out.setPixel(x, y, 0xFF000000);
    return out;
}

}  // namespace mes::reports
