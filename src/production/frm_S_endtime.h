#pragma once

#include "ui/TimeEntryDialog.h"

class QLabel;

namespace mes {

// Sets the end time shown on the production screen (lblEdTime): digits form
// "HH:MM"; an entry that fails the check is cleared and the dialog stays open.
// Only the day shift's elapsed minutes follow it; nothing is written here.
class frm_S_endtime : public TimeEntryDialog {
    Q_OBJECT
  public:
    explicit frm_S_endtime(QWidget* parent = nullptr);

    // Shows it modally for the run on the production screen.
    static void gsOPEN();

    static QString gfBACK_SPACE(const QString& entry);
    // True when the entry is a time of day "HH:MM" by the dialog's rules.
    static bool gfCHECK(const QString& entry);

    QLabel* lblEndtime = nullptr;
    QLabel* lblProduct_code = nullptr;
    QLabel* lblOp_seq_sub = nullptr;
    QLabel* lblProcess_code = nullptr;
    QLabel* lblJakupdate = nullptr;
    QLabel* lbl_juya = nullptr;

  private:
    QString backSpaced(const QString& entry) const override { return gfBACK_SPACE(entry); }
    void load();
    void cmdSave_Click() override;
};

}  // namespace mes
