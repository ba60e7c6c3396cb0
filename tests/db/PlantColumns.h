#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace plantdb {

// A table the terminal touches and the columns its statements name.
struct PlantTable {
    QString name;
    QStringList columns;  // lower case
};

// Every table of the plant database and every column that a screen's statement
// reads or writes, written down from the screens' statements, not from the schema.
const QList<PlantTable>& plantTables();

// Tables whose idx the database assigns, increasing.
QStringList identityTables();

}  // namespace plantdb
