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

}  // namespace plant::text
