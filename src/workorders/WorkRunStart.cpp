#include "workorders/WorkRunStart.h"

#include <QDate>

#include "foundation/Session.h"

namespace mes {

namespace {
// The server's number for a date; "" when the read failed (already reported).
QString nextNumber(const QString& sql) { return gfDB_VALUE(sql, QString()).toString(); }
}  // namespace

KeyedWrite::Outcome gfSTART_WORK_RUN(RunValues* run, const QString& location, int attempts) {
    const QDate date = QDate::fromString(run->jisiDate, QStringLiteral("yyyy-MM-dd"));
    return KeyedWrite::run(
        [run, date](QStringList* statements) {
            run->opSeq = nextNumber(gfOP_SEQ_SQL(date));
            if (run->opSeq.isEmpty()) return false;
            run->opSeqSub = gfOP_SEQ_SUB(run->opSeq);
            statements->clear();
            lsInsertRun(*run, QStringLiteral("2"), statements);
            return true;
        },
        location, 1, attempts);
}

bool gfREGISTER_WORK_ORDER(const OrderValues& order, const QString& location, QString* prodNo,
                           int attempts) {
    const QDate date = QDate::fromString(order.jisiDate, QStringLiteral("yyyy-MM-dd"));
    return KeyedWrite::run(
               [&order, prodNo, date](QStringList* statements) {
                   *prodNo = nextNumber(gfPROD_NO_SQL(date));
                   if (prodNo->isEmpty()) return false;
                   statements->clear();
                   lsInsertOrder(*prodNo, order, statements);
                   return true;
               },
               location, 1, attempts) == KeyedWrite::Outcome::Written;
}

}  // namespace mes
