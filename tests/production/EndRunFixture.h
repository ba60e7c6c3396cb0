#pragma once

#include <memory>

#include "ProductionFixture.h"

// The demo run loaded with good 80, bad 5 (FP-100: RM-100 usage 0.45, RM-400
// usage 2, one RM-400 lot dated tomorrow), and the ledgers around its end.
class EndRunFixture : public ProductionFixture {
  protected:
    using Table = QList<QVariantList>;
    static const QStringList kLedgers;  // every table the end of a run writes

    // Loads the run and enters good 95 on the keypad (good change 15).
    mes::frm_S_dayReport& counted(const QString& good = "95");
    // Whole tables, row by row.
    std::vector<Table> snapshot();
    // A product's balance in S_PRODUCT_STORE (received minus issued).
    double balance(const QString& product);
    // Movements, genealogy and receipts written for the run.
    int movements();
    int genealogy();
    int receipts();

    // What a killed program leaves: the screen gone without its end, the held
    // file on disk, a new connection. restart() then shows the run as the list does.
    void killTerminal();
    mes::frm_S_dayReport& restart();
    std::unique_ptr<mes::Session> next_;
};
