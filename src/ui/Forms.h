#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace mes {

// Every screen exists at most once: created the first time it is asked for and
// kept until it is unloaded.
//
// Unloading is deferred: gsUNLOAD<T>() takes the screen out of the registry at
// once (the next gfFORM<T>() creates a new one), hides it and stops its timers,
// but deletes it only when no code of it can still be running: after the
// outermost modal session has ended and control is back in the event loop. So a
// screen may unload itself from its own button handler, or a dialog from its
// own Command14 while the modal host is still working on it.
class Forms {
  public:
    // Deletes every screen at once, loaded or awaiting deletion (end of the
    // program, end of a test). Never from a screen's handler.
    static void unloadAll();
    // Screens unloaded and not yet deleted.
    static int pendingCount();

    // Registers a new screen (gfFORM does it).
    static void track(QObject* form);
    // Takes a screen out of the registry and deletes it later (gsUNLOAD does it).
    static void retire(QObject* form);

    // While held (the modal host holds one per session), retired screens wait.
    class Hold {
      public:
        Hold();
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
    };
};

template <class T>
QPointer<T>& gvFORM_SLOT() {
    static QPointer<T> slot;
    return slot;
}

// The one instance of screen T, created on first use.
template <class T>
T& gfFORM() {
    QPointer<T>& slot = gvFORM_SLOT<T>();
    if (!slot) {
        slot = new T();
        Forms::track(slot.data());
    }
    return *slot;
}

// True while screen T is loaded.
template <class T>
bool gfFORM_LOADED() {
    return !gvFORM_SLOT<T>().isNull();
}

// Unloads screen T; the next gfFORM<T>() creates it anew. Safe from T's own
// handlers: the old one is deleted later (see Forms).
template <class T>
void gsUNLOAD() {
    QPointer<T>& slot = gvFORM_SLOT<T>();
    T* form = slot.data();
    slot.clear();
    if (form) Forms::retire(form);
}

// Brings a modeless screen to the front (it keeps the place it gave itself).
void gsSHOW_SCREEN(QWidget& screen);

}  // namespace mes
