#pragma once

#include <QString>

namespace mes {

// One defect row of a run: the pair run key + cause identifies it.
struct BadQtyRow {
    QString opSeqSub;
    QString cause;
    qint32 qty = 0;
    QString process;
    QString equipment;
    QString remark;
    QString product;
    QString employee;  // also the user id
    QString date;      // "yyyy-MM-dd"
    QString hhmmss;
};

// Every defect cause of the work centre with what the run recorded against it.
QString gfBAD_CAUSES_SQL(const QString& opSeqSub, const QString& process, const QString& product);
QString gfBAD_INSERT_SQL(const BadQtyRow& r);
QString gfBAD_UPDATE_SQL(const BadQtyRow& r);
QString gfBAD_DELETE_SQL(const QString& opSeqSub, const QString& cause);
// Replaces the run's bad quantity by the sum of its causes.
QString gfRUN_BAD_SQL(qint32 total, const QString& opSeqSub);

}  // namespace mes
