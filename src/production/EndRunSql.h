#pragma once

#include <QString>
#include <QStringList>

namespace mes {

// The closing values of a run, converted and ready to splice.
struct EndUpdate {
    QString orderNo;
    QString runKey;
    qint32 good = 0;
    qint32 bad = 0;
    QString endDate;
    QString endTime;  // "HH:MM"
    qint32 minutes = 0;
    qint16 workers = 0;
    QString employeeNo;
    QString finishFlag = QStringLiteral("3");
    QString startDate;
    QString startTime;
    QString unit;
    QString lastDate;  // terminal date "yyyy-MM-dd"
    QString lastTime;  // terminal time "hhmmss"
    QString user;
};

// First statement of the end of a run: fails (a conversion error, inside the
// transaction, under the order's row lock) unless the order is still in
// progress, so a run already ended by another press or terminal is never booked twice.
QString gfEND_GUARD_SQL(const QString& orderNo);
// The order's state "END_YN".
QString gfORDER_STATE_SQL(const QString& orderNo);
// Appends the order update, then the run update.
void lsEndUpdate(QStringList& list, const EndUpdate& e);

}  // namespace mes
