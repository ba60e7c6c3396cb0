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
// Returns the dialog's result code. Screens unloaded meanwhile wait until the
// outermost session has ended (Forms).
//
// On the offscreen platform with no driver nobody could answer: the dialog is
// rejected at once and a critical message of category "mes.modal" is logged
// (the tests turn it into a failure).
int gfSHOW_MODAL(QDialog& dialog);

// Installs driver (not owned); nullptr restores the blocking behaviour.
void gsSET_MODAL_DRIVER(ModalDriver* driver);
ModalDriver* gfMODAL_DRIVER();

// Lets gfSHOW_MODAL block offscreen without a driver, for tests that answer
// the dialog themselves from inside exec() (a timer).
void gsALLOW_OFFSCREEN_EXEC(bool allow);

}  // namespace mes
