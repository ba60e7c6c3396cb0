#include "PlantStatements.h"
#include "PlantStatementsText.h"

#include "production/BadQtySql.h"
#include "production/DowntimeSql.h"
#include "production/LotSelectSql.h"

namespace plant {

using text::typed;

QString defectCauses(const QString& opSeqSub, const QString& process, const QString& product) {
    return mes::gfBAD_CAUSES_SQL(typed(opSeqSub), typed(process), typed(product));
}

// The screen leaves Prod_No and Seq empty, cuts Op_seq from the run key and
// writes the employee as the user: v[0..2] and v[13] are not taken.
QString insertDefect(const QStringList& v) {
    mes::BadQtyRow r;
    r.opSeqSub = typed(v[3]);
    r.cause = typed(v[4]);
    r.qty = v[5].toInt();
    r.process = typed(v[6]);
    r.equipment = typed(v[7]);
    r.remark = typed(v[8]);
    r.product = typed(v[9]);
    r.employee = typed(v[10]);
    r.date = typed(v[11]);
    r.hhmmss = typed(v[12]);
    return mes::gfBAD_INSERT_SQL(r);
}

QString updateDefect(const QString& qty, const QString& bigo, const QString& employee,
                     const QString& date, const QString& time, const QString& opSeqSub,
                     const QString& cause) {
    mes::BadQtyRow r;
    r.opSeqSub = typed(opSeqSub);
    r.cause = typed(cause);
    r.qty = qty.toInt();
    r.remark = typed(bigo);
    r.employee = typed(employee);
    r.date = typed(date);
    r.hhmmss = typed(time);
    return mes::gfBAD_UPDATE_SQL(r);
}

QString deleteDefect(const QString& opSeqSub, const QString& cause) {
    return mes::gfBAD_DELETE_SQL(typed(opSeqSub), typed(cause));
}

QString setRunBad(const QString& total, const QString& opSeqSub) {
    return mes::gfRUN_BAD_SQL(total.toInt(), typed(opSeqSub));
}

QString downtimeCauses(const QString& opSeqSub, const QString& product) {
    return mes::gfDOWNTIME_CAUSES_SQL(typed(opSeqSub), typed(product));
}

// As for defects, v[0..2] come from the run key; the last date is the entry date (v[10]).
QString insertDowntime(const QStringList& v) {
    mes::DowntimeRow r;
    r.opSeqSub = typed(v[3]);
    r.cause = typed(v[4]);
    r.workers = v[5].toInt();
    r.minutes = v[6].toInt();
    r.equipment = typed(v[7]);
    r.remark = typed(v[8]);
    r.date = typed(v[9]);
    r.hhmmss = typed(v[11]);
    r.userId = typed(v[12]);
    return mes::gfDOWNTIME_INSERT_SQL(r);
}

QString updateDowntime(const QString& minutes, const QString& bigo, const QString& workers,
                       const QString& date, const QString& employee, const QString& time,
                       const QString& opSeqSub, const QString& cause) {
    mes::DowntimeRow r;
    r.opSeqSub = typed(opSeqSub);
    r.cause = typed(cause);
    r.workers = workers.toInt();
    r.minutes = minutes.toInt();
    r.remark = typed(bigo);
    r.date = typed(date);
    r.hhmmss = typed(time);
    r.userId = typed(employee);
    return mes::gfDOWNTIME_UPDATE_SQL(r);
}

QString deleteDowntime(const QString& opSeqSub, const QString& cause) {
    return mes::gfDOWNTIME_DELETE_SQL(typed(opSeqSub), typed(cause));
}

QString lotList(const QString& material, const QString& today) {
    return mes::gfLOTSEL_LIST_SQL(typed(material), typed(today));
}

QString lotFirstRegistration(const QString& material, const QString& lot) {
    return mes::gfLOTSEL_FIRST_SQL(typed(material), typed(lot));
}

QString olderLot(const QString& workDate, const QString& material, const QString& firstDate,
                 const QString& firstIdx) {
    return mes::gfLOTSEL_OLDER_SQL(typed(workDate), typed(material), typed(firstDate),
                                   typed(firstIdx));
}

QString scannedLot(const QString& material, const QString& lot, const QString& today) {
    return mes::gfLOTSEL_SCAN_SQL(typed(material), typed(lot), typed(today));
}

}  // namespace plant
