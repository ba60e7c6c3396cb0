#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTableView;

namespace mes {

class clsSpread;

// Registers a work order for one of the chosen customer's active products,
// dated today, quantity 0, not started.
class frm_S_Jakup : public QWidget {
    Q_OBJECT
  public:
    explicit frm_S_Jakup(QWidget* parent = nullptr);

    // Reloads the products of the customer in txtCustomer_Code.
    void lsQuery();

    QLineEdit* txtCustomer_Code = nullptr;
    QLineEdit* txtCustomer_Name = nullptr;
    QTableView* ss = nullptr;
    clsSpread* spread = nullptr;
    QPushButton* cmd_query = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* Command14 = nullptr;

  private:
    void cmdSave_Click();
};

}  // namespace mes
