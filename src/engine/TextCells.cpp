#include "engine/TextCells.h"

#include <cstring>

namespace engine {

namespace {

constexpr int kTrial = 256;  // lookups before a column's hit rate is judged

quint32 hashOf(const char* bytes, int size) {
    quint32 h = 2166136261u;
    for (int i = 0; i < size; ++i) h = (h ^ static_cast<unsigned char>(bytes[i])) * 16777619u;
    return h;
}

QVariant made(const char* bytes, int size) { return QVariant(QString::fromUtf8(bytes, size)); }

}  // namespace

TextCells::TextCells(int columns) : columns_(static_cast<size_t>(columns)) {}

TextCells::~TextCells() = default;

QVariant TextCells::text(int column, const char* bytes, int size) {
    Column& c = columns_[static_cast<size_t>(column)];
    if (c.off || size > kLongest) return made(bytes, size);
    if (!c.table) c.table = std::make_unique<Slot[]>(kSlots);
    Slot& s = c.table[hashOf(bytes, size) % kSlots];
    ++c.lookups;
    if (s.size == size && std::memcmp(s.bytes, bytes, static_cast<size_t>(size)) == 0) {
        ++c.hits;
        return s.value;
    }
    if (c.lookups >= kTrial && c.hits * 4 < c.lookups) {
        c.off = true;
        c.table.reset();
        return made(bytes, size);
    }
    s.size = size;
    std::memcpy(s.bytes, bytes, static_cast<size_t>(size));
    s.value = made(bytes, size);
    return s.value;
}

}  // namespace engine
