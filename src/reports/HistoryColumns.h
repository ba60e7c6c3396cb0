#pragma once

#include <initializer_list>

namespace mes {

class clsSpread;

// One read-only text column of a history grid.
struct HistoryColumn {
    const char* head;
    const char* id;
    int width;
    bool shown;
    bool right = false;
};

// Defines the grid: the columns in order, no rows.
void gsDEFINE_HISTORY_GRID(clsSpread& spread, std::initializer_list<HistoryColumn> columns);

}  // namespace mes
