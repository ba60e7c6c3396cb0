#pragma once

#include "ui/QuestionDialog.h"

namespace mes {

// The exit question. AA is "Exit" after Command14, "Cancel" after Command1.
class frm_MSG_002 : public QuestionDialog {
    Q_OBJECT
  public:
    explicit frm_MSG_002(QWidget* parent = nullptr);
};

}  // namespace mes
