#pragma once

#include <QStringList>

// Pieces shared by the statement builders of the corpus.
namespace plant::text {

inline QString q(const QString& v) { return u'\'' + v + u'\''; }

// "    'a'," ... "    'z')" : one quoted value per line.
inline QStringList valueLines(const QStringList& values, const QString& indent,
                              const QString& lastClose) {
    QStringList out;
    for (int i = 0; i < values.size(); ++i) {
        const bool last = i + 1 == values.size();
        out << indent + q(values[i]) + (last ? lastClose : QStringLiteral(","));
    }
    return out;
}

}  // namespace plant::text
