#pragma once

#include "reports/frm_S_Report_Sangsan.h"
#include "screens/support/ScreenFixture.h"

namespace reporttest {

// The results screen on the demo plant, shown, listing today's runs of the
// demo press: its finished run K001001 and its open run K002001.
class ResultsFixture : public screentest::ScreenFixture {
  protected:
    void SetUp() override;

    // Today's run number n ("yyyymmdd" + "00n001").
    static QString run(int n);
    // The grid row of a run, 0 when it is not listed.
    int rowOf(const QString& opSeqSub) const;
    // A finger on a grid cell (a button cell is pressed and released).
    void touch(const QString& colId, int row);
    QString cell(const QString& colId, int row) const;

    mes::frm_S_Report_Sangsan* screen = nullptr;
};

}  // namespace reporttest
