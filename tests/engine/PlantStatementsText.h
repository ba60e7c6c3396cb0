#pragma once

#include <QStringList>

// Pieces shared by the statement builders of the corpus.
namespace plant::text {

inline QString q(const QString& v) { return u'\'' + v + u'\''; }

// The corpus takes values as they stand between quotes; the builders double
// quotes themselves, so they get the value as typed.
inline QString typed(const QString& v) {
    QString s = v;
    return s.replace(QStringLiteral("''"), QStringLiteral("'"));
}

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
