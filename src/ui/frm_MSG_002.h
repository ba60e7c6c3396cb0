#pragma once

#include "ui/MessageDialog.h"

namespace mes {

// The exit question. AA is "Exit" after Command14, "Cancel" after Command1.
class frm_MSG_002 : public MessageDialog {
    Q_OBJECT
  public:
    explicit frm_MSG_002(QWidget* parent = nullptr);
    QPushButton* Command14 = nullptr;  // confirm
    QPushButton* Command1 = nullptr;   // cancel
    QString AA;

    // Shows the question modally; returns AA.
    QString Show();
};

}  // namespace mes
