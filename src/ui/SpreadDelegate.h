#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

namespace mes {

class SpreadModel;

// Draws button cells as buttons filling the cell (darker while pressed) and
// edits pick lists, numbers and texts with the column's limits, the editor
// exactly the size of its cell.
class SpreadDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    SpreadDelegate(SpreadModel* model, QObject* parent);

    // The button cell under a finger, drawn pressed; an invalid index for none.
    void setPressed(const QModelIndex& index) { pressed_ = index; }
    QModelIndex pressed() const { return pressed_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    void paintButton(QPainter* painter, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const;

    SpreadModel* model_;
    QPersistentModelIndex pressed_;
};

}  // namespace mes
