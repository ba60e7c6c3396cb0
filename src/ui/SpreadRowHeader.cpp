#include "ui/SpreadRowHeader.h"

#include <QEvent>
#include <algorithm>

namespace mes {

SpreadRowHeader::SpreadRowHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

QSize SpreadRowHeader::sizeHint() const {
    // The rows Qt's own hint looks at: the first and the last hundred.
    const int n = count();
    int width = 0;
    auto take = [&](int visual) {
        const int logical = logicalIndex(visual);
        if (isSectionHidden(logical)) return;
        const QString text =
            model() ? model()->headerData(logical, Qt::Vertical, Qt::DisplayRole).toString()
                    : QString();
        auto it = widths_.constFind(text);
        if (it == widths_.cend())
            it = widths_.insert(text, sectionSizeFromContents(logical).width());
        width = std::max(width, *it);
    };
    for (int i = 0; i < std::min(n, 100); ++i) take(i);
    for (int i = std::max(100, n - 100); i < n; ++i) take(i);
    return {width, defaultSectionSize()};
}

void SpreadRowHeader::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        widths_.clear();
    QHeaderView::changeEvent(event);
}

}  // namespace mes
