#include "support/RecordingUI.h"

namespace testsupport {

RecordingUI::RecordingUI() { mes::gsSET_UI(this); }

RecordingUI::~RecordingUI() { mes::gsSET_UI(nullptr); }

void RecordingUI::showMessage(const QString& title, const QString& text, Icon icon) {
    shown << Shown{title, text, icon};
}

bool RecordingUI::askRetryCancel(const QString& title, const QString& text) {
    shown << Shown{title, text, Icon::Question};
    return answers.isEmpty() ? false : answers.takeFirst();
}

void RecordingUI::setBusy(bool busy) {
    ++busyCalls;
    busyDepth = busy ? 1 : 0;
}

}  // namespace testsupport
