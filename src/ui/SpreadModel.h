#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

#include "ui/SpreadColumn.h"

namespace mes {

// Per-cell settings that differ from the column's.
struct SpreadCellStyle {
    QColor back;
    QColor fore;
    int locked = -1;  // -1: as the column
    QStringList choices;
    int listWidth = 0;
    bool hasChoices = false;
};

// The data behind a grid: one raw text per cell (numbers as plain numeric
// text), the row marks and the per-cell styles. Rows and columns are 0-based
// here; the grid helper adds the 1 of the screens.
class SpreadModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    void setColumns(const QList<SpreadColumn>& columns);
    void setColumnCount(int n);
    const SpreadColumn& column(int c) const { return columns_[c]; }
    SpreadColumn& columnRef(int c) { return columns_[c]; }
    void columnChanged(int c);
    void setEditable(bool on) { editable_ = on; }

    void setRowCountTo(int n);
    // Replaces every row (marks and cell styles go).
    void replaceRows(QList<QStringList> rows);
    void insertRowAt(int r);
    void removeRowAt(int r);

    QString raw(int r, int c) const;
    void setRaw(int r, int c, const QString& text);
    // The same text in every row of column c, one change signal for all.
    void setColumnRaw(int c, const QString& text);
    QString display(int r, int c) const;
    QString mark(int r) const { return marks_.value(r); }
    void setMark(int r, const QString& mark);

    SpreadCellStyle style(int r, int c) const { return styles_.value(r).value(c); }
    SpreadCellStyle& styleRef(int r, int c) { return styles_[r][c]; }
    void styleChanged(int r1, int c1, int r2, int c2);
    // The back colour of every cell of row r, kept once for the row.
    void setRowBack(int r, const QColor& colour);
    QColor background(int r, int c) const;
    QColor foreground(int r, int c) const;
    bool locked(int r, int c) const;
    QStringList choices(int r, int c) const;

    // Normalises a number text: separators out; "" stays "".
    static QString numberText(const QString& text, bool* ok);
    QString formatNumber(const SpreadColumn& col, const QString& raw) const;

  signals:
    // The operator changed a cell (editing, a check box, a pick list).
    void edited(int row, int col);

  private:
    QList<SpreadColumn> columns_;
    QList<QStringList> rows_;
    QStringList marks_;
    QList<QHash<int, SpreadCellStyle>> styles_;  // per row, sparse
    QList<QColor> rowBack_;                      // a whole row's colour, per row
    bool editable_ = true;
};

}  // namespace mes
