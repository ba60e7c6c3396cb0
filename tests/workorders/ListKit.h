#pragma once

#include <QString>
#include <QStringList>

class QTableView;

namespace mes {
class ButtonStrip;
class clsSpread;
}  // namespace mes

// Finger work on the work-order screens for the tests.
namespace listkit {

// Grid row (from 1) whose column colId reads text, 0 when none does.
int rowOf(const mes::clsSpread& spread, const QString& colId, const QString& text);
// A real click on the cell of column colId in row.
void clickCell(QTableView& view, const mes::clsSpread& spread, const QString& colId, int row);
// Index of the visible button with this caption, -1 when none.
int buttonOf(const mes::ButtonStrip& strip, const QString& caption);
// Captions of the visible buttons, in index order.
QStringList captions(const mes::ButtonStrip& strip);
// Orange buttons' captions.
QStringList selectedCaptions(const mes::ButtonStrip& strip);
// The column colId of every grid row.
QStringList column(const mes::clsSpread& spread, const QString& colId);

}  // namespace listkit
