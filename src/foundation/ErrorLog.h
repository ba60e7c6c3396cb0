#pragma once

#include <QDateTime>
#include <QString>

#include "foundation/DbError.h"

namespace mes {

// The month error file: formatting and appending of one record.
class ErrorLog {
  public:
    // The record text (CR LF line ends) for an error, a location and a message.
    static QString formatRecord(const DbError& err, const QString& message, const QString& location,
                                const QDateTime& when);
    // "<config dir>/yyyymm.err" for the given moment.
    static QString filePath(const QDateTime& when);
    // Appends the record in the locale's 8-bit encoding; false when the file
    // cannot be written (the caller ignores it).
    static bool append(const QString& record, const QDateTime& when);
};

// The one place failures are recorded and shown: closes the shared record set,
// offers a reconnect when the Session is closed, shows message (when not "")
// and appends a record to the month file. Never fails visibly.
void gsERR_LOG(const DbError& err, const QString& message, const QString& location);
// Only the record of gsERR_LOG, nothing shown or asked (a failure no operator
// action caused). Never fails visibly.
void gsERR_RECORD(const DbError& err, const QString& message, const QString& location);

}  // namespace mes
