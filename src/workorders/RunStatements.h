#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace mes {

// One work run as the start writes it (P_SANGSAN_MASTER), values as typed.
struct RunValues {
    QString prodNo;
    QString seq;
    QString opSeq;
    QString opSeqSub;
    QString processCode;
    QString equipmentCode;
    QString productCode;
    QString customerCode;
    double orderQty = 0;
    double qty = 0;
    double badQty = 0;
    QString sdate;
    QString edate;
    QString stime;
    QString etime;
    int minutes = 0;
    QString jisiDate;
    qint16 workers = 0;
    QString workerCode;
    QString lastDate;
    QString lastTime;  // "hhmmss"
    QString userId;
};

// The next Op_Seq of a work-order date ("yyyymmdd" + counter), read from the server.
QString gfOP_SEQ_SQL(const QDate& workOrderDate);
// Op_Seq_sub of a run started from the list: always the first sub-run.
QString gfOP_SEQ_SUB(const QString& opSeq);
// A start's statements appended to list: the insert of the run and the order's
// new state. The state changes only for an order not started yet ('1' or null),
// so a second start of the same order changes no row and is refused as a whole.
void lsInsertRun(const RunValues& run, const QString& state, QStringList* list);
// The order's new state.
QString gfORDER_STATE_SQL(const QString& prodNo, const QString& seq, const QString& state);

}  // namespace mes
