#pragma once

#include "ui/TimeEntryDialog.h"

class QLabel;

namespace mes {

// Corrects the start time shown on the production screen: digits form "HH:MM",
// cmdSave checks it and hands it back into the production screen's lblStTime.
// A failed check (an empty entry too) clears the entry and keeps the dialog
// open; lblStTime is then left as it was.
//
// The production screen opens it with frm_S_starttime::gsOPEN() from a touch on
// lblStTime; nothing is written to the database here.
class frm_S_starttime : public TimeEntryDialog {
    Q_OBJECT
  public:
    explicit frm_S_starttime(QWidget* parent = nullptr);

    // Shows the dialog modally; returns the entry handed back ("" when closed
    // with Command14). handed: false when it was closed with Command14.
    static QString gsOPEN(bool* handed = nullptr);

    // The entry after a back-space; pure, for the key. Digits: gfADD_DIGIT.
    static QString gfBACK_SPACE(const QString& entry);
    // True when the entry passes cmdSave's check.
    static bool gfVALID(const QString& entry);

    QLabel* lblStarttime = nullptr;
    QLabel* lblProduct_code = nullptr;
    QLabel* lblOp_seq_sub = nullptr;
    QLabel* lblProcess_code = nullptr;
    QLabel* lblJakup_date = nullptr;
    QLabel* lblJuya = nullptr;

  private:
    QString backSpaced(const QString& entry) const override { return gfBACK_SPACE(entry); }
    void load();
    void cmdSave_Click() override;

    QString handedBack_;
    bool handed_ = false;
};

}  // namespace mes
