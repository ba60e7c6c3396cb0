#pragma once

#include "ui/frmKey2.h"

namespace mes {

// Numeric keypad for access codes; digits show as typed.
class frm_Pass_Key : public frmKey2 {
    Q_OBJECT
  public:
    explicit frm_Pass_Key(QWidget* parent = nullptr);
};

}  // namespace mes
