#include "ui/support/DialogHandle.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "ui/WidgetUI.h"

namespace uitest {

QString DialogHandle::text() const {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog_)) return box->text();
    if (auto* label = dialog_.findChild<QLabel*>(QStringLiteral("Lb_msg"))) return label->text();
    return {};
}

mes::UserInterface::Icon DialogHandle::icon() const {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog_)) return mes::WidgetUI::iconOf(box->icon());
    return mes::UserInterface::Icon::None;
}

QStringList DialogHandle::buttons() const {
    QStringList out;
    if (auto* box = qobject_cast<QMessageBox*>(&dialog_)) {
        for (QAbstractButton* b : box->buttons()) out << b->text().remove(QLatin1Char('&'));
        return out;
    }
    for (QAbstractButton* b : dialog_.findChildren<QAbstractButton*>()) {
        if (!b->isHidden()) out << b->text();
    }
    return out;
}

QString DialogHandle::entry() const {
    auto* edit = dialog_.findChild<QLineEdit*>(QStringLiteral("Text2"));
    return edit ? edit->text() : QString();
}

bool DialogHandle::press(const QString& nameOrCaption) {
    QAbstractButton* target = nullptr;
    const auto all = dialog_.findChildren<QAbstractButton*>();
    for (QAbstractButton* b : all) {
        if (b->objectName() == nameOrCaption) target = b;
    }
    for (QAbstractButton* b : all) {
        if (!target && b->text().remove(QLatin1Char('&')) == nameOrCaption) target = b;
    }
    if (!target) {
        ADD_FAILURE() << "no button \"" << nameOrCaption.toStdString() << "\" on "
                      << name().toStdString() << " (buttons: " << buttons().join(", ").toStdString()
                      << ")";
        return false;
    }
    pressed_ = nameOrCaption;
    target->click();
    return true;
}

QString DialogHandle::keyName(QChar c) {
    if (c.isDigit()) return QStringLiteral("cmd") + c;
    if (c.isLetter()) return QStringLiteral("cmd") + c.toLower();
    if (c == QLatin1Char('-')) return QStringLiteral("Command15");
    if (c == QLatin1Char('.')) return QStringLiteral("Command3");
    return {};
}

bool DialogHandle::type(const QString& keys) {
    for (const QChar c : keys) {
        const QString key = keyName(c);
        if (key.isEmpty()) {
            ADD_FAILURE() << "no key for '" << QString(c).toStdString() << "'";
            return false;
        }
        if (!press(key)) return false;
    }
    return true;
}

}  // namespace uitest
