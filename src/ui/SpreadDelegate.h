#pragma once

#include <QStyledItemDelegate>

namespace mes {

class SpreadModel;

// Draws button cells as buttons and edits pick lists, numbers and texts with
// the column's limits.
class SpreadDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    SpreadDelegate(SpreadModel* model, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    SpreadModel* model_;
};

}  // namespace mes
