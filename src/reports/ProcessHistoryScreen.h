#pragma once

#include <QWidget>

#include "reports/ReportStatements.h"

class QLabel;
class QPushButton;
class QTableView;
class QTimer;
class QBoxLayout;

namespace mes {

class ButtonStrip;
class NavigationBar;
class clsSpread;

// What the three history screens share: the machine's process buttons, the
// "all processes" button, the grid, the clock and the navigation row. A screen
// says which statement fills the grid and for which date.
class ProcessHistoryScreen : public QWidget {
    Q_OBJECT
  public:
    ButtonStrip* btnEquipment = nullptr;  // seven per page, the strip pages beyond
    QPushButton* btnFind = nullptr;
    QLabel* lblWC_name = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblTime = nullptr;
    QTableView* ss = nullptr;
    clsSpread* spread = nullptr;
    NavigationBar* navigation = nullptr;
    QTimer* Timer1 = nullptr;

    // All processes of the machine.
    void btnFind_Click();
    // Process button n (what a touch on it does).
    void btnEquipment_Click(int index);
    // The condition appended to the statement; empty for all processes.
    const QString& processFilter() const { return processFilter_; }

  protected:
    // name: object name, also the error log's location; ownTab: the bar's button.
    ProcessHistoryScreen(const QString& name, const QString& findCaption, const QString& ownTab,
                         QWidget* parent);

    // Once the subclass has defined its grid: buttons, first query, own tab.
    void load();
    // The screen's date for both statements, "yyyy-MM-dd".
    virtual QString queryDate() const = 0;
    virtual QString historySql(const QString& ip, const QString& filter) const = 0;
    virtual reports::IpClause ipClause() const = 0;
    virtual QString filterColumn() const = 0;
    // After each fill of the grid (the results screen recomputes its counts).
    virtual void afterQuery() {}
    // Room for a screen's own controls above the grid.
    QBoxLayout* toolRow() const { return toolRow_; }

    void lsQuery();
    void refreshProcessButtons();

  private:
    void tick();

    QString processFilter_;
    QBoxLayout* toolRow_ = nullptr;
};

}  // namespace mes
