#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace mes {

class clsSpread;

// Picks the material lot of the production grid's active row: from the list
// of the material's lots in stock (warning when an older lot should go in
// first) or by a scanned barcode "lot/material".
class frm_S_lot_select : public QDialog {
    Q_OBJECT
  public:
    explicit frm_S_lot_select(QWidget* parent = nullptr);

    // The material and the row's lot; the last two are kept, not used.
    void lsProductCode(const QString& material, const QString& lot, const QString& third,
                       const QString& fourth);
    // Loads the lots and shows the picker modally.
    void Show();
    // The lot that should go in before lot, "0" when none.
    QString lsLotFifo(const QString& material, const QString& lot);

    void cmdSave_Click();
    void txtBarcode_KeyPress();  // the Enter key of the scanner

    QLabel* lblProduct_code = nullptr;
    QLabel* lbl_lot_no = nullptr;
    QLabel* lblSProduct_code = nullptr;
    QLabel* lblOp_seq_sub = nullptr;
    QLineEdit* txtBarcode = nullptr;
    QTableView* ss = nullptr;
    clsSpread* spread = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* Command14 = nullptr;

  private:
    void refuseScan(const QString& text);

    QString third_, fourth_;
};

}  // namespace mes
