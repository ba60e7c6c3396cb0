#pragma once

#include <QVariant>
#include <memory>
#include <vector>

namespace engine {

// The text cells of one result. A list's names, codes and states repeat from
// row to row; each distinct short text is made a QString once and shared by
// every cell that holds it, so ten thousand rows cost a few hundred strings
// instead of a quarter of a million. A column whose texts rarely repeat (keys)
// stops being looked up after a few hundred rows.
class TextCells {
  public:
    explicit TextCells(int columns);
    ~TextCells();
    TextCells(const TextCells&) = delete;
    TextCells& operator=(const TextCells&) = delete;

    QVariant text(int column, const char* bytes, int size);

  private:
    static constexpr int kLongest = 48;
    static constexpr int kSlots = 64;
    struct Slot {
        int size = -1;
        char bytes[kLongest];
        QVariant value;
    };
    struct Column {
        std::unique_ptr<Slot[]> table;
        int lookups = 0;
        int hits = 0;
        bool off = false;
    };
    std::vector<Column> columns_;
};

}  // namespace engine
