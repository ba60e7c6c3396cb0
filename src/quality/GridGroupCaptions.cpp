#include "quality/GridGroupCaptions.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>

#include "ui/Theme.h"

namespace mes {

GridGroupCaptions::GridGroupCaptions(QTableView* grid, const QList<Group>& groups, QWidget* parent)
    : QWidget(parent), grid_(grid), groups_(groups) {
    setMinimumHeight(Theme::kRowHeight * 2 / 3);
    for (const Group& g : groups_) {
        auto* l = new QLabel(g.caption, this);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Box);
        l->setStyleSheet(QStringLiteral("background: rgb(214,224,236);"));
        labels_ << l;
    }
    QHeaderView* h = grid->horizontalHeader();
    connect(h, &QHeaderView::sectionResized, this, &GridGroupCaptions::place);
    connect(h, &QHeaderView::geometriesChanged, this, &GridGroupCaptions::place);
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &GridGroupCaptions::place);
}

QString GridGroupCaptions::captionOver(int col) const {
    for (const Group& g : groups_) {
        if (col >= g.firstCol && col <= g.lastCol) return g.caption;
    }
    return {};
}

void GridGroupCaptions::resizeEvent(QResizeEvent*) { place(); }

void GridGroupCaptions::place() {
    QHeaderView* h = grid_->horizontalHeader();
    // The grid's cells start after its frame and row header.
    const int offset = grid_->mapTo(parentWidget(), QPoint(0, 0)).x() -
                       mapTo(parentWidget(), QPoint(0, 0)).x() + grid_->frameWidth() +
                       grid_->verticalHeader()->width();
    for (int i = 0; i < groups_.size(); ++i) {
        int left = -1;
        int right = -1;
        for (int c = groups_[i].firstCol; c <= groups_[i].lastCol; ++c) {
            if (h->isSectionHidden(c - 1)) continue;
            const int x = h->sectionViewportPosition(c - 1);
            if (left < 0) left = x;
            right = x + h->sectionSize(c - 1);
        }
        labels_[i]->setVisible(left >= 0);
        if (left >= 0) labels_[i]->setGeometry(offset + left, 0, right - left, height());
    }
}

}  // namespace mes
