#include "OrderPlan.h"

#include <algorithm>
#include <numeric>

namespace mesbench {

namespace {

PlannedOrder planOne(int day, int counter, const PlantMasters& masters, Random& random) {
    PlannedOrder o;
    o.day = day;
    o.counter = counter;
    // Product 0 has no history of its own.
    o.product = 1 + random.below(static_cast<int>(masters.products.size()) - 1);
    const HistoryProduct& p = masters.products[o.product];
    const auto& sameProcess = masters.machinesOfProcess[p.process];
    o.machine = random.percent(85)
                    ? p.machine
                    : sameProcess[random.below(static_cast<int>(sameProcess.size()))];
    o.employee = random.below(static_cast<int>(masters.employees.size()));
    o.workers = random.between(1, 3);
    const int shift = random.below(100);
    o.shift = shift < 70 ? '1' : (shift < 95 ? '0' : 0);
    o.planQty = 10 * random.between(5, random.percent(70) ? 60 : 200);
    o.good = o.planQty - random.between(0, o.planQty * 3 / 100);
    o.bad = random.percent(60) ? random.between(1, std::max(1, o.planQty * 2 / 100)) : 0;
    // Most runs start on the order's date, some the day after.
    o.startDay = day + (random.percent(85) ? 0 : 1);
    o.startMinute =
        o.shift == '0' ? random.between(20 * 60, 23 * 60 + 30) : random.between(6 * 60, 16 * 60);
    o.minutes = random.between(60, 600);
    o.issued = random.percent(80);
    return o;
}

}  // namespace

std::vector<PlannedOrder> planOrders(const PlantShape& shape, const PlantMasters& masters,
                                     Random& random) {
    std::vector<PlannedOrder> orders;
    orders.reserve(shape.historyOrders);
    std::vector<int> runOrder;
    for (int day = 0; day < shape.days; ++day) {
        // Spread evenly: day d gets the orders between its share and the next one's.
        const long long from = static_cast<long long>(shape.historyOrders) * day / shape.days;
        const long long to = static_cast<long long>(shape.historyOrders) * (day + 1) / shape.days;
        const int count = static_cast<int>(to - from);
        const std::size_t first = orders.size();
        for (int n = 1; n <= count; ++n) orders.push_back(planOne(day, n, masters, random));
        // Runs take their numbers in the order they were started.
        runOrder.resize(count);
        std::iota(runOrder.begin(), runOrder.end(), 0);
        std::sort(runOrder.begin(), runOrder.end(), [&](int a, int b) {
            const PlannedOrder& x = orders[first + a];
            const PlannedOrder& y = orders[first + b];
            return std::pair(x.startDay, x.startMinute) < std::pair(y.startDay, y.startMinute);
        });
        for (int i = 0; i < count; ++i) orders[first + runOrder[i]].runCounter = i + 1;
    }
    return orders;
}

}  // namespace mesbench
