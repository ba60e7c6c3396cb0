#include "reports/HistoryColumns.h"

#include "ui/Theme.h"
#include "ui/clsSpread.h"

namespace mes {

void gsDEFINE_HISTORY_GRID(clsSpread& spread, std::initializer_list<HistoryColumn> columns) {
    spread.SetInit(0, static_cast<int>(columns.size()), Theme::kRowHeight, 0, Theme::kFontPixels);
    int n = 0;
    for (const HistoryColumn& c : columns) {
        SpreadColumn col;
        col.head = QString::fromUtf8(c.head);
        col.id = QString::fromUtf8(c.id);
        col.width = c.width;
        col.hidden = !c.shown;
        col.halign = c.right ? 1 : 0;
        spread.SetColType(++n, col);
    }
}

}  // namespace mes
