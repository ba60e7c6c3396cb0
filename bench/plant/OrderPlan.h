#pragma once

#include <vector>

#include "PlantMasters.h"
#include "PlantShape.h"
#include "Random.h"

namespace mesbench {

// One finished history order and its one run, decided before anything is written:
// the stock ledger needs every run's consumption to size the material lots.
struct PlannedOrder {
    int day = 0;         // order date (jisi_date), history day index
    int counter = 0;     // prod_no's three-digit counter on that day
    int runCounter = 0;  // op_seq's counter: runs are started in another order
    int product = 0;
    int machine = 0;
    int employee = 0;
    int workers = 1;
    char shift = '1';  // '1' day, '0' night, 0 for null
    int planQty = 0;
    int good = 0;
    int bad = 0;
    int startDay = 0;     // day the run started
    int startMinute = 0;  // minutes after midnight
    int minutes = 0;      // run length
    bool issued = false;  // Chulha_yn

    int endDay() const { return startDay + (startMinute + minutes) / 1440; }
    int endMinute() const { return (startMinute + minutes) % 1440; }
};

// The history's orders, in order of date and counter.
std::vector<PlannedOrder> planOrders(const PlantShape& shape, const PlantMasters& masters,
                                     Random& random);

}  // namespace mesbench
