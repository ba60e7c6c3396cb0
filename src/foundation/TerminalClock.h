#pragma once

#include <QDateTime>
#include <QString>

namespace mes {

// The terminal's one clock. Every "PC date" and "PC time" comes from here: the
// system clock plus the difference to the database server found at start-up
// (kept when the platform refuses to set the clock), or a fixed time in tests.
class TerminalClock {
  public:
    static QDateTime now();
    static QString date();    // "yyyy-MM-dd"
    static QString time();    // "HH:mm:ss"
    static QString hhmm();    // "HH:mm"
    static QString hhmmss();  // "HHmmss"

    // Sets the clock to the server's date ("yyyy-MM-dd") and time ("HH:mm:ss").
    // Tries the platform call first; when refused, keeps the offset instead.
    // Returns false when the texts are not a valid date and time.
    static bool setFromServer(const QString& date, const QString& time);

    static qint64 offsetMs();
    static void setOffsetMs(qint64 ms);
    static void setFixed(const QDateTime& t);  // tests: the clock stands still
    static void clearFixed();
    static void reset();
    // The platform call to set the system clock; tests replace it.
    static void setSystemClockSetter(bool (*setter)(const QDateTime&));
};

}  // namespace mes
