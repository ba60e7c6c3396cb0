#include "app/QuietUserInterface.h"

namespace mes {

QuietUserInterface::QuietUserInterface() : previous_(&gvUI()) { gsSET_UI(this); }

QuietUserInterface::~QuietUserInterface() { gsSET_UI(previous_); }

void QuietUserInterface::showMessage(const QString&, const QString& text, Icon) {
    shown_ << text.simplified();
}

bool QuietUserInterface::askRetryCancel(const QString& title, const QString& text) {
    showMessage(title, text, Icon::Question);
    return false;
}

QString QuietUserInterface::take() {
    const QString all = shown_.join(QStringLiteral(" / "));
    shown_.clear();
    return all;
}

}  // namespace mes
