#pragma once

#include "reports/BoxLabel.h"
#include "reports/ProcessHistoryScreen.h"

namespace mes {

class TouchDatePicker;

// The machine's production results of one work-order date; box labels and the
// move ticket are printed from its rows.
class frm_S_Report_Sangsan : public ProcessHistoryScreen {
    Q_OBJECT
  public:
    explicit frm_S_Report_Sangsan(QWidget* parent = nullptr);

    TouchDatePicker* dtpSt_date = nullptr;
    QPushButton* btn_gongjung = nullptr;

    // Default print counts from the good quantity and the pack quantities.
    void lsSum();
    // A touch on a grid cell: keypad for the pack quantities and print counts.
    void ss_Click(int col, int row);
    // A print button of a row: the small- or large-pack label job.
    void ss_ButtonClicked(int col, int row);
    void printLabel(int row, reports::PackSize size);
    // The move ticket of the active row.
    void btn_gongjung_Click();

  protected:
    QString queryDate() const override;
    QString historySql(const QString& ip, const QString& filter) const override;
    reports::IpClause ipClause() const override { return reports::IpClause::Lower; }
    QString filterColumn() const override { return QStringLiteral("A.process_code"); }
    void afterQuery() override { lsSum(); }

  private:
    void defineGrid();
    QString raw(const QString& id, int row) const;
};

}  // namespace mes
