#pragma once

#include <QDialog>

namespace mes {

// Operates modal dialogs in place of the operator (tests). drive() is called
// with the dialog shown, not blocking; it must leave the dialog closed.
class ModalDriver {
  public:
    virtual ~ModalDriver() = default;
    virtual void drive(QDialog& dialog) = 0;
};

// The one way every modal dialog, keypad and message box of the terminal is
// shown: stays on top and blocks like exec(), or goes to the installed driver.
// Returns the dialog's result code.
int gfSHOW_MODAL(QDialog& dialog);

// Installs driver (not owned); nullptr restores the blocking behaviour.
void gsSET_MODAL_DRIVER(ModalDriver* driver);
ModalDriver* gfMODAL_DRIVER();

}  // namespace mes
