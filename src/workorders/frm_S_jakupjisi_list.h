#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;
class QTimer;

namespace mes {

class ButtonStrip;
class NavigationBar;
class clsSpread;

// The main screen: recent work orders of every machine, narrowed by customer
// and date buttons; the start of runs and registrations, and the way to every
// other screen. It stays open for the life of the program.
class frm_S_jakupjisi_list : public QWidget {
    Q_OBJECT
  public:
    explicit frm_S_jakupjisi_list(QWidget* parent = nullptr);

    // Reloads the grid with the current filter.
    void lsQuery();
    // Clears every filter and reloads.
    void btnFind_Click();
    // Shows the screen and reloads it (btnJakupJisi's target, start-up).
    static void showScreen();
    // Shows the screen with every filter cleared (the history screens' tab).
    static void showCleared();

    // The filter state.
    QString lvSerchSQL;
    QString lvJakup_Customer_Code;
    QString lvJakup_Customer_Name;
    QString lvJakup_JisiDate_Code;
    QString lvJakup_JisiDate_Name;

    static const QString kAccessCode;

    ButtonStrip* btnEquipment = nullptr;   // customers
    ButtonStrip* btnEquipment2 = nullptr;  // work-order dates
    QTableView* ss = nullptr;
    clsSpread* spread = nullptr;
    QLabel* lblWC_name = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblTime = nullptr;
    QPushButton* btnFind = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnDayReport = nullptr;  // the navigation row's, with the row checks
    QPushButton* btnJakup = nullptr;
    QPushButton* btnCancel = nullptr;
    NavigationBar* navigation = nullptr;
    QTimer* Timer1 = nullptr;

  private:
    void lsGridInit();
    void lsCustomerButtons();
    void lsDateButtons(const QString& customerCode);
    // The one place the selected customer is set: its button and lvJakup_Customer_*.
    void lsSelectCustomer(int index);
    // lsQuery, then the order's row active again.
    void lsQueryOn(const QString& seq);
    void customerClicked(int index);
    void dateClicked(int index);
    void rowClicked(int row);
    void buttonCell(int col, int row);
    void setIssued(int row, bool issued);
    void btnStart_Click();
    void btnDayReport_Click();
    void btnJakup_Click();
    void btnCancel_Click();
    void setFindColour(bool selected);
    void tick();
};

}  // namespace mes
