#pragma once

#include <QTableView>

#include "foundation/Session.h"
#include "ui/clsSpread.h"
#include "ui/support/UiFixture.h"

// A grid of six columns (code, name, quantity, shift pick list, issued check
// box, save button) on an embedded database of the test's own with table t.
class SpreadFixture : public uitest::UiFixture {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs SQL on the file directly (set-up only).
    void native(const char* sql);
    void defineGrid();
    // Fills the grid from t, ordered by code.
    int fill();
    // Selects rows first..last (1-based) as a block and puts the cursor on first.
    void selectRows(int first, int last);
    QString errorLog() const;

    QString dbPath;
    mes::Session session;
    QTableView view;
    mes::clsSpread spread;
};
