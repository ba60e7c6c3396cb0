#pragma once

#include <vector>

#include "OrderPlan.h"
#include "PlantCalendar.h"
#include "PlantMasters.h"
#include "Random.h"
#include "RowInserter.h"

struct sqlite3;

namespace mesbench {

// Writes the planned orders as a finished run leaves them: the order in state '3',
// its run with the produced lot, the defects split by cause, the stops (timed rows
// and their cause rows) and, for injection orders, the moulding sheet.
class OrderWriter {
  public:
    OrderWriter(sqlite3* db, const PlantMasters& masters, const PlantCalendar& calendar);
    void write(const std::vector<PlannedOrder>& orders, Random& random);

  private:
    void writeDefects(const PlannedOrder& o, const std::string& opSeq, Random& random);
    void writeStops(const PlannedOrder& o, const std::string& opSeq, Random& random);
    void writeMouldSheet(const PlannedOrder& o, const std::string& seq);

    const PlantMasters& masters_;
    const PlantCalendar& calendar_;
    RowInserter order_;
    RowInserter run_;
    RowInserter defect_;
    RowInserter stop_;
    RowInserter mould_;
};

}  // namespace mesbench
