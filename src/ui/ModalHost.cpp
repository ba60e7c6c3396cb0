#include "ui/ModalHost.h"

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
    if (!driver) return dialog.exec();

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
