#include "ui/SpreadDelegate.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

#include "ui/SpreadModel.h"
#include "ui/Theme.h"

namespace mes {

SpreadDelegate::SpreadDelegate(SpreadModel* model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

void SpreadDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    if (model_->column(index.column()).type == SpreadCellType::Button) {
        paintButton(painter, option, index);
        return;
    }
    QStyledItemDelegate::paint(painter, option, index);
}

void SpreadDelegate::paintButton(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    // The whole cell is the button: a finger anywhere in the row hits it.
    const bool down = pressed_.isValid() && pressed_ == index;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(option.rect, down ? Theme::buttonPressed() : Theme::buttonFace());
    painter->setPen(Theme::buttonBorder());
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->setPen(model_->foreground(index.row(), index.column()));
    painter->setFont(option.font);
    painter->drawText(option.rect.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter,
                      model_->display(index.row(), index.column()));
    painter->restore();
}

QWidget* SpreadDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const SpreadColumn& col = model_->column(index.column());
    QWidget* editor = nullptr;
    if (col.type == SpreadCellType::PickList || col.popup) {
        auto* box = new QComboBox(parent);
        box->addItems(model_->choices(index.row(), index.column()));
        box->setEditable(col.type != SpreadCellType::PickList);
        // One touch on a choice takes it and closes the list.
        connect(box, &QComboBox::activated, this, [this, box] {
            emit const_cast<SpreadDelegate*>(this)->commitData(box);
            emit const_cast<SpreadDelegate*>(this)->closeEditor(box);
        });
        editor = box;
    } else {
        editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            if (col.type == SpreadCellType::Text && col.maxLength > 0)
                line->setMaxLength(col.maxLength);
        }
    }
    if (!editor) return nullptr;
    // The program's large entry boxes are not for cells: the editor's own sheet
    // wins over the application's and keeps the grid's type.
    const int pixels = QFontInfo(option.font).pixelSize();
    editor->setFont(option.font);
    editor->setStyleSheet(QStringLiteral("QLineEdit, QComboBox { font-size: %1px; padding: 0px 4px;"
                                         " margin: 0px; }")
                              .arg(pixels));
    return editor;
}

void SpreadDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                          const QModelIndex&) const {
    editor->setGeometry(option.rect);
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
