// clsSpread: colours, locks, spans, pick lists, visibility, touch feedback and blinking.
#include <QComboBox>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>
#include <QTimer>

#include "ui/SpreadDelegate.h"
#include "ui/SpreadModel.h"
#include "ui/Theme.h"
#include "ui/clsSpread.h"

namespace mes {

namespace {
// Clamps a block to the grid; row -1 means every row.
bool block(int maxCols, int maxRows, int& c1, int& c2, int& r1, int& r2) {
    if (r1 == -1) {
        r1 = 1;
        r2 = maxRows;
    }
    if (c1 == -1) {
        c1 = 1;
        c2 = maxCols;
    }
    c1 = std::max(1, c1);
    r1 = std::max(1, r1);
    c2 = std::min(maxCols, c2);
    r2 = std::min(maxRows, r2);
    return c1 <= c2 && r1 <= r2;
}
}  // namespace

void clsSpread::SetForeColor(int col, int row, const QColor& colour) {
    SetForeColor2(col, col, row, row, colour);
}

void clsSpread::SetForeColor2(int col, int lastCol, int row, int lastRow, const QColor& colour) {
    if (!block(MaxCols(), MaxRows(), col, lastCol, row, lastRow)) return;
    for (int r = row; r <= lastRow; ++r) {
        for (int c = col; c <= lastCol; ++c) model_->styleRef(r - 1, c - 1).fore = colour;
    }
    model_->styleChanged(row - 1, col - 1, lastRow - 1, lastCol - 1);
}

void clsSpread::SetColor(int col, int lastCol, int row, int lastRow, const QColor& colour) {
    if (!block(MaxCols(), MaxRows(), col, lastCol, row, lastRow)) return;
    // One change signal for the block; the view repaints once, later. Switching
    // the view's painting off and on per call cost more than the colours.
    const bool wholeRows = col == 1 && lastCol == MaxCols();
    for (int r = row; r <= lastRow; ++r) {
        if (wholeRows) {
            model_->setRowBack(r - 1, colour);
            continue;
        }
        for (int c = col; c <= lastCol; ++c) model_->styleRef(r - 1, c - 1).back = colour;
    }
    model_->styleChanged(row - 1, col - 1, lastRow - 1, lastCol - 1);
}

QColor clsSpread::GetColor(int col, int row) const {
    return validCell(col, row) ? model_->background(row - 1, col - 1) : QColor();
}

QColor clsSpread::GetForeColor(int col, int row) const {
    return validCell(col, row) ? model_->foreground(row - 1, col - 1) : QColor();
}

void clsSpread::SPCellSpan(int startCol, int startRow, int cols, int rows, const QString& text) {
    if (!validCell(startCol, startRow) || cols < 1 || rows < 1) return;
    cols = std::min(cols, MaxCols() - startCol + 1);
    rows = std::min(rows, MaxRows() - startRow + 1);
    if (grid_ && (cols > 1 || rows > 1)) grid_->setSpan(startRow - 1, startCol - 1, rows, cols);
    model_->setRaw(startRow - 1, startCol - 1, text);
}

void clsSpread::SetCboAddList(int col, int row, const QStringList& list, int width) {
    if (col < 1 || col > MaxCols()) return;
    auto apply = [&](QStringList& choices, int& listWidth) {
        if (!list.join(QString()).trimmed().isEmpty()) choices = list;
        if (width > 0) listWidth = width;
    };
    if (row == -1) {
        SpreadColumn& c = model_->columnRef(col - 1);
        apply(c.choices, c.listWidth);
        return;
    }
    if (!validCell(col, row)) return;
    SpreadCellStyle& s = model_->styleRef(row - 1, col - 1);
    if (!s.hasChoices) s.choices = model_->column(col - 1).choices;
    s.hasChoices = true;
    apply(s.choices, s.listWidth);
}

void clsSpread::SetCboAddList(int col, int row, const QString& tabSeparated, int width) {
    SetCboAddList(col, row, tabSeparated.split(QLatin1Char('\t')), width);
}

void clsSpread::SetLock(int col, int lastCol, int row, int lastRow, bool lock) {
    if (row == -1) {  // whole columns: the column definition itself
        for (int c = std::max(1, col); c <= std::min(MaxCols(), lastCol); ++c) {
            SpreadColumn& def = model_->columnRef(c - 1);
            def.locked = lock;
            if (!lock)
                def.back = def.tag == QLatin1String("PK") ? QColor(Qt::white) : Theme::editable();
            model_->columnChanged(c - 1);
        }
        return;
    }
    if (!block(MaxCols(), MaxRows(), col, lastCol, row, lastRow)) return;
    for (int r = row; r <= lastRow; ++r) {
        for (int c = col; c <= lastCol; ++c) {
            SpreadCellStyle& s = model_->styleRef(r - 1, c - 1);
            s.locked = lock ? 1 : 0;
            if (!lock) {
                s.back = model_->column(c - 1).tag == QLatin1String("PK") ? QColor(Qt::white)
                                                                          : Theme::editable();
            }
        }
    }
    model_->styleChanged(row - 1, col - 1, lastRow - 1, lastCol - 1);
}

void clsSpread::SetAllLock(bool lock) {
    for (int c = 0; c < MaxCols(); ++c) {
        model_->columnRef(c).locked = lock;
        for (int r = 0; r < MaxRows(); ++r) {
            if (model_->style(r, c).locked >= 0) model_->styleRef(r, c).locked = -1;
        }
        model_->columnChanged(c);
    }
}

void clsSpread::SetRowHidden(int row, bool hidden) {
    if (grid_ && row >= 1 && row <= MaxRows()) grid_->setRowHidden(row - 1, hidden);
}

void clsSpread::SetColHidden(int col, bool hidden) {
    if (col < 1 || col > MaxCols()) return;
    model_->columnRef(col - 1).hidden = hidden;
    if (grid_) grid_->setColumnHidden(col - 1, hidden);
}

void clsSpread::ShadedRow(int every) {
    if (every < 1) return;
    for (int r = every; r <= MaxRows(); r += every) SetColor(1, MaxCols(), r, r, Theme::shaded());
}

void clsSpread::gsSprPopup(int col, int row, bool on) {
    if (!validCell(col, row)) return;
    SpreadCellStyle& s = model_->styleRef(row - 1, col - 1);
    s.back = on ? Theme::pickList() : QColor(Qt::white);
    s.locked = 1;
    model_->styleChanged(row - 1, col - 1, row - 1, col - 1);
}

void clsSpread::trackPress(QEvent* event) {
    if (!delegate_) return;
    QModelIndex now;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const QModelIndex at =
                grid_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (at.isValid() && model_->column(at.column()).type == SpreadCellType::Button)
                now = at;
            break;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::Leave:
        case QEvent::Hide:
            break;
        default:
            return;
    }
    const QModelIndex before = delegate_->pressed();
    if (before == now) return;
    delegate_->setPressed(now);
    if (before.isValid()) grid_->viewport()->update(grid_->visualRect(before));
    if (now.isValid()) grid_->viewport()->update(grid_->visualRect(now));
}

