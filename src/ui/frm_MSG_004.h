#pragma once

#include <QPointer>

#include "ui/MessageDialog.h"

class QLabel;

namespace mes {

// The delete question of the self-inspection screen. AA is "Exit" or "Cancel";
// the screen's label lbldelete_type gets "OK" on confirm, "" on cancel.
class frm_MSG_004 : public MessageDialog {
    Q_OBJECT
  public:
    explicit frm_MSG_004(QWidget* parent = nullptr);
    QPushButton* Command14 = nullptr;  // confirm
    QPushButton* Command1 = nullptr;   // cancel
    QString AA;
    // The inspection screen's lbldelete_type; set by that screen before showing.
    QPointer<QLabel> lbldelete_type;

    QString Show();
};

}  // namespace mes
