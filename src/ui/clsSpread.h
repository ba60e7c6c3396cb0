#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTableView>
#include <QTimer>

#include "foundation/RecordSet.h"
#include "ui/SpreadColumn.h"

namespace mes {

class SpreadDelegate;
class SpreadModel;

// The grid helper: one per grid. Columns are found by their ID, rows and
// columns count from 1 as on the screens; column 0 is the row-header column
// that carries the row marks. Fills from a statement in one call.
class clsSpread : public QObject {
    Q_OBJECT
  public:
    // Row marks.
    static const QString kNew;      // "☞" added, nothing typed
    static const QString kNewData;  // "▶" added with data, or copied
    static const QString kChanged;  // "√"
    static const QString kDelete;   // "X"

    explicit clsSpread(QObject* parent = nullptr);
    ~clsSpread() override;

    // Binds the helper to the screen's grid (the helper gives it its model).
    void Spr(QTableView* grid);
    QTableView* Spr() const { return grid_; }
    SpreadModel* model() const { return model_; }

    // ---- definition ----
    void SetInit(int argMaxRow, int argMaxCol, int argRowHeight = 20, int argOperationMode = 0,
                 int argFontSize = 12, bool argFontBold = false, bool argHeadInit = true,
                 bool argUserColAction = false, int argColHeaderRows = 1,
                 bool argColResize = false);
    void SetColType(int argCol, const QString& argHeadName, const QString& argColID,
                    int argColWidth, const QString& argCellTag = {},
                    SpreadCellType argCellType = SpreadCellType::Text, int argMaxLength = 0,
                    int argDecPlaces = 0, bool argShowSep = false, int argHalign = 0,
                    int argValign = 2, bool argColHidden = false, bool argLock = true,
                    bool argPopup = false, bool argMultiLine = false, QColor colour = {},
                    int argHeaderRow = 0);
    void SetColType(int argCol, const SpreadColumn& column);

    // ---- filling ----
    // Rows of the statement into the grid; the row count, 0 after a failure
    // (reported through the error log), -99 when the connection is closed and cannot be reopened.
    int SetbindRS(const QString& argSql, const QString& argCaption);
    // Replaces the rows by the records, record column k into grid column k.
    int LoadRecords(const RecordData& data);

    // ---- size and cursor ----
    int MaxRows() const;
    void SetMaxRows(int rows);
    int MaxCols() const;
    int ActiveRow() const;  // 0 when no cell is current
    int ActiveCol() const;
    void SetFocus(int col, int row);
    // Column number of an ID, 0 when the grid defines none.
    int GetColNo(const QString& colId) const;
    QString GetColID(int col) const;

    // ---- cells ----
    QString TextWithColID(const QString& colId, int row) const;
    void TextWithColID(const QString& colId, int row, const QString& text);
    QString ValueWithColID(const QString& colId, int row) const;  // empty number: "0"
    void ValueWithColID(const QString& colId, int row, const QString& value);
    QString GetText(int col, int row) const;
    void SetText(int col, int row, const QString& text);
    QString GetValue(int col, int row) const;
    void SetValue(int col, int row, const QString& value);
    QString GetCellText(const QString& colId, int row) const;
    // Row -1: every row (and rows added later, for a button caption).
    void SetCellText(const QString& colId, int row, const QString& text);
    SpreadCellType GetCellType(int col) const;

    // ---- look ----
    void SetForeColor(int col, int row, const QColor& colour);
    void SetForeColor2(int col, int lastCol, int row, int lastRow, const QColor& colour);
    void SetColor(int col, int lastCol, int row, int lastRow, const QColor& colour);
    QColor GetColor(int col, int row) const;
    QColor GetForeColor(int col, int row) const;
    void SPCellSpan(int startCol, int startRow, int cols, int rows, const QString& text);
    void SetCboAddList(int col, int row, const QStringList& list, int width);
    void SetCboAddList(int col, int row, const QString& tabSeparated, int width);
    void SetLock(int col, int lastCol, int row, int lastRow, bool lock);
    void SetAllLock(bool lock);
    void SetRowHidden(int row, bool hidden);
    void SetColHidden(int col, bool hidden);
    void ShadedRow(int every);
    void gsSprPopup(int col, int row, bool on);

    // ---- row state ----
    QString RowMark(int row) const;
    void SetRowMark(int row, const QString& mark);
    void KeyUpdateChk(int argKeyAscii, int argRow, QObject* argForm = nullptr);
    void CopyRow(int argRow, int argBlankCol);
    void InsertRow();
    int OneAddRow(int atRow = 0);
    void CancelRow();
    void DeleteRow();
    void DeleteChk();
    bool EditChk() const;
    bool InsertChk() const;
    int FindInsertRow() const;
    int CheckPKField(int row) const;
    bool DuplicateChk(const QString& colId, int row);
    bool DuplicateChk2(const QString& colId1, const QString& colId2, int row);
    int FindRow(const QString& mark) const;
    int FindRcount(const QString& mark) const;
    void UnchkDelRow(int col, const QString& value);

    // ---- blinking ----
    void setUseTimer(QTimer* timer = nullptr);
    void EnableTimer(bool on);
    void SetTwinkle(int col, const QString& value);
    void SetColPos(int col, const QString& value) { SetTwinkle(col, value); }

    // The row count of the last fill of any grid (process-wide).
    static int LastRowCount();

  signals:
    void ButtonClicked(int col, int row);
    void Click(int col, int row);
    void DblClick(int col, int row);
    void Change(int col, int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A finger on a button cell: drawn pressed until it lifts.
    void trackPress(QEvent* event);
    // A touch on an open pick-list cell opens its list at once.
    void openPickList(const QModelIndex& index);
    bool validCell(int col, int row) const;
    void setCell(int col, int row, const QString& text, bool asValue);
    // First and last row of the selected block (the cursor row when none).
    std::pair<int, int> selectedBlock() const;
    bool isNewRow(int row) const;
    void applyColumnLook(int col);
    void blink();

    QPointer<QTableView> grid_;
    QPointer<SpreadDelegate> delegate_;
    SpreadModel* model_;
    QPointer<QTimer> timer_;
    int twinkleCol_ = 0;
    QString twinkleValue_;
    bool twinkleOn_ = false;
    int rowHeight_;
};

}  // namespace mes