void clsSpread::openPickList(const QModelIndex& index) {
    const SpreadColumn& c = model_->column(index.column());
    if (c.type != SpreadCellType::PickList && !c.popup) return;
    if (!(model_->flags(index) & Qt::ItemIsEditable)) return;
    grid_->setCurrentIndex(index);
    grid_->edit(index);
    if (auto* box = qobject_cast<QComboBox*>(grid_->indexWidget(index))) box->showPopup();
}

void clsSpread::setUseTimer(QTimer* timer) {
    if (timer_ && timer_->parent() == this && timer_ != timer) delete timer_;
    timer_ = timer ? timer : new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &clsSpread::blink, Qt::UniqueConnection);
}

void clsSpread::EnableTimer(bool on) {
    if (!timer_) setUseTimer();
    if (on)
        timer_->start(1000);
    else
        timer_->stop();
}

void clsSpread::SetTwinkle(int col, const QString& value) {
    twinkleCol_ = col;
    twinkleValue_ = value;
}

void clsSpread::blink() {
    if (twinkleCol_ < 1 || twinkleCol_ > MaxCols()) return;
    twinkleOn_ = !twinkleOn_;
    const QColor back = twinkleOn_ ? QColor(255, 0, 0) : QColor(Qt::white);
    const QColor fore = twinkleOn_ ? QColor(Qt::white) : QColor(Qt::black);
    for (int r = 1; r <= MaxRows(); ++r) {
        if (model_->raw(r - 1, twinkleCol_ - 1) != twinkleValue_) continue;
        SetColor(1, MaxCols(), r, r, back);
        SetForeColor2(1, MaxCols(), r, r, fore);
    }
}

}  // namespace mes
