#include "ui/frm_MSG_004.h"

#include <QLabel>
#include <QPushButton>

namespace mes {

frm_MSG_004::frm_MSG_004(QWidget* parent)
    : MessageDialog(QStringLiteral("frm_MSG_004"), 0.35, parent) {
    Lb_msg->setText(QStringLiteral("초중종검사를 삭제하시겠습니까?"));
    Command14 = addButton(QStringLiteral("Command14"), QStringLiteral("삭제"));
    Command1 = addButton(QStringLiteral("Command1"), QStringLiteral("취소"));
    connect(Command14, &QPushButton::clicked, this, [this] {
        AA = QStringLiteral("Exit");
        if (lbldelete_type) lbldelete_type->setText(QStringLiteral("OK"));
        accept();
    });
    connect(Command1, &QPushButton::clicked, this, [this] {
        AA = QStringLiteral("Cancel");
        if (lbldelete_type) lbldelete_type->clear();
        reject();
    });
}

QString frm_MSG_004::Show() {
    showAtPlace();
    return AA;
}

}  // namespace mes
