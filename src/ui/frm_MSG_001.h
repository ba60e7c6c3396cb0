#pragma once

#include "ui/MessageDialog.h"

namespace mes {

// A notice: the caller writes Lb_msg, shows it, Command14 closes it.
class frm_MSG_001 : public MessageDialog {
    Q_OBJECT
  public:
    explicit frm_MSG_001(QWidget* parent = nullptr);
    QPushButton* Command14 = nullptr;

    // Shows the message as Lb_msg stands.
    void Show();
};

// The notice of every screen: sets Lb_msg and shows frm_MSG_001 modally.
void gsMSG(const QString& text);

}  // namespace mes
