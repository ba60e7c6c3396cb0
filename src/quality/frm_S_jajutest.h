#pragma once

#include <QImage>
#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimer;

namespace mes {

class GridGroupCaptions;
class TouchDatePicker;
class TouchLabel;
class clsSpread;
class frm_S_dayReport;
struct JajuKey;

// First-, middle- and last-article self-inspection of a work order and shift:
// the items of the product's standard, up to nine values each, a judgement per
// item and for the sheet, and the inspector. The opener fills the context labels.
class frm_S_jajutest : public QWidget {
    Q_OBJECT
  public:
    explicit frm_S_jajutest(QWidget* parent = nullptr);

    // Shows the screen on the run of the production screen and loads its sheet.
    static void gsOPEN(const frm_S_dayReport& run);

    // Context.
    QLabel* lblProduct_code = nullptr;
    QLabel* lbl_seq = nullptr;
    QLabel* lbljuya = nullptr;       // "주간" is the day shift
    QLabel* lbltest_num = nullptr;   // the standard
    QLabel* lbl_jaju_num = nullptr;  // the sheet number, "" for a new sheet
    QLabel* lblipha_su = nullptr;    // the order's quantity
    QLabel* lblemployee_no = nullptr;
    TouchLabel* lbl_employee = nullptr;  // a touch opens the inspector picker
    QLabel* lbldelete_type = nullptr;

    QTableView* ss = nullptr;
    clsSpread* spread = nullptr;
    GridGroupCaptions* groups = nullptr;
    QRadioButton* optPass = nullptr;
    QRadioButton* optNotpass = nullptr;
    QRadioButton* optCheck = nullptr;
    TouchDatePicker* dtpSt_date = nullptr;
    TouchDatePicker* dtptest_date = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblTime = nullptr;
    QTimer* Timer1 = nullptr;
    TouchLabel* imgProduct = nullptr;
    QImage picture;  // what imgProduct shows
    QPushButton* btn_Savejaju = nullptr;
    QPushButton* btn_deletejaju = nullptr;
    QPushButton* btnClose = nullptr;

    void Form_Load();
    // A clean sheet of today: no values, passed, not complete, no sheet number.
    void lsNewSheet();
    void lsQuery();
    void lsPicture();
    void ss_Click(int col, int row);
    // The judgement of a row after a value of x1..x9 changed.
    void ss_Change(int col, int row);
    void btn_Savejaju_Click();
    void btn_deletejaju_Click();
    void lbl_employee_Click();
    void imgProduct_Click();
    void Timer1_Timer();

  private:
    void buildTop();
    void buildGrid();
    void buildBottom();
    void lsSpreadInit();
    JajuKey key() const;
    void judgeSheet();
};

}  // namespace mes
