#include "foundation/TerminalClock.h"

#include <sys/time.h>
#include <ctime>

namespace mes {

namespace {

struct ClockState {
    qint64 offsetMs = 0;
    QDateTime fixed;
    bool (*setter)(const QDateTime&) = nullptr;
};

bool setPlatformClock(const QDateTime& t) {
    struct timeval tv {};
    tv.tv_sec = static_cast<time_t>(t.toSecsSinceEpoch());
    return settimeofday(&tv, nullptr) == 0;
}

ClockState& state() {
    static ClockState s{0, {}, &setPlatformClock};
    return s;
}

}  // namespace

QDateTime TerminalClock::now() {
    if (state().fixed.isValid()) return state().fixed;
    return QDateTime::currentDateTime().addMSecs(state().offsetMs);
}

QString TerminalClock::date() { return now().toString(QStringLiteral("yyyy-MM-dd")); }
QString TerminalClock::time() { return now().toString(QStringLiteral("HH:mm:ss")); }
QString TerminalClock::hhmm() { return now().toString(QStringLiteral("HH:mm")); }
QString TerminalClock::hhmmss() { return now().toString(QStringLiteral("HHmmss")); }

bool TerminalClock::setFromServer(const QString& date, const QString& time) {
    const QDateTime server = QDateTime::fromString(
        date.trimmed() + QLatin1Char(' ') + time.trimmed(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!server.isValid()) return false;
    if (state().fixed.isValid()) {
        state().fixed = server;
        return true;
    }
    const qint64 diff = QDateTime::currentDateTime().msecsTo(server);
    if (diff > -2000 && diff < 2000) {  // seconds precision: already in step
        state().offsetMs = 0;
        return true;
    }
    if (state().setter && state().setter(server)) {
        state().offsetMs = 0;
        return true;
    }
    state().offsetMs = diff;
    return true;
}

qint64 TerminalClock::offsetMs() { return state().offsetMs; }
void TerminalClock::setOffsetMs(qint64 ms) { state().offsetMs = ms; }
void TerminalClock::setFixed(const QDateTime& t) { state().fixed = t; }
void TerminalClock::clearFixed() { state().fixed = QDateTime(); }
void TerminalClock::reset() {
    state().offsetMs = 0;
    state().fixed = QDateTime();
    state().setter = &setPlatformClock;
}
void TerminalClock::setSystemClockSetter(bool (*setter)(const QDateTime&)) {
    state().setter = setter;
}

}  // namespace mes
