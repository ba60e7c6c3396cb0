#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace mes {

// Statements of the moulding-condition sheet. A sheet belongs to a work order
// and a date: the count, the load and the update all select by both.

// The entry columns of Q_MOLDTEST_RESULT after the three key columns, in table order.
const QStringList& gfMOLD_COLUMNS();

QString gfMOLD_LOAD_SQL(const QString& opSeqSub, const QString& date);
QString gfMOLD_COUNT_SQL(const QString& opSeqSub, const QString& date);

// True when value is one numeric literal (digits with an optional point,
// sign and exponent): nothing else may stand unquoted in a statement.
bool gfIS_NUMBER_TOKEN(const QString& value);
// A stored value as its field shows it: numbers in plain decimal form (a shot
// count of 100000 is "100000", never "1e+05").
QString gfMOLD_VALUE_TEXT(const QVariant& value);

// The values by column ("" = nothing entered). Both builders return nothing
// and name the first column whose value is not a number in badColumn.
struct MoldSheet {
    QString opSeqSub;
    QString product;
    QString date;  // "yyyy-MM-dd"
    QHash<QString, QString> values;
};
// Every column: NULL where nothing was entered.
std::optional<QString> gfMOLD_INSERT_SQL(const MoldSheet& sheet, QString* badColumn);
// Only the columns that show a value.
std::optional<QString> gfMOLD_UPDATE_SQL(const MoldSheet& sheet, QString* badColumn);

}  // namespace mes
