#include "ListKit.h"

#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "ui/ButtonStrip.h"
#include "ui/Theme.h"
#include "ui/clsSpread.h"

namespace listkit {

int rowOf(const mes::clsSpread& spread, const QString& colId, const QString& text) {
    for (int r = 1; r <= spread.MaxRows(); ++r)
        if (spread.TextWithColID(colId, r) == text) return r;
    return 0;
}

void clickCell(QTableView& view, const mes::clsSpread& spread, const QString& colId, int row) {
    const QModelIndex i = view.model()->index(row - 1, spread.GetColNo(colId) - 1);
    view.scrollTo(i);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(i).center());
}

int buttonOf(const mes::ButtonStrip& strip, const QString& caption) {
    for (int i = 0; i < strip.count(); ++i)
        if (strip.isButtonVisible(i) && strip.caption(i) == caption) return i;
    return -1;
}

QStringList captions(const mes::ButtonStrip& strip) {
    QStringList out;
    for (int i = 0; i < strip.count(); ++i)
        if (strip.isButtonVisible(i)) out << strip.caption(i);
    return out;
}

QStringList selectedCaptions(const mes::ButtonStrip& strip) {
    QStringList out;
    for (int i = 0; i < strip.count(); ++i)
        if (strip.backColor(i) == mes::Theme::selected()) out << strip.caption(i);
    return out;
}

QStringList column(const mes::clsSpread& spread, const QString& colId) {
    QStringList out;
    for (int r = 1; r <= spread.MaxRows(); ++r) out << spread.TextWithColID(colId, r);
    return out;
}

}  // namespace listkit
