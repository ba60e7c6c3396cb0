#include "ui/WidgetUI.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/ModalHost.h"

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
    // A box must not wear the hourglass of the helper that failed.
    const bool wasBusy = busy_;
    if (wasBusy) setBusy(false);
    QMessageBox box(qtIcon(icon), title.isEmpty() ? gfPRODUCT_NAME() : title, text,
                    QMessageBox::Ok);
    box.setObjectName(boxName());
    box.setTextFormat(Qt::PlainText);
    gfSHOW_MODAL(box);
    if (wasBusy) setBusy(true);
}

bool WidgetUI::askRetryCancel(const QString& title, const QString& text) {
    const bool wasBusy = busy_;
    if (wasBusy) setBusy(false);
    QMessageBox box(QMessageBox::Question, title.isEmpty() ? gfPRODUCT_NAME() : title, text,
                    QMessageBox::Retry | QMessageBox::Cancel);
    box.setObjectName(boxName());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Retry);
    gfSHOW_MODAL(box);
    const bool retry = box.clickedButton() == box.button(QMessageBox::Retry);
    if (wasBusy) setBusy(true);
    return retry;
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
