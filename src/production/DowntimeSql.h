#pragma once

#include <QString>

namespace mes {

// One downtime-cause row of a run: the pair run key + cause identifies it.
struct DowntimeRow {
    QString opSeqSub;
    QString cause;
    qint32 workers = 0;
    qint32 minutes = 0;
    QString equipment;
    QString remark;  // the screen has no remark column: empty
    QString date;    // "yyyy-MM-dd"
    QString hhmmss;
    QString userId;
};

// Every cause of the master with the minutes the run recorded against it.
QString gfDOWNTIME_CAUSES_SQL(const QString& opSeqSub, const QString& product);
QString gfDOWNTIME_INSERT_SQL(const DowntimeRow& r);
QString gfDOWNTIME_UPDATE_SQL(const DowntimeRow& r);
QString gfDOWNTIME_DELETE_SQL(const QString& opSeqSub, const QString& cause);

}  // namespace mes
