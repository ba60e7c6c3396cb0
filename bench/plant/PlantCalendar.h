#pragma once

#include <QDate>
#include <string>
#include <vector>

namespace mesbench {

// The history's days as the plant writes them: day 0 is the first day of the
// history; dates "yyyy-mm-dd", keys "yyyymmdd", lot dates "yymmdd".
class PlantCalendar {
  public:
    PlantCalendar(const QDate& first, int days);

    const std::string& date(int day) const { return dates_[day]; }
    const std::string& key(int day) const { return keys_[day]; }
    const std::string& lotDate(int day) const { return lotDates_[day]; }
    int days() const { return static_cast<int>(dates_.size()); }

  private:
    std::vector<std::string> dates_;
    std::vector<std::string> keys_;
    std::vector<std::string> lotDates_;
};

}  // namespace mesbench
