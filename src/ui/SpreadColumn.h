#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace mes {

// Cell types of a grid column.
enum class SpreadCellType { Text, Number, Button, PickList, CheckBox, Date };

// One column of a grid as SetColType defines it.
struct SpreadColumn {
    QString head;   // header text; a line feed gives two lines
    QString id;     // column ID, unique in the grid
    int width = 0;  // characters; 0 keeps the default
    QString tag;    // "PK", "NU" or ""
    SpreadCellType type = SpreadCellType::Text;
    int maxLength = 0;  // characters (text) or digits (number); 0 = no limit
    int decPlaces = 0;
    bool showSep = false;
    int halign = 0;  // 0 left, 1 right, 2 centre
    int valign = 2;  // 0 top, 1 bottom, 2 centre
    bool hidden = false;
    bool locked = true;
    bool popup = false;  // pick list
    bool multiLine = false;
    QColor back;          // invalid: by lock and pick-list flag
    QStringList choices;  // pick list
    int listWidth = 0;
    QString caption;  // button caption for every row
};

}  // namespace mes
