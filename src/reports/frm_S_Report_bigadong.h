#pragma once

#include "reports/ProcessHistoryScreen.h"

namespace mes {

// Today's machine stops recorded on the machine.
class frm_S_Report_bigadong : public ProcessHistoryScreen {
    Q_OBJECT
  public:
    explicit frm_S_Report_bigadong(QWidget* parent = nullptr);

  protected:
    QString queryDate() const override;
    QString historySql(const QString& ip, const QString& filter) const override;
    reports::IpClause ipClause() const override { return reports::IpClause::Lower; }
    QString filterColumn() const override { return QStringLiteral("P_SM.process_code"); }
};

}  // namespace mes
