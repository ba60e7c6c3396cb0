#include "PlantShape.h"

#include <QString>
#include <algorithm>
#include <cmath>

namespace mesbench {

namespace {

int clampTo(long long value, int low, int high) {
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

// Of the finished products' runs, the share that also books finished goods.
constexpr double kFinishedShare = 0.75;
// Share of the history ledger left to material receipts.
constexpr double kReceiptShare = 0.25;

}  // namespace

PlantShape PlantShape::of(const ScaledPlantSize& size, int demoOrders, int demoLedger) {
    PlantShape s;
    s.historyOrders = std::max(0, size.orders - demoOrders);
    s.historyLedger = std::max(0, size.ledgerRows - demoLedger);
    s.customers = clampTo(size.orders / 2500, 5, 50);
    s.machinesPerProcess = clampTo(size.orders / 10000, 1, 20);
    s.employees = clampTo(size.orders / 1000, 10, 200);
    s.products = clampTo(size.orders / 100, 20, 2000);
    // Fifty at least: one product is built from fifty different materials.
    s.materials = clampTo(size.orders / 100, 60, 2000);
    // A run books its good quantity in (1 row), each component out, and for a
    // finished product the issue and the finished-goods receipt (2 rows).
    const double perRun =
        s.historyOrders > 0 ? (1.0 - kReceiptShare) * s.historyLedger / s.historyOrders : 0.0;
    s.componentsMean = clampTo(std::lround(perRun - 1.0 - 2.0 * kFinishedShare), 1, 20);
    return s;
}

bool PlantShape::valid(QString* error) const {
    // Order and run numbers carry a three-digit counter per day.
    if (historyOrders > days * 990) {
        if (error)
            *error = QStringLiteral("%1 orders do not fit into %2 days of three-digit counters")
                         .arg(historyOrders)
                         .arg(days);
        return false;
    }
    return true;
}

}  // namespace mesbench
