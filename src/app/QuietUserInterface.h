#pragma once

#include <QStringList>

#include "foundation/UserInterface.h"

namespace mes {

// Keeps the boxes the foundation would show during a check, so that they become
// part of its lines instead of noise on the console. Installed for its lifetime.
class QuietUserInterface : public UserInterface {
  public:
    QuietUserInterface();
    ~QuietUserInterface() override;

    void showMessage(const QString& title, const QString& text, Icon icon) override;
    bool askRetryCancel(const QString& title, const QString& text) override;
    void setBusy(bool) override {}

    // The texts shown since the last call, joined; empties the list.
    QString take();

  private:
    UserInterface* previous_;
    QStringList shown_;
};

}  // namespace mes
