#include "ShiftOperator.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QTableView>

#include "ui/clsSpread.h"

namespace mesload {

namespace {

QString messageOf(QDialog& d) {
    if (auto* box = qobject_cast<QMessageBox*>(&d)) return box->text();
    if (auto* label = d.findChild<QLabel*>(QStringLiteral("Lb_msg"))) return label->text();
    return {};
}

QString keyName(QChar c) {
    if (c.isDigit()) return QStringLiteral("cmd") + c;
    if (c == QLatin1Char('-')) return QStringLiteral("Command15");
    if (c == QLatin1Char('.')) return QStringLiteral("Command3");
    return {};
}

}  // namespace

ShiftOperator::ShiftOperator() : previous_(mes::gfMODAL_DRIVER()) { mes::gsSET_MODAL_DRIVER(this); }

ShiftOperator::~ShiftOperator() { mes::gsSET_MODAL_DRIVER(previous_); }

void ShiftOperator::on(const QString& name, Step step) {
    steps_.append(Queued{name, std::move(step)});
}

void ShiftOperator::keypad(const QString& keys) {
    on(QStringLiteral("frmKey2"), [this, keys](QDialog& d) {
        if (!type(d, keys) || !press(d, QStringLiteral("Command13")))
            problems_ << QStringLiteral("keypad: no key for ") + keys;
    });
}

void ShiftOperator::notice(const QString& text) {
    on(QStringLiteral("frm_MSG_001"), [this, text](QDialog& d) {
        if (!text.isEmpty() && messageOf(d) != text)
            problems_
                << QStringLiteral("notice \"%1\" where \"%2\" was due").arg(messageOf(d), text);
        press(d, QStringLiteral("Command14"));
    });
}

bool ShiftOperator::press(QDialog& dialog, const QString& nameOrCaption) {
    const auto all = dialog.findChildren<QAbstractButton*>();
    QAbstractButton* target = nullptr;
    for (QAbstractButton* b : all)
        if (b->objectName() == nameOrCaption) target = b;
    for (QAbstractButton* b : all)
        if (!target && b->text().remove(QLatin1Char('&')) == nameOrCaption) target = b;
    if (!target) return false;
    target->click();
    return true;
}

bool ShiftOperator::type(QDialog& dialog, const QString& keys) {
    for (const QChar c : keys)
        if (keyName(c).isEmpty() || !press(dialog, keyName(c))) return false;
    return true;
}

void ShiftOperator::touch(mes::clsSpread& spread, int row, const QString& colId) {
    QTableView* view = spread.Spr();
    emit view->clicked(view->model()->index(row - 1, spread.GetColNo(colId) - 1));
}

int ShiftOperator::rowOf(const mes::clsSpread& spread, const QString& colId, const QString& value) {
    for (int r = 1; r <= spread.MaxRows(); ++r)
        if (spread.TextWithColID(colId, r) == value) return r;
    return 0;
}

void ShiftOperator::drive(QDialog& dialog) {
    const QString name = dialog.objectName();
    if (steps_.isEmpty()) {
        problems_ << QStringLiteral("unexpected %1: %2").arg(name, messageOf(dialog));
        dialog.reject();
        return;
    }
    const Queued next = steps_.takeFirst();  // taken first: the step may open dialogs
    if (!next.name.isEmpty() && next.name != name)
        problems_
            << QStringLiteral("%1 where %2 was due: %3").arg(name, next.name, messageOf(dialog));
    next.step(dialog);
    if (dialog.isVisible()) {
        problems_ << QStringLiteral("%1 left open").arg(name);
        dialog.reject();
    }
}

}  // namespace mesload
