#pragma once

#include <QDialog>

class QPushButton;
class QTableView;

namespace mes {

class clsSpread;

// The inspector picker of the self-inspection: cmdSave hands the touched
// row's name and number to the inspection screen; Command14 closes.
class frm_S_jaju_employee : public QDialog {
    Q_OBJECT
  public:
    explicit frm_S_jaju_employee(QWidget* parent = nullptr);

    QTableView* ss = nullptr;
    clsSpread* spread = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* Command14 = nullptr;

    // Fills the list and shows the picker modally.
    void Show();
    void cmdSave_Click();

  private:
    void close();

    int row_ = 0;  // the row touched last
};

}  // namespace mes
