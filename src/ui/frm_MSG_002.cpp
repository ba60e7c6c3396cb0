#include "ui/frm_MSG_002.h"

#include <QLabel>
#include <QPushButton>

namespace mes {

frm_MSG_002::frm_MSG_002(QWidget* parent)
    : MessageDialog(QStringLiteral("frm_MSG_002"), 0.35, parent) {
    Lb_msg->setText(QStringLiteral("정말로 종료하시겠습니까?"));
    Command14 = addButton(QStringLiteral("Command14"), QStringLiteral("종료"));
    Command1 = addButton(QStringLiteral("Command1"), QStringLiteral("취소"));
    connect(Command14, &QPushButton::clicked, this, [this] {
        AA = QStringLiteral("Exit");
        accept();
    });
    connect(Command1, &QPushButton::clicked, this, [this] {
        AA = QStringLiteral("Cancel");
        reject();
    });
}

QString frm_MSG_002::Show() {
    showAtPlace();
    return AA;
}

}  // namespace mes
