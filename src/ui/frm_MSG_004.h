#pragma once

#include <QPointer>

#include "ui/QuestionDialog.h"

class QLabel;

namespace mes {

// The delete question of the self-inspection screen. AA is "Exit" or "Cancel";
// the screen's label lbldelete_type gets "OK" on confirm, "" on cancel.
class frm_MSG_004 : public QuestionDialog {
    Q_OBJECT
  public:
    explicit frm_MSG_004(QWidget* parent = nullptr);
    // The inspection screen's lbldelete_type; set by that screen before showing.
    QPointer<QLabel> lbldelete_type;

  protected:
    void answered(bool confirmed) override;
};

}  // namespace mes
