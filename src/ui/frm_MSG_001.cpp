#include "ui/frm_MSG_001.h"

#include <QLabel>
#include <QPushButton>

#include "ui/Forms.h"

namespace mes {

frm_MSG_001::frm_MSG_001(QWidget* parent)
    : MessageDialog(QStringLiteral("frm_MSG_001"), 1.0 / 3.0, parent) {
    Command14 = addButton(QStringLiteral("Command14"), QStringLiteral("확인"));
    connect(Command14, &QPushButton::clicked, this, &QDialog::accept);
}

void frm_MSG_001::Show() { showAtPlace(); }

void gsMSG(const QString& text) {
    frm_MSG_001& dlg = gfFORM<frm_MSG_001>();
    dlg.Lb_msg->setText(text);
    dlg.Show();
}

}  // namespace mes
