// clsSpread: row marks and the row-state operations built on them.
#include <QKeyEvent>
#include <QTableView>

#include "foundation/UserInterface.h"
#include "ui/SpreadModel.h"
#include "ui/clsSpread.h"

namespace mes {

QString clsSpread::RowMark(int row) const {
    return row >= 1 && row <= MaxRows() ? model_->mark(row - 1) : QString();
}

void clsSpread::SetRowMark(int row, const QString& mark) {
    if (row >= 1 && row <= MaxRows()) model_->setMark(row - 1, mark);
}

bool clsSpread::isNewRow(int row) const {
    const QString m = RowMark(row);
    return m == kNew || m == kNewData;
}

void clsSpread::KeyUpdateChk(int argKeyAscii, int argRow, QObject* /*argForm*/) {
    if (argKeyAscii == 13) return;  // Enter alone changes nothing
    if (argRow < 1 || argRow > MaxRows()) return;
    const QString m = RowMark(argRow);
    if (m == kNew) {
        SetRowMark(argRow, kNewData);
    } else if (m != kNewData) {
        SetRowMark(argRow, kChanged);
    }
}

void clsSpread::CopyRow(int argRow, int argBlankCol) {
    if (argRow < 1 || argRow > MaxRows()) return;
    QStringList values;
    for (int c = 0; c < MaxCols(); ++c) values << model_->raw(argRow - 1, c);
    const int below = ActiveRow() > 0 ? ActiveRow() : MaxRows();
    model_->insertRowAt(below);  // 0-based: right under the cursor row
    const int fresh = below + 1;
    for (int c = 0; c < MaxCols(); ++c) model_->setRaw(fresh - 1, c, values[c]);
    SetRowMark(fresh, kNewData);
    if (argBlankCol > 0 && argBlankCol <= MaxCols()) model_->setRaw(fresh - 1, argBlankCol - 1, {});
    SetFocus(1, fresh);
    if (grid_ && (model_->flags(model_->index(fresh - 1, 0)) & Qt::ItemIsEditable)) {
        grid_->edit(grid_->currentIndex());
    }
}

void clsSpread::InsertRow() {
    const int below = ActiveRow() > 0 ? ActiveRow() : MaxRows();
    model_->insertRowAt(below);
    SetRowMark(below + 1, kNew);
    SetFocus(1, below + 1);
    if (grid_ && (model_->flags(grid_->currentIndex()) & Qt::ItemIsEditable)) {
        grid_->edit(grid_->currentIndex());
    }
}

int clsSpread::OneAddRow(int atRow) {
    const int at = atRow >= 1 && atRow <= MaxRows() + 1 ? atRow : MaxRows() + 1;
    model_->insertRowAt(at - 1);
    SetRowMark(at, kNew);
    for (int c = 1; c <= MaxCols(); ++c) {
        const QString tag = model_->column(c - 1).tag;
        if (tag == QLatin1String("PK") || tag == QLatin1String("NU")) SetLock(c, c, at, at, false);
    }
    return MaxRows();
}

std::pair<int, int> clsSpread::selectedBlock() const {
    int first = 0;
    int last = 0;
    if (grid_ && grid_->selectionModel()) {
        for (const QModelIndex& i : grid_->selectionModel()->selectedIndexes()) {
            const int r = i.row() + 1;
            first = first == 0 ? r : std::min(first, r);
            last = std::max(last, r);
        }
    }
    if (first == 0) first = last = ActiveRow();
    return {first, last};
}

void clsSpread::CancelRow() {
    const auto [first, last] = selectedBlock();
    if (first < 1) return;
    for (int r = std::min(last, MaxRows()); r >= first; --r) {
        if (isNewRow(r)) {
            model_->removeRowAt(r - 1);
        } else {
            SetRowMark(r, QString());
        }
    }
}

void clsSpread::DeleteRow() {
    const auto [first, last] = selectedBlock();
    if (first < 1) return;
    for (int r = std::min(last, MaxRows()); r >= first; --r) model_->removeRowAt(r - 1);
}

void clsSpread::DeleteChk() {
    const auto [first, last] = selectedBlock();
    if (first < 1) return;
    bool anyNew = false;
    for (int r = first; r <= std::min(last, MaxRows()); ++r) {
        if (isNewRow(r)) {
            anyNew = true;
        } else {
            SetRowMark(r, kDelete);
        }
    }
    if (anyNew) {
        gvUI().showMessage(gfPRODUCT_NAME(),
                           QStringLiteral("입력한 데이타는 행취소 버턴을 누르세요."),
                           UserInterface::Icon::None);
        if (grid_) grid_->setFocus();
    }
}

bool clsSpread::EditChk() const {
    for (int r = 1; r <= MaxRows(); ++r) {
        const QString m = RowMark(r);
        if (m == kNewData || m == kDelete || m == kChanged) return true;
    }
    return false;
}

bool clsSpread::InsertChk() const {
    for (int r = 1; r <= MaxRows(); ++r) {
        if (isNewRow(r)) return true;
    }
    return false;
}

int clsSpread::FindInsertRow() const {
    const int fresh = FindRow(kNew);
    return fresh > 0 ? fresh : FindRow(kNewData);
}

int clsSpread::CheckPKField(int row) const {
    for (int c = 1; c <= MaxCols(); ++c) {
        if (model_->column(c - 1).tag == QLatin1String("PK") && GetText(c, row).isEmpty()) return c;
    }
    return 0;
}

bool clsSpread::DuplicateChk(const QString& colId, int row) {
    const int col = GetColNo(colId);
    if (!validCell(col, row)) return false;
    const QString t = GetText(col, row);
    for (int r = 1; r <= MaxRows(); ++r) {
        if (r != row && GetText(col, r) == t) {
            gvUI().showMessage(QStringLiteral("입력오류"),
                               QString::number(r) + QStringLiteral(" 행에 중복된 값이 있습니다."),
                               UserInterface::Icon::Critical);
            return true;
        }
    }
    return false;
}

bool clsSpread::DuplicateChk2(const QString& colId1, const QString& colId2, int row) {
    const int c1 = GetColNo(colId1);
    const int c2 = GetColNo(colId2);
    if (!validCell(c1, row) || !validCell(c2, row)) return false;
    const QString a = GetText(c1, row);
    const QString b = GetText(c2, row);
    for (int r = 1; r <= MaxRows(); ++r) {
        if (r != row && GetText(c1, r) == a && GetText(c2, r) == b) {
            gvUI().showMessage(QStringLiteral("입력오류"),
                               QString::number(r) + QStringLiteral(" 행에 중복된 값이 있습니다."),
                               UserInterface::Icon::Critical);
            return true;
        }
    }
    return false;
}

int clsSpread::FindRow(const QString& mark) const {
    for (int r = 1; r <= MaxRows(); ++r) {
        if (RowMark(r) == mark) return r;
    }
    return -1;
}

int clsSpread::FindRcount(const QString& mark) const {
    int n = 0;
    for (int r = 1; r <= MaxRows(); ++r) n += RowMark(r) == mark ? 1 : 0;
    return n;
}

void clsSpread::UnchkDelRow(int col, const QString& value) {
    if (col < 1 || col > MaxCols()) return;
    for (int r = MaxRows(); r >= 1; --r) {
        if (model_->raw(r - 1, col - 1) == value) model_->removeRowAt(r - 1);
    }
}

bool clsSpread::eventFilter(QObject* watched, QEvent* event) {
    if (grid_ && watched == grid_->viewport()) trackPress(event);
    if (watched == grid_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        // While a cell is being edited its editor gets the keys, not the grid.
        const QModelIndex i = grid_->currentIndex();
        if (i.isValid() && !model_->locked(i.row(), i.column())) {
            model_->setRaw(i.row(), i.column(), QString());
            emit Change(i.column() + 1, i.row() + 1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace mes
