#pragma once

#include "reports/ProcessHistoryScreen.h"

namespace mes {

// Today's defect quantities recorded on the machine.
class frm_S_Report_badqty : public ProcessHistoryScreen {
    Q_OBJECT
  public:
    explicit frm_S_Report_badqty(QWidget* parent = nullptr);

  protected:
    QString queryDate() const override;
    QString historySql(const QString& ip, const QString& filter) const override;
    reports::IpClause ipClause() const override { return reports::IpClause::Upper; }
    QString filterColumn() const override { return QStringLiteral("B_PRO.process_code"); }
};

}  // namespace mes
