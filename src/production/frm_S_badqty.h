#pragma once

#include "production/CauseEntryDialog.h"

class QLineEdit;

namespace mes {

// Splits the running run's bad quantity by defect cause. Reads the run from
// the production screen and writes the new bad total back into its lblBad_Cnt.
class frm_S_badqty : public CauseEntryDialog {
    Q_OBJECT
  public:
    // Longest remark the table keeps.
    static constexpr int kRemarkMax = 255;

    explicit frm_S_badqty(QWidget* parent = nullptr);

    QLineEdit* txtBad_Total_cnt = nullptr;  // "입력 불량": already split
    QLineEdit* txtBad_cnt = nullptr;        // "미입력 불량": not yet split

    // Loads from the production screen and shows it modally.
    void Show();
    void Form_Load();

  protected:
    void cmdSave_Click() override;
    void unload() override;

  private:
    void lsSpreadInit();
    void lsBadQuery();
    void fillBoxes();
};

}  // namespace mes
