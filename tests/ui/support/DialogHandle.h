#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include "foundation/UserInterface.h"

namespace uitest {

// What a test's step can do with the dialog that appeared: read it and press
// its real buttons and keys.
class DialogHandle {
  public:
    explicit DialogHandle(QDialog& dialog) : dialog_(dialog) {}

    QDialog& dialog() const { return dialog_; }
    template <class T>
    T& as() const {
        return dynamic_cast<T&>(dialog_);
    }
    QString name() const { return dialog_.objectName(); }
    QString title() const { return dialog_.windowTitle(); }
    // The message: a message box's text, else the label Lb_msg, else "".
    QString text() const;
    mes::UserInterface::Icon icon() const;
    // Captions of the buttons (message boxes: in their order).
    QStringList buttons() const;
    // The keypad entry Text2 ("" when there is none).
    QString entry() const;
    bool isOpen() const { return dialog_.isVisible(); }

    // Clicks the button with this object name, else with this caption; a
    // missing button fails the test. Returns false then.
    bool press(const QString& nameOrCaption);
    // Presses the keys of a keypad: digits cmd0..cmd9, letters cmda..cmdz
    // (the case follows Shift), "-" Command15, "." Command3.
    bool type(const QString& keys);
    // The last button pressed through this handle.
    QString pressed() const { return pressed_; }

    static QString keyName(QChar c);

  private:
    QDialog& dialog_;
    QString pressed_;
};

}  // namespace uitest
