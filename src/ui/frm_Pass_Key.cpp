#include "ui/frm_Pass_Key.h"

namespace mes {

frm_Pass_Key::frm_Pass_Key(QWidget* parent)
    : frmKey2(QStringLiteral("frm_Pass_Key"), QStringLiteral("비밀번호 입력"), parent) {}

}  // namespace mes
