#pragma once

#include "production/CauseEntryDialog.h"

class QLabel;

namespace mes {

// Minutes of downtime by cause for the running run. The timed stops of the
// stop and run buttons carry no cause and are never shown or touched here.
class frm_S_bigadong2 : public CauseEntryDialog {
    Q_OBJECT
  public:
    explicit frm_S_bigadong2(QWidget* parent = nullptr);

    // Copied from the production screen at load.
    QLabel* lblProduct_code = nullptr;
    QLabel* lblOp_seq_sub = nullptr;
    QLabel* lblProcess_code = nullptr;
    QLabel* lblEquipment_code = nullptr;
    QLabel* lblEmployee_su = nullptr;

    // Loads from the production screen and shows it modally.
    void Show();
    void Form_Load();

  protected:
    void cmdSave_Click() override;
    void unload() override;

  private:
    void lsSpreadInit();
    void lsBigaQuery();
};

}  // namespace mes
