#include "ui/ModalHost.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>

#include "ui/Forms.h"

namespace mes {

namespace {

Q_LOGGING_CATEGORY(lcModal, "mes.modal")

ModalDriver*& installed() {
    static ModalDriver* driver = nullptr;
    return driver;
}

bool& offscreenExec() {
    static bool allowed = false;
    return allowed;
}

int rejectUnanswerable(QDialog& dialog) {
    const auto* box = qobject_cast<QMessageBox*>(&dialog);
    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("Lb_msg"));
    const QString text = box ? box->text() : label ? label->text() : QString();
    qCCritical(lcModal, "modal dialog %s \"%s\" shown offscreen with no driver, rejected: %s",
               qPrintable(dialog.objectName()), qPrintable(dialog.windowTitle()), qPrintable(text));
    dialog.setResult(QDialog::Rejected);
    return QDialog::Rejected;
}

}  // namespace

int gfSHOW_MODAL(QDialog& dialog) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog.setModal(true);
    const Forms::Hold hold;
    ModalDriver* driver = installed();
    if (!driver) {
        if (QGuiApplication::platformName() == QLatin1String("offscreen") && !offscreenExec()) {
            return rejectUnanswerable(dialog);
        }
        return dialog.exec();
    }

    dialog.setResult(QDialog::Rejected);
    dialog.show();
    driver->drive(dialog);
    // A driver that left it open has already complained; the caller must go on.
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
}

void gsSET_MODAL_DRIVER(ModalDriver* driver) { installed() = driver; }

ModalDriver* gfMODAL_DRIVER() { return installed(); }

void gsALLOW_OFFSCREEN_EXEC(bool allow) { offscreenExec() = allow; }

}  // namespace mes
