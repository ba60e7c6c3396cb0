#pragma once

#include <functional>
#include <memory>

namespace mes {

// Every screen exists at most once: created the first time it is asked for and
// kept until it is unloaded.
class Forms {
  public:
    // Unloads every screen created so far (end of the program, end of a test).
    static void unloadAll();
    // Registers how to unload one screen type (done by gfFORM on creation).
    static void track(void* key, std::function<void()> unload);
    static void untrack(void* key);
};

template <class T>
std::unique_ptr<T>& gvFORM_SLOT() {
    static std::unique_ptr<T> slot;
    return slot;
}

// The one instance of screen T, created on first use.
template <class T>
T& gfFORM() {
    std::unique_ptr<T>& slot = gvFORM_SLOT<T>();
    if (!slot) {
        slot = std::make_unique<T>();
        Forms::track(&slot, [] { gvFORM_SLOT<T>().reset(); });
    }
    return *slot;
}

// True while screen T is loaded.
template <class T>
bool gfFORM_LOADED() {
    return gvFORM_SLOT<T>() != nullptr;
}

// Unloads screen T; the next gfFORM<T>() creates it anew.
template <class T>
void gsUNLOAD() {
    Forms::untrack(&gvFORM_SLOT<T>());
    gvFORM_SLOT<T>().reset();
}

}  // namespace mes
