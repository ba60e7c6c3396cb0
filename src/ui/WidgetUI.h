#pragma once

#include <QMessageBox>

#include "foundation/UserInterface.h"

namespace mes {

// The foundation's message boxes, reconnect question and hourglass on widgets.
// Every box goes through the modal host.
class WidgetUI : public UserInterface {
  public:
    void showMessage(const QString& title, const QString& text, Icon icon) override;
    bool askRetryCancel(const QString& title, const QString& text) override;
    void setBusy(bool busy) override;

    // The one place a standard box is shown: drawn at touch size (the type and
    // buttons of the terminal's own dialogs), without the hourglass, through the
    // modal host. Returns the button pressed (NoButton when closed otherwise).
    static QMessageBox::StandardButton ask(Icon icon, const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton = {});

    // The object name every standard message box carries (tests look for it).
    static QString boxName();
    // The icon of a box as the foundation names it.
    static Icon iconOf(int qtIcon);

  private:
    bool busy_ = false;
};

// Installs the one WidgetUI of the process.
void gsINSTALL_WIDGET_UI();

}  // namespace mes
