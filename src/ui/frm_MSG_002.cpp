#include "ui/frm_MSG_002.h"

namespace mes {

frm_MSG_002::frm_MSG_002(QWidget* parent)
    : QuestionDialog(QStringLiteral("frm_MSG_002"), QStringLiteral("정말로 종료하시겠습니까?"),
                     QStringLiteral("종료"), parent) {}

}  // namespace mes
