#pragma once

#include <QString>

namespace mes {

// What the foundation needs from a user interface: standard message boxes, the
// reconnect question and the hourglass. The UI layer installs the real one;
// tests install a recording fake; without either, messages go to stderr.
class UserInterface {
  public:
    enum class Icon { None, Information, Warning, Critical, Question };

    virtual ~UserInterface() = default;
    // A message box with one OK button.
    virtual void showMessage(const QString& title, const QString& text, Icon icon) = 0;
    // Retry / Cancel question; true means Retry.
    virtual bool askRetryCancel(const QString& title, const QString& text) = 0;
    // Hourglass pointer on (true) or back to the default (false).
    virtual void setBusy(bool busy) = 0;
};

// The installed interface (never null).
UserInterface& gvUI();
// Installs ui (not owned); nullptr restores the console fallback.
void gsSET_UI(UserInterface* ui);

// The program's product name: title of the reconnect boxes and default title.
QString gfPRODUCT_NAME();

}  // namespace mes
