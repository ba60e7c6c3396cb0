#include "production/CauseRowSql.h"

#include "foundation/Session.h"
#include "production/DayReportSql.h"

namespace mes {

QString gfQUOTED(const QString& v) { return u'\'' + gfSQ(v) + u'\''; }

QString gfCAUSE_ROW_INSERT_SQL(const QString& table, const QStringList& columns,
                               const QStringList& values, ValuesClose close) {
    QStringList l{QStringLiteral("INSERT INTO ") + table, QStringLiteral("(")};
    for (int i = 0; i < columns.size(); ++i)
        l << QStringLiteral("    ") + columns[i] +
                 (i == columns.size() - 1 ? QString() : QStringLiteral(","));
    l << QStringLiteral(")") << QStringLiteral("Values") << QStringLiteral("(");
    const QString last = close == ValuesClose::OwnLine ? QString() : QStringLiteral(")");
    for (int i = 0; i < values.size(); ++i)
        l << QStringLiteral("    ") + values[i] +
                 (i == values.size() - 1 ? last : QStringLiteral(","));
    if (close == ValuesClose::OwnLine) l << QStringLiteral(")");
    return gfSQL_LINES(l);
}

QStringList gfCAUSE_ROW_WHERE(const QString& causeColumn, const QString& opSeqSub,
                              const QString& cause) {
    return {QStringLiteral("    WHERE op_seq_sub = ") + gfQUOTED(opSeqSub),
            QStringLiteral("    and ") + causeColumn + QStringLiteral(" = ") + gfQUOTED(cause)};
}

QString gfCAUSE_ROW_DELETE_SQL(const QString& table, const QString& causeColumn,
                               const QString& opSeqSub, const QString& cause) {
    return gfSQL_LINES(QStringList{QStringLiteral("    DELETE  ") + table} +
                       gfCAUSE_ROW_WHERE(causeColumn, opSeqSub, cause));
}

}  // namespace mes
