#pragma once

#include <QList>
#include <QString>

#include "foundation/UserInterface.h"

namespace testsupport {

// Records every box and question the foundation shows; answers questions from
// a queue (Retry when true). Installed for its lifetime.
class RecordingUI : public mes::UserInterface {
  public:
    struct Shown {
        QString title;
        QString text;
        Icon icon;
    };

    RecordingUI();
    ~RecordingUI() override;

    void showMessage(const QString& title, const QString& text, Icon icon) override;
    bool askRetryCancel(const QString& title, const QString& text) override;
    void setBusy(bool busy) override;

    QList<Shown> shown;
    QList<bool> answers;  // next answers to askRetryCancel; empty means Cancel
    int busyDepth = 0;
    int busyCalls = 0;
};

}  // namespace testsupport
