#include "foundation/ReadOnlySql.h"

#include <QSet>

namespace mes {

namespace {

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// Index just past the quoted part or comment starting at i; i when none starts there.
qsizetype skipQuotedOrComment(const QString& s, qsizetype i) {
    const QChar c = s[i];
    const QChar next = i + 1 < s.size() ? s[i + 1] : QChar();
    if (c == u'-' && next == u'-') {
        const qsizetype end = s.indexOf(u'\n', i);
        return end < 0 ? s.size() : end + 1;
    }
    if (c == u'/' && next == u'*') {
        const qsizetype end = s.indexOf(QLatin1String("*/"), i + 2);
        return end < 0 ? s.size() : end + 2;
    }
    if (c != u'\'' && c != u'"' && c != u'[') return i;
    const QChar close = c == u'[' ? QChar(u']') : c;
    for (qsizetype j = i + 1; j < s.size(); ++j) {
        if (s[j] != close) continue;
        if (j + 1 < s.size() && s[j + 1] == close) {
            ++j;  // a doubled quote stays inside
            continue;
        }
        return j + 1;
    }
    return s.size();
}

}  // namespace

bool gfSQL_READ_ONLY(const QString& sql) {
    static const QSet<QString> writers = {
        "INSERT", "UPDATE", "DELETE",   "MERGE", "INTO",      "EXEC",      "EXECUTE", "CREATE",
        "ALTER",  "DROP",   "TRUNCATE", "BEGIN", "COMMIT",    "ROLLBACK",  "SAVE",    "GRANT",
        "REVOKE", "DENY",   "BULK",     "DBCC",  "WRITETEXT", "UPDATETEXT"};
    for (qsizetype i = 0; i < sql.size();) {
        const qsizetype past = skipQuotedOrComment(sql, i);
        if (past != i) {
            i = past;
            continue;
        }
        if (!isWordChar(sql[i])) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < sql.size() && isWordChar(sql[end])) ++end;
        if (writers.contains(sql.mid(i, end - i).toUpper())) return false;
        i = end;
    }
    return true;
}

}  // namespace mes
