#include "ui/ModalHost.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>

namespace mes {

namespace {
ModalDriver*& installed() {
    static ModalDriver* driver = nullptr;
    return driver;
}
}  // namespace

int gfSHOW_MODAL(QDialog& dialog) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog.setModal(true);
    ModalDriver* driver = installed();
    if (!driver) {
        // Offscreen nobody can answer: a dialog there without a driver would hang.
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            const auto* box = qobject_cast<QMessageBox*>(&dialog);
            const auto* label = dialog.findChild<QLabel*>(QStringLiteral("Lb_msg"));
            const QString text = box ? box->text() : label ? label->text() : QString();
            qCritical("modal dialog %s \"%s\" shown offscreen with no driver, rejected: %s",
                      qPrintable(dialog.objectName()), qPrintable(dialog.windowTitle()),
                      qPrintable(text));
            dialog.setResult(QDialog::Rejected);
            return QDialog::Rejected;
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

}  // namespace mes
