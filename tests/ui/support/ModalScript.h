#pragma once

#include <QList>
#include <functional>

#include "ui/ModalHost.h"
#include "ui/support/DialogHandle.h"
#include "ui/support/QtPrint.h"

namespace uitest {

// One dialog as the test saw it.
struct Shown {
    QString name;  // object name: "MsgBox", "frmKey2", "frm_MSG_001" ...
    QString title;
    QString text;
    mes::UserInterface::Icon icon = mes::UserInterface::Icon::None;
    QStringList buttons;
    QString entry;    // keypad entry when the step ended
    QString pressed;  // the last button the step pressed
};

// The modal driver of the tests: each dialog the code under test opens is
// answered by the next queued step, which operates the real dialog. A dialog
// with no step waiting, a step that leaves its dialog open and steps left over
// at the end all fail the test. Installed for its lifetime.
//
//   ModalScript script;
//   script.keypad("123");                 // frmKey2: type 1 2 3, press OK
//   script.press("OK");                   // next box: press OK
//   script.on("frm_MSG_002", [](DialogHandle& d) { d.press("Command1"); });
//   ... run the code ...
//   EXPECT_EQ(script.shown()[1].text, "저장 완료");
class ModalScript : public mes::ModalDriver {
  public:
    using Step = std::function<void(DialogHandle&)>;

    ModalScript();
    ~ModalScript() override;

    // Next dialog, whatever it is.
    ModalScript& then(Step step);
    // Next dialog, which must carry this object name.
    ModalScript& on(const QString& name, Step step);
    // Next dialog: press a button (object name or caption).
    ModalScript& press(const QString& button);
    // Next dialog is a keypad: type keys, then OK (Command13).
    ModalScript& keypad(const QString& keys);
    // Next dialog is a keypad: type keys, then cancel (Command14).
    ModalScript& cancelKeypad(const QString& keys = {});
    // Next dialog is frm_MSG_001 (with this text, when given): close it.
    ModalScript& notice(const QString& expectedText = {});
    // Next dialog is a standard message box (with this text, when given): press OK.
    ModalScript& ok(const QString& expectedText = {});

    const QList<Shown>& shown() const { return shown_; }
    // Texts of every dialog shown so far, in order.
    QStringList texts() const;
    int pending() const { return static_cast<int>(steps_.size()); }
    // Drops the remaining steps without failing.
    void clear() { steps_.clear(); }

    void drive(QDialog& dialog) override;

  private:
    struct Queued {
        QString name;
        Step step;
    };
    QList<Queued> steps_;
    QList<Shown> shown_;
    mes::ModalDriver* previous_;
};

}  // namespace uitest
