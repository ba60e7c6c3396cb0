#pragma once

#include <QString>
#include <QStringList>

namespace mes {

// The defect and the downtime rows of a run are kept alike: one row per run key
// and cause, so both dialogs write them with the same statements.

// 'v', its quotes doubled.
QString gfQUOTED(const QString& v);

// Where the values' closing parenthesis goes: each dialog has always sent its own.
enum class ValuesClose { OwnLine, AfterLastValue };

// INSERT INTO table, one column a line, then one value a line, each value as it
// goes into the statement (quoted or a bare number).
QString gfCAUSE_ROW_INSERT_SQL(const QString& table, const QStringList& columns,
                               const QStringList& values, ValuesClose close);
// The run key and cause lines that pick one row.
QStringList gfCAUSE_ROW_WHERE(const QString& causeColumn, const QString& opSeqSub,
                              const QString& cause);
QString gfCAUSE_ROW_DELETE_SQL(const QString& table, const QString& causeColumn,
                               const QString& opSeqSub, const QString& cause);

}  // namespace mes
