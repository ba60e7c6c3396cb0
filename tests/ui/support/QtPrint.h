#pragma once

#include <QColor>
#include <QStringList>
#include <QVariant>
#include <ostream>

// Readable failure messages for Qt values in the screen-layer tests.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '[' << l.join("\", \"").prepend('"').append('"').toStdString() << ']';
}
inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << "rgb(" << c.red() << ',' << c.green() << ',' << c.blue() << ')';
}
inline void PrintTo(const QVariantList& l, std::ostream* os) {
    QStringList parts;
    for (const QVariant& v : l) parts << v.toString();
    *os << '(' << parts.join(", ").toStdString() << ')';
}
