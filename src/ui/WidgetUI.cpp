#include "ui/WidgetUI.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "ui/ModalHost.h"
#include "ui/Theme.h"

namespace mes {

namespace {

QMessageBox::Icon qtIcon(UserInterface::Icon icon) {
    switch (icon) {
        case UserInterface::Icon::Information:
            return QMessageBox::Information;
        case UserInterface::Icon::Warning:
            return QMessageBox::Warning;
        case UserInterface::Icon::Critical:
            return QMessageBox::Critical;
        case UserInterface::Icon::Question:
            return QMessageBox::Question;
        case UserInterface::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The type and the buttons of the terminal's own dialogs, so that a finger
// hits them and the text reads from a step away.
void touchSize(QMessageBox& box) {
    box.setFont(Theme::font(Theme::kLargeFontPixels, true));
    for (QAbstractButton* b : box.buttons()) {
        b->setFont(Theme::font(Theme::kLargeFontPixels, true));
        b->setMinimumSize(Theme::kDialogButtonWidth, Theme::kKeySize);
        b->setProperty("dialogButton", true);
    }
}

}  // namespace

QString WidgetUI::boxName() { return QStringLiteral("MsgBox"); }

UserInterface::Icon WidgetUI::iconOf(int icon) {
    switch (icon) {
        case QMessageBox::Information:
            return Icon::Information;
        case QMessageBox::Warning:
            return Icon::Warning;
        case QMessageBox::Critical:
            return Icon::Critical;
        case QMessageBox::Question:
            return Icon::Question;
        default:
            return Icon::None;
    }
}

void WidgetUI::showMessage(const QString& title, const QString& text, Icon icon) {
    ask(icon, title, text, QMessageBox::Ok);
}

bool WidgetUI::askRetryCancel(const QString& title, const QString& text) {
    return ask(Icon::Question, title, text, QMessageBox::Retry | QMessageBox::Cancel,
               QMessageBox::Retry) == QMessageBox::Retry;
}

QMessageBox::StandardButton WidgetUI::ask(Icon icon, const QString& title, const QString& text,
                                          QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton) {
    // A box must not wear the hourglass of the helper that failed.
    const bool wasBusy = QApplication::overrideCursor() != nullptr;
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    QMessageBox box(qtIcon(icon), title.isEmpty() ? gfPRODUCT_NAME() : title, text, buttons);
    box.setObjectName(boxName());
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    touchSize(box);
    gfSHOW_MODAL(box);
    if (wasBusy) QApplication::setOverrideCursor(Qt::WaitCursor);
    return box.standardButton(box.clickedButton());
}

void WidgetUI::setBusy(bool busy) {
    if (busy && !busy_) QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!busy) {
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    }
    busy_ = busy;
}

void gsINSTALL_WIDGET_UI() {
    static WidgetUI ui;
    gsSET_UI(&ui);
}

}  // namespace mes
