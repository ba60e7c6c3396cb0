#include "ui/SpreadDelegate.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

#include "ui/SpreadModel.h"

namespace mes {

SpreadDelegate::SpreadDelegate(SpreadModel* model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

void SpreadDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const SpreadColumn& col = model_->column(index.column());
    if (col.type != SpreadCellType::Button) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->fillRect(option.rect, model_->background(index.row(), index.column()));
    QStyleOptionButton button;
    button.rect = option.rect.adjusted(2, 2, -2, -2);
    button.text = model_->display(index.row(), index.column());
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    button.fontMetrics = option.fontMetrics;
    const QWidget* w = option.widget;
    QStyle* style = w ? w->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, w);
}

QWidget* SpreadDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const SpreadColumn& col = model_->column(index.column());
    if (col.type == SpreadCellType::PickList || col.popup) {
        auto* box = new QComboBox(parent);
        box->addItems(model_->choices(index.row(), index.column()));
        box->setEditable(col.type != SpreadCellType::PickList);
        return box;
    }
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        if (col.type == SpreadCellType::Text && col.maxLength > 0)
            line->setMaxLength(col.maxLength);
    }
    return editor;
}

void SpreadDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const QString v = index.data(Qt::EditRole).toString();
        const int at = box->findText(v);
        if (at >= 0)
            box->setCurrentIndex(at);
        else
            box->setEditText(v);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void SpreadDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

}  // namespace mes
