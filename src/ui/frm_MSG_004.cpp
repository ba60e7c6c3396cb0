#include "ui/frm_MSG_004.h"

#include <QLabel>

namespace mes {

frm_MSG_004::frm_MSG_004(QWidget* parent)
    : QuestionDialog(QStringLiteral("frm_MSG_004"),
                     QStringLiteral("초중종검사를 삭제하시겠습니까?"), QStringLiteral("삭제"),
                     parent) {}

void frm_MSG_004::answered(bool confirmed) {
    if (!lbldelete_type) return;
    if (confirmed) {
        lbldelete_type->setText(QStringLiteral("OK"));
    } else {
        lbldelete_type->clear();
    }
}

}  // namespace mes
