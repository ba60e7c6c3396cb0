#pragma once

#include "screens/support/ScreenFixture.h"

class QTableView;

namespace mes {
class clsSpread;
class frm_S_dayReport;
}  // namespace mes

// The production screen on the demo plant: P-01's run of today is in progress
// (FP-100, order 500, good 0, bad 3 split B01 2 / B02 1, started 95 minutes ago).
class ProductionFixture : public screentest::ScreenFixture {
  protected:
    static const QString kOrder;  // today's order 002 (its seq)
    static const QString kRun;    // its run

    // Shows the screen and hands it the run as the list does.
    mes::frm_S_dayReport& open(const QString& run = kRun, const QString& equipment = "P-01");
    // The database server's clock (getdate()).
    void setServerClock(const QDateTime& now);

    // The grid row whose column holds value; 0 when none.
    static int rowOf(const mes::clsSpread& spread, const QString& colId, const QString& value);
    // A finger on a cell of the grid.
    static void touch(mes::clsSpread& spread, int row, const QString& colId);
    // Types text into an in-place cell as the editor commits it.
    static void typeInto(mes::clsSpread& spread, int row, const QString& colId,
                         const QString& text);
};
