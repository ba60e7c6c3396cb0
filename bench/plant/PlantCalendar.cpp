#include "PlantCalendar.h"

namespace mesbench {

PlantCalendar::PlantCalendar(const QDate& first, int days) {
    dates_.reserve(days);
    keys_.reserve(days);
    lotDates_.reserve(days);
    for (int d = 0; d < days; ++d) {
        const QDate date = first.addDays(d);
        dates_.push_back(date.toString(QStringLiteral("yyyy-MM-dd")).toStdString());
        keys_.push_back(date.toString(QStringLiteral("yyyyMMdd")).toStdString());
        lotDates_.push_back(date.toString(QStringLiteral("yyMMdd")).toStdString());
    }
}

}  // namespace mesbench
