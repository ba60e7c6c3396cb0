#pragma once

#include <deque>
#include <string>
#include <vector>

#include "OrderPlan.h"
#include "PlantCalendar.h"
#include "PlantMasters.h"
#include "RowInserter.h"

struct sqlite3;

namespace mesbench {

// The history's stock movements as the end of each run books them, on the run's
// end date: work in process added, components taken first in, first out (a take
// that empties a lot goes on in the next one), the issue and the finished-goods
// receipt of finished products, lot genealogy. Material lots are received when a
// day's need exceeds the stock, so that no lot goes negative. Every movement
// carries its product's running balance in the order of date and idx.
class StockLedger {
  public:
    StockLedger(sqlite3* db, const PlantMasters& masters, const PlantCalendar& calendar);

    // Books the orders, then adds material receipts on the last day until the two
    // ledgers have targetRows more rows (more only when the runs alone need them).
    void write(const std::vector<PlannedOrder>& orders, long long targetRows);
    long long rows() const { return store_.rows() + finishedStore_.rows(); }

  private:
    struct Lot {
        std::string number;
        long long left = 0;
    };

    static long long need(const PlannedOrder& o, const Component& c);
    void receive(int material, int day, long long qty);
    void book(const PlannedOrder& o, int day);
    void take(const PlannedOrder& o, int material, long long qty, int day);
    void storeRow(int item, const std::string& lot, int day, const std::string& inNo,
                  const std::string& inSub, long long in, const std::string& outNo,
                  const std::string& outSub, long long out, const char* type,
                  const std::string& time);

    const PlantMasters& masters_;
    const PlantCalendar& calendar_;
    RowInserter store_;
    RowInserter finishedStore_;
    RowInserter lotHistory_;
    RowInserter goodsReceipt_;
    RowInserter materialReceipt_;
    long long lotSize_ = 100;
    std::vector<long long> balance_;          // per item: products, then materials
    std::vector<long long> finishedBalance_;  // per product
    std::vector<std::deque<Lot>> lots_;       // per material, oldest first
    std::vector<int> receiptDay_;             // per material: day of the last receipt
    std::vector<int> receiptsThatDay_;
};

}  // namespace mesbench
