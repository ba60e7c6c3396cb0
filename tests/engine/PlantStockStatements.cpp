#include "PlantStatements.h"
#include "PlantStatementsText.h"

#include "production/EndRunSql.h"
#include "production/LotSql.h"
#include "production/StockSql.h"
#include "production/StopSql.h"

namespace plant {

using text::typed;

QString firstLot(const QString& product, const QString& today) {
    return mes::gfLOT_FIRST_SQL(typed(product), typed(today));
}

QString nextLots(const QString& product, const QString& today) {
    return mes::gfLOT_NEXT_SQL(typed(product), typed(today));
}

namespace {

QStringList typedAll(const QStringList& values) {
    QStringList out;
    for (const QString& v : values) out << typed(v);
    return out;
}

}  // namespace

QString setRunLot(const QString& lot, const QString& opSeqSub) {
    return mes::gfRUN_LOT_SET_SQL(typed(lot), typed(opSeqSub));
}

// The one-space form: every booking but the components' consumption.
QString shiftLaterBalances(const QString& table, const QString& product, const QString& date,
                           const QString& sign, const QString& qty) {
    return mes::gfLATER_BALANCES_SQL(table, sign, qty, typed(product), typed(date),
                                     QStringLiteral(" "));
}

QString insertStoreIn(const QString& table, const QString& key, const QString& product,
                      const QString& qty, const QString& type, const QString& lot,
                      const QString& date, const QString& user) {
    return mes::gfSTOCK_MOVEMENT_SQL({table, mes::StockBalance::Added, typed(key), typed(product),
                                      qty, typed(type), typed(lot), typed(date), typed(user)});
}

QString insertStoreOut(const QString& key, const QString& product, const QString& qty,
                       const QString& type, const QString& lot, const QString& date,
                       const QString& user, bool positiveFallback) {
    const auto balance = positiveFallback ? mes::StockBalance::Issued : mes::StockBalance::Consumed;
    return mes::gfSTOCK_MOVEMENT_SQL({QStringLiteral("S_PRODUCT_STORE"), balance, typed(key),
                                      typed(product), qty, typed(type), typed(lot), typed(date),
                                      typed(user)});
}

QString insertLotHistory(const QStringList& v) { return mes::gfLOT_HISTORY_SQL(typedAll(v)); }

QString insertReceipt(const QStringList& v) { return mes::gfGOODS_RECEIPT_SQL(typedAll(v)); }

namespace {

// The end of a run sends the order update, then the run update.
QStringList endUpdates(const mes::EndUpdate& e) {
    QStringList list;
    mes::lsEndUpdate(list, e);
    return list;
}

}  // namespace

QString endOrder(const QString& good, const QString& bad, const QString& flag, const QString& seq) {
    mes::EndUpdate e;
    e.good = good.toInt();
    e.bad = bad.toInt();
    e.finishFlag = typed(flag);
    e.orderNo = typed(seq);
    return endUpdates(e).at(0);
}

QString endRun(const QStringList& v, const QString& opSeqSub) {
    mes::EndUpdate e;
    e.good = v[0].toInt();
    e.bad = v[1].toInt();
    e.unit = typed(v[2]);
    e.endDate = typed(v[3]);
    e.endTime = typed(v[4]);
    e.startDate = typed(v[5]);
    e.startTime = typed(v[6]);
    e.minutes = v[7].toInt();
    e.workers = v[8].toShort();
    e.employeeNo = typed(v[9]);
    e.lastDate = typed(v[10]);
    e.lastTime = typed(v[11]);
    e.user = typed(v[12]);
    e.runKey = typed(opSeqSub);
    return endUpdates(e).at(1);
}

// The stop leaves order, cause, workers and remark empty, cuts Op_seq from the
// run key and writes the start date as the last date: only v[3], v[4], v[6..8],
// v[12] and v[13] are taken.
QString insertStop(const QStringList& v) {
    mes::StopStart s;
    s.opSeqSub = typed(v[3]);
    s.equipment = typed(v[4]);
    s.orderDate = typed(v[6]);
    s.date = typed(v[7]);
    s.hhmm = typed(v[8]);
    s.hhmmss = typed(v[12]);
    s.userId = typed(v[13]);
    return mes::gfSTOP_INSERT_SQL(s);
}

QString setRealTime(const QString& flag, const QString& equipment) {
    return mes::gfREAL_TIME_SQL(typed(flag), typed(equipment));
}

QString closeStops(const QString& today, const QString& now, const QString& equipment,
                   const QString& opSeqSub) {
    return mes::gfSTOP_CLOSE_SQL(typed(today), typed(now), typed(equipment), typed(opSeqSub));
}

}  // namespace plant
