#include "ui/ScreenTimers.h"

#include <QEvent>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace mes {

namespace {

// Screens in the order they were last brought to the front, the newest last.
QList<QPointer<QWidget>>& order() {
    static QList<QPointer<QWidget>> list;
    return list;
}

bool seen(const QWidget* w) { return w && w->isVisible() && !w->isMinimized(); }

}  // namespace

ScreenTimers::ScreenTimers(QWidget* screen) : QObject(screen), screen_(screen) {}

void ScreenTimers::govern(QWidget* screen, std::initializer_list<QTimer*> timers) {
    auto* governor = new ScreenTimers(screen);
    for (QTimer* t : timers) t->installEventFilter(governor);
}

void ScreenTimers::toFront(QWidget* screen) {
    QList<QPointer<QWidget>>& list = order();
    list.removeIf([screen](const QPointer<QWidget>& p) { return p.isNull() || p == screen; });
    list.append(screen);
}

bool ScreenTimers::inFront(const QWidget* screen) {
    if (!seen(screen)) return false;
    const QList<QPointer<QWidget>>& list = order();
    // A screen never brought to the front counts as the lowest.
    qsizetype at = -1;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i] == screen) at = i;
    }
    for (qsizetype i = at + 1; i < list.size(); ++i) {
        if (list[i] != screen && seen(list[i])) return false;
    }
    return true;
}

bool ScreenTimers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Timer && !inFront(screen_)) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace mes
