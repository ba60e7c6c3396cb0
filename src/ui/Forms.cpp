#include "ui/Forms.h"

#include <QList>
#include <utility>

namespace mes {

namespace {
struct Entry {
    void* key;
    std::function<void()> unload;
};
QList<Entry>& entries() {
    static QList<Entry> list;
    return list;
}
}  // namespace

void Forms::track(void* key, std::function<void()> unload) {
    entries().append(Entry{key, std::move(unload)});
}

void Forms::untrack(void* key) {
    entries().removeIf([key](const Entry& e) { return e.key == key; });
}

void Forms::unloadAll() {
    // Newest first: a dialog goes before the screen that opened it.
    while (!entries().isEmpty()) {
        Entry e = entries().takeLast();
        e.unload();
    }
}

}  // namespace mes
