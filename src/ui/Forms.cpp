#include "ui/Forms.h"

#include <QList>
#include <QTimer>
#include <QWidget>

#include "ui/ScreenTimers.h"

namespace mes {

namespace {

struct Retired {
    QPointer<QObject> form;
    bool scheduled = false;
};

struct Registry {
    QList<QPointer<QObject>> loaded;  // creation order
    QList<Retired> retired;
    int holds = 0;
};

Registry& registry() {
    static Registry r;
    return r;
}

void prune() {
    registry().retired.removeIf([](const Retired& r) { return r.form.isNull(); });
}

void scheduleRetired() {
    for (Retired& r : registry().retired) {
        if (r.form && !r.scheduled) {
            r.scheduled = true;
            // Deleted when the event loop is back below the handler that unloaded it.
            r.form->deleteLater();
        }
    }
}

}  // namespace

void Forms::track(QObject* form) { registry().loaded.append(form); }

void Forms::retire(QObject* form) {
    Registry& r = registry();
    r.loaded.removeIf([form](const QPointer<QObject>& p) { return p.data() == form || !p; });
    for (QTimer* t : form->findChildren<QTimer*>()) t->stop();
    if (auto* w = qobject_cast<QWidget*>(form)) w->hide();
    prune();
    r.retired.append(Retired{form, false});
    if (r.holds == 0) scheduleRetired();
}

int Forms::pendingCount() {
    prune();
    return static_cast<int>(registry().retired.size());
}

void Forms::unloadAll() {
    Registry& r = registry();
    // Newest first: a dialog goes before the screen that opened it.
    while (!r.loaded.isEmpty()) delete r.loaded.takeLast().data();
    while (!r.retired.isEmpty()) delete r.retired.takeLast().form.data();
}

Forms::Hold::Hold() { ++registry().holds; }

Forms::Hold::~Hold() {
    if (--registry().holds == 0) scheduleRetired();
}

void gsSHOW_SCREEN(QWidget& screen) {
    screen.show();
    screen.raise();
    screen.activateWindow();
    ScreenTimers::toFront(&screen);
}

}  // namespace mes
