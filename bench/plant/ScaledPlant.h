#pragma once

#include <QString>

namespace mesbench {

// The size of a scaled plant: work orders in all and rows of the two stock ledgers
// (S_PRODUCT_STORE and P_PRODUCT_STORE) together, the demo's own rows included; and
// how many of the history's orders were left open (started, never finished).
struct ScaledPlantSize {
    int orders = 100000;
    int ledgerRows = 1000000;
    int openOrders = 0;

    static ScaledPlantSize demo() { return {0, 0}; }
    static ScaledPlantSize small() { return {1000, 10000}; }
    static ScaledPlantSize large() { return {100000, 1000000}; }
    ScaledPlantSize leftOpen(int open) const { return {orders, ledgerRows, open}; }
    QString name() const;  // "1000 orders, 10000 ledger rows[, 1000 open]"
};

// A finished product with exactly fifty components, each with lots in stock, made
// on a history assembly machine: the end of one of its runs books fifty lots. It has
// no orders; a benchmark registers and starts its own.
inline constexpr char kFiftyComponentProduct[] = "AP-500";
inline constexpr char kFiftyComponentCustomer[] = "C006";
inline constexpr char kFiftyComponentMachine[] = "A-02";

// Creates the demo plant at path (schema, and the seed relative to the terminal
// clock, so that today's orders are the demo's) and adds two years of finished
// history before the demo's days: orders with their runs, defects, stops, stock
// movements with running balances, lot genealogy and receipts, and the masters
// they need. The same size always gives the same plant. One transaction; false
// (with error) when path exists or anything fails, and no file is left behind.
bool createScaledPlant(const QString& path, const ScaledPlantSize& size, QString* error);

// Sets open finished history orders of the plant at path back to started
// (end_yn 2), spread evenly over their dates, oldest first; all of them when
// there are fewer. Returns how many, -1 (with error) when it fails.
int leaveOrdersOpen(const QString& path, int open, QString* error);

}  // namespace mesbench
