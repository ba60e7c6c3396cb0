#include "ui/clsSpread.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScroller>
#include <QTableView>
#include <cmath>

#include "foundation/ErrorLog.h"
#include "foundation/NumberText.h"
#include "foundation/Session.h"
#include "foundation/UserInterface.h"
#include "ui/SpreadDelegate.h"
#include "ui/SpreadModel.h"
#include "ui/SpreadRowHeader.h"
#include "ui/Theme.h"

namespace mes {

const QString clsSpread::kNew = QStringLiteral("☞");
const QString clsSpread::kNewData = QStringLiteral("▶");
const QString clsSpread::kChanged = QStringLiteral("√");
const QString clsSpread::kDelete = QStringLiteral("X");

namespace {

int& lastRowCount() {
    static int n = 0;
    return n;
}

int pointsToPixels(int points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

// Cells are read back into statements: numbers in plain decimal form.
QString fieldText(const QVariant& v) {
    // Most cells are texts: shared, not converted.
    if (v.typeId() == QMetaType::QString) return *static_cast<const QString*>(v.constData());
    if (v.isValid() && !v.isNull() && v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return gfVALUE_TEXT(v);
}

}  // namespace

clsSpread::clsSpread(QObject* parent)
    : QObject(parent), model_(new SpreadModel(this)), rowHeight_(Theme::kRowHeight) {
    connect(model_, &SpreadModel::edited, this,
            [this](int r, int c) { emit Change(c + 1, r + 1); });
}

clsSpread::~clsSpread() {
    if (grid_) grid_->setModel(nullptr);
}

void clsSpread::Spr(QTableView* grid) {
    grid_ = grid;
    grid->setModel(model_);
    delegate_ = new SpreadDelegate(model_, grid);
    grid->setItemDelegate(delegate_);
    auto* rows = new SpreadRowHeader(grid);
    rows->setHidden(grid->verticalHeader()->isHidden());
    grid->setVerticalHeader(rows);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight_);
    grid->verticalHeader()->setMinimumWidth(28);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
    // Fingers scroll the list; a mouse still selects.
    QScroller::grabGesture(grid->viewport(), QScroller::TouchGesture);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(grid, &QTableView::clicked, this, [this](const QModelIndex& i) {
        const int col = i.column() + 1;
        const int row = i.row() + 1;
        // A button is there to be pressed: the lock keeps its caption, not its event.
        if (model_->column(i.column()).type == SpreadCellType::Button) emit ButtonClicked(col, row);
        openPickList(i);
        emit Click(col, row);
    });
    connect(grid, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { emit DblClick(i.column() + 1, i.row() + 1); });
}

void clsSpread::SetInit(int argMaxRow, int argMaxCol, int argRowHeight, int argOperationMode,
                        int argFontSize, bool argFontBold, bool /*argHeadInit*/,
                        bool argUserColAction, int argColHeaderRows, bool argColResize) {
    model_->setColumns(QList<SpreadColumn>(std::max(0, argMaxCol)));
    model_->replaceRows({});
    model_->setRowCountTo(argMaxRow);
    model_->setEditable(argOperationMode == 0);
    // Rows never below a finger's size, whatever the screen asks for.
    const int asked = std::max(pointsToPixels(argRowHeight), 24);
    rowHeight_ = std::max(asked, int(Theme::kRowHeight));
    if (!grid_) return;
    grid_->clearSpans();
    grid_->setFont(Theme::font(pointsToPixels(argFontSize), argFontBold));
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight_);
    grid_->horizontalHeader()->setMinimumHeight(asked * std::max(1, argColHeaderRows));
    grid_->horizontalHeader()->setSectionsMovable(argUserColAction);
    grid_->horizontalHeader()->setSectionResizeMode(argColResize ? QHeaderView::Interactive
                                                                 : QHeaderView::Fixed);
    if (argOperationMode == 2) {
        grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid_->setSelectionMode(QAbstractItemView::SingleSelection);
        grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    } else {
        grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
        grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
        grid_->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    }
    for (int c = 0; c < argMaxCol; ++c) grid_->setColumnHidden(c, false);
}

void clsSpread::SetColType(int argCol, const QString& argHeadName, const QString& argColID,
                           int argColWidth, const QString& argCellTag, SpreadCellType argCellType,
                           int argMaxLength, int argDecPlaces, bool argShowSep, int argHalign,
                           int argValign, bool argColHidden, bool argLock, bool argPopup,
                           bool argMultiLine, QColor colour, int /*argHeaderRow*/) {
    SpreadColumn c;
    c.head = argHeadName;
    c.id = argColID;
    c.width = argColWidth;
    c.tag = argCellTag;
    c.type = argCellType;
    c.maxLength = argMaxLength;
    c.decPlaces = argDecPlaces;
    c.showSep = argShowSep;
    c.halign = argHalign;
    c.valign = argValign;
    c.hidden = argColHidden;
    c.locked = argLock;
    c.popup = argPopup;
    c.multiLine = argMultiLine;
    c.back = colour;
    SetColType(argCol, c);
}

void clsSpread::SetColType(int argCol, const SpreadColumn& column) {
    if (argCol < 1) return;
    if (argCol > model_->columnCount()) model_->setColumnCount(argCol);
    model_->columnRef(argCol - 1) = column;
    model_->columnChanged(argCol - 1);
    applyColumnLook(argCol);
}

void clsSpread::applyColumnLook(int col) {
    if (!grid_) return;
    const SpreadColumn& c = model_->column(col - 1);
    grid_->setColumnHidden(col - 1, c.hidden);
    if (c.width > 0) {
        const int ch = grid_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        grid_->setColumnWidth(col - 1, c.width * ch + 12);
    }
    if (c.multiLine) grid_->setWordWrap(true);
}

int clsSpread::SetbindRS(const QString& argSql, const QString& argCaption) {
    UserInterface& ui = gvUI();
    ui.setBusy(true);
    Session& session = gvSession();
    RecordData data;
    DbError err;
    // The fetch reopens a dropped Session silently; -99 only when it stays closed.
    if (!session.fetch(argSql, &data, &err)) {
        ui.setBusy(false);
        if (!session.isOpen()) return -99;
        if (err.number == DbError::kConnectionLost ||
            err.description == QString::number(DbError::kConnectionLost)) {
            gfDB_CONNECT();
        }
        gsERR_LOG(err, err.description, argCaption);
        return 0;
    }
    const int n = LoadRecords(data);
    ui.setBusy(false);
    return n;
}

int clsSpread::LoadRecords(const RecordData& data) {
    const int cols = model_->columnCount();
    QList<QStringList> rows;
    rows.reserve(data.rows.size());
    for (const QVariantList& record : data.rows) {
        QStringList row;
        row.resize(cols);
        const int n = std::min(cols, static_cast<int>(record.size()));
        for (int k = 0; k < n; ++k) row[k] = fieldText(record[k]);
        rows.append(std::move(row));
    }
    // One reset with painting off: no flicker, no per-row work in the view.
    const bool paint = grid_ && grid_->updatesEnabled();
    if (grid_) {
        grid_->setUpdatesEnabled(false);
        grid_->clearSpans();
    }
    model_->replaceRows(std::move(rows));
    if (grid_) grid_->setUpdatesEnabled(paint);
    lastRowCount() = model_->rowCount();
    return lastRowCount();
}

int clsSpread::LastRowCount() { return lastRowCount(); }

int clsSpread::MaxRows() const { return model_->rowCount(); }

void clsSpread::SetMaxRows(int rows) { model_->setRowCountTo(rows); }

int clsSpread::MaxCols() const { return model_->columnCount(); }

int clsSpread::ActiveRow() const {
    if (!grid_) return 0;
    const QModelIndex i = grid_->currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

int clsSpread::ActiveCol() const {
    if (!grid_) return 0;
    const QModelIndex i = grid_->currentIndex();
    return i.isValid() ? i.column() + 1 : 0;
}

void clsSpread::SetFocus(int col, int row) {
    if (!grid_ || !validCell(col, row)) return;
    const QModelIndex i = model_->index(row - 1, col - 1);
    grid_->setCurrentIndex(i);
    grid_->scrollTo(i);
}

int clsSpread::GetColNo(const QString& colId) const {
    for (int c = 0; c < model_->columnCount(); ++c) {
        if (model_->column(c).id == colId) return c + 1;
    }
    return 0;
}

QString clsSpread::GetColID(int col) const {
    return col >= 1 && col <= MaxCols() ? model_->column(col - 1).id : QString();
}

bool clsSpread::validCell(int col, int row) const {
    return col >= 1 && col <= MaxCols() && row >= 1 && row <= MaxRows();
}

QString clsSpread::GetText(int col, int row) const {
    if (!validCell(col, row)) return {};
    return model_->display(row - 1, col - 1);
}

QString clsSpread::GetValue(int col, int row) const {
    if (!validCell(col, row)) return {};
    const QString v = model_->raw(row - 1, col - 1);
    const SpreadCellType t = model_->column(col - 1).type;
    if (v.isEmpty() && (t == SpreadCellType::Number || t == SpreadCellType::CheckBox)) {
        return QStringLiteral("0");
    }
    return v;
}

void clsSpread::setCell(int col, int row, const QString& text, bool asValue) {
    if (!validCell(col, row)) return;
    const SpreadCellType t = model_->column(col - 1).type;
    QString v = text;
    if (t == SpreadCellType::Number) {
        bool ok = false;
        const QString n = SpreadModel::numberText(text, &ok);
        if (ok) v = n;  // anything else is kept as typed rather than lost
    } else if (t == SpreadCellType::CheckBox && !asValue) {
        const bool on = text == QLatin1String("1") ||
                        text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        v = on ? QStringLiteral("1") : QStringLiteral("0");
    }
    model_->setRaw(row - 1, col - 1, v);
}

void clsSpread::SetText(int col, int row, const QString& text) { setCell(col, row, text, false); }

void clsSpread::SetValue(int col, int row, const QString& value) { setCell(col, row, value, true); }

QString clsSpread::TextWithColID(const QString& colId, int row) const {
    return GetText(GetColNo(colId), row);
}

void clsSpread::TextWithColID(const QString& colId, int row, const QString& text) {
    SetText(GetColNo(colId), row, text);
}

QString clsSpread::ValueWithColID(const QString& colId, int row) const {
    return GetValue(GetColNo(colId), row);
}

void clsSpread::ValueWithColID(const QString& colId, int row, const QString& value) {
    SetValue(GetColNo(colId), row, value);
}

SpreadCellType clsSpread::GetCellType(int col) const {
    return col >= 1 && col <= MaxCols() ? model_->column(col - 1).type : SpreadCellType::Text;
}

QString clsSpread::GetCellText(const QString& colId, int row) const {
    const int col = GetColNo(colId);
    if (!validCell(col, row)) return {};
    switch (model_->column(col - 1).type) {
        case SpreadCellType::Number:
        case SpreadCellType::CheckBox:
            return model_->raw(row - 1, col - 1);
        default:
            return model_->display(row - 1, col - 1);
    }
}

void clsSpread::SetCellText(const QString& colId, int row, const QString& text) {
    const int col = GetColNo(colId);
    if (col < 1) return;
    const SpreadCellType t = model_->column(col - 1).type;
    if (t != SpreadCellType::Text && t != SpreadCellType::Button && t != SpreadCellType::Number) {
        return;
    }
    QString v = text;
    if (t == SpreadCellType::Number) {
        bool ok = false;
        v = SpreadModel::numberText(text, &ok);
        if (v.isEmpty()) v = QStringLiteral("0");
        if (!ok) v = text;
    }
    if (row == -1) {
        if (t == SpreadCellType::Button) {
            model_->columnRef(col - 1).caption = v;
            model_->columnChanged(col - 1);
        }
        model_->setColumnRaw(col - 1, v);
        return;
    }
    if (validCell(col, row)) model_->setRaw(row - 1, col - 1, v);
}

}  // namespace mes
