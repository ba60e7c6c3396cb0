#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace mes {

// A count as the screen holds it (text) to a 32-bit whole number, rounding half
// to even; nothing for empty, non-numeric or out-of-range text.
std::optional<qint32> gfCOUNT32(const QString& text);
// The same into 16 bits (the run's workers).
std::optional<qint16> gfCOUNT16(const QString& text);
// The minutes of an elapsed text such as "95분": the part before "분".
std::optional<qint32> gfMINUTES32(const QString& elapsed);

// Whole minutes from date + from to date + to, or to now when to is empty
// (seconds ignored); nothing when a text is not a date or time.
std::optional<qint64> gfRUN_MINUTES(const QString& date, const QString& from, const QString& to,
                                    const QDateTime& now);

// The elapsed field of the production screen ("" when no run is shown); keeps
// is the text it showed, kept for a closed night-shift run.
QString gfELAPSED_TEXT(const QString& stDate, const QString& stTime, const QString& edTime,
                       const QString& juya, const QDateTime& now, const QString& keeps);

}  // namespace mes
