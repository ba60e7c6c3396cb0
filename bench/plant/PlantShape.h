#pragma once

#include "ScaledPlant.h"

namespace mesbench {

// How big each part of a scaled plant is, derived from its size: masters grow with
// the plant (more customers, machines and products), so that a product's history
// stays about as long at every size.
struct PlantShape {
    int historyOrders = 0;  // finished orders before the demo's days
    int historyLedger = 0;  // ledger rows to add to the demo's
    int days = 730;         // two years, ending the day before the demo's oldest order
    int customers = 0;
    int machinesPerProcess = 0;
    int employees = 0;
    int products = 0;
    int materials = 0;
    int componentsMean = 0;  // components per product's bill of material, on average

    // demoOrders and demoLedger: what the demo seed already holds.
    static PlantShape of(const ScaledPlantSize& size, int demoOrders, int demoLedger);
    // False with a reason when the size cannot be built (three-digit day counters).
    bool valid(QString* error) const;
};

}  // namespace mesbench
