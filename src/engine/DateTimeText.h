#pragma once

#include <QDateTime>
#include <QString>

namespace engine {

// Date and time as the T-SQL layer carries them: text "yyyy-mm-dd hh:mi:ss.mmm",
// rounded to the 1/300 second steps of SQL Server's datetime.
QDateTime roundToDatetime(const QDateTime& t);
QString datetimeText(const QDateTime& t);

// SQL Server's reading of a text as datetime: ISO dates with or without time,
// yyyymmdd, a time alone (on 1900-01-01), blank text (1900-01-01). False when
// the text is no date.
bool parseDatetime(const QString& text, QDateTime* out);

// The text of t in a CONVERT style; false for a style the engine does not know.
bool formatDatetimeStyle(const QDateTime& t, int style, QString* out);

}  // namespace engine
