#include "PlantStatements.h"
#include "PlantStatementsText.h"

#include "production/EndRunSql.h"
#include "production/LotSql.h"
#include "production/StopSql.h"

namespace plant {

using text::q;
using text::typed;
using text::valueLines;

namespace {

QStringList balancePattern(const QString& store, const QString& date, const QString& product) {
    return {QStringLiteral("From (  Select PRODUCT_CODE,"),
            QStringLiteral("   Max(reg_date) As reg_date"),
            QStringLiteral(" From ") + store,
            QStringLiteral("  Where reg_date <='") + date + u'\'',
            QStringLiteral(" Group by PRODUCT_CODE) A"),
            QStringLiteral(" Join ( Select PRODUCT_CODE,reg_date,"),
            QStringLiteral("  Max(idx) As idx"),
            QStringLiteral("  From ") + store,
            QStringLiteral("  Where reg_date <= '") + date + u'\'',
            QStringLiteral("  Group by PRODUCT_CODE,reg_date) B On A.PRODUCT_CODE = B.PRODUCT_CODE "
                           "And A.reg_date = B.reg_date"),
            QStringLiteral("Join ") + store + QStringLiteral(" C On B.idx = C.idx"),
            QStringLiteral("RIGHT jOIN B_PRODUCT_MASTER AA  ON A.PRODUCT_CODE = AA.PRODUCT_CODE"),
            QStringLiteral(" WHERE AA.PRODUCT_CODE = '") + product + u'\''};
}

const QString kServerDate = QStringLiteral("substring(convert(varchar, getdate(), 121),1,10)");
const QString kServerTime = QStringLiteral("replace(convert(varchar, getdate(), 108),':','')");

}  // namespace

QString firstLot(const QString& product, const QString& today) {
    return mes::gfLOT_FIRST_SQL(typed(product), typed(today));
}

QString nextLots(const QString& product, const QString& today) {
    return mes::gfLOT_NEXT_SQL(typed(product), typed(today));
}

QString setRunLot(const QString& lot, const QString& opSeqSub) {
    return lines({QStringLiteral("UPDATE P_SM"), QStringLiteral("SET"),
                  QStringLiteral("    lot_no ='") + lot + u'\'',
                  QStringLiteral("FROM P_SANGSAN_MASTER P_SM"), QStringLiteral("WHERE"),
                  QStringLiteral("    P_SM.Op_seq_sub='") + opSeqSub + u'\''});
}

QString shiftLaterBalances(const QString& table, const QString& product, const QString& date,
                           const QString& sign, const QString& qty) {
    return lines({QStringLiteral(" Update ") + table,
                  QStringLiteral(" Set Jego_Su = Jego_Su ") + sign + u' ' + qty,
                  QStringLiteral(" WHERE product_code = '") + product +
                      QStringLiteral("' And reg_date > '") + date + u'\''});
}

QString insertStoreIn(const QString& table, const QString& key, const QString& product,
                      const QString& qty, const QString& type, const QString& lot,
                      const QString& date, const QString& user) {
    QStringList l{QStringLiteral("  INSERT INTO  ") + table,
                  QStringLiteral("  (IPGO_NO, IPGO_NO_SUB, PRODUCT_CODE, IPGO_SU, CULGO_TYPE, "
                                 "lot_no, JEGO_SU, REG_DATE, last_date, last_time, user_id)"),
                  QStringLiteral("SELECT"),
                  QStringLiteral("  '") + key.left(11) + QStringLiteral("', '") + key +
                      QStringLiteral("', '") + product + QStringLiteral("', ") + qty +
                      QStringLiteral(", '") + type + QStringLiteral("', '") + lot +
                      QStringLiteral("',"),
                  QStringLiteral("  isnull(C.jego_su +") + qty + QStringLiteral(", ") + qty +
                      QStringLiteral("),"),
                  QStringLiteral("  '") + date + QStringLiteral("', ") + kServerDate +
                      QStringLiteral(", ") + kServerTime + QStringLiteral(", '") + user + u'\''};
    l << balancePattern(table, date, product);
    return lines(l);
}

QString insertStoreOut(const QString& key, const QString& product, const QString& qty,
                       const QString& type, const QString& lot, const QString& date,
                       const QString& user, bool positiveFallback) {
    const QString store = QStringLiteral("S_PRODUCT_STORE");
    const QString balance = positiveFallback
                                ? QStringLiteral("  isnull(C.jego_su -") + qty +
                                      QStringLiteral(", ") + qty + QStringLiteral("),")
                                : QStringLiteral("  isnull(C.jego_su-") + qty +
                                      QStringLiteral(", - ") + qty + QStringLiteral("),");
    QStringList l{QStringLiteral("  INSERT INTO  ") + store,
                  QStringLiteral("  (CULGO_NO, CULGO_NO_SUB, PRODUCT_CODE, CULGO_SU, CULGO_TYPE, "
                                 "lot_no, JEGO_SU, REG_DATE, last_date, last_time, user_id)"),
                  QStringLiteral("SELECT"),
                  QStringLiteral("  '") + key.left(11) + QStringLiteral("', '") + key +
                      QStringLiteral("', '") + product + QStringLiteral("', ") + qty +
                      QStringLiteral(", '") + type + QStringLiteral("', '") + lot +
                      QStringLiteral("',"),
                  balance,
                  QStringLiteral("  '") + date + QStringLiteral("', ") + kServerDate +
                      QStringLiteral(", ") + kServerTime + QStringLiteral(", '") + user + u'\''};
    l << balancePattern(store, date, product);
    return lines(l);
}

QString insertLotHistory(const QStringList& v) {
    QStringList l{
        QStringLiteral("INSERT INTO S_LOT_HISTORY"),
        QStringLiteral("(ipgo_no_sub, ipgo_product_code, culgo_no_sub, culgo_product_code, lot_no, "
                       "culgo_lot_no, process_code, equipment_code, reg_date)"),
        QStringLiteral("VALUES"), QStringLiteral("(")};
    l << valueLines(v, QStringLiteral("    "), QStringLiteral(")"));
    return lines(l);
}

QString insertReceipt(const QStringList& v) {
    QStringList l{
        QStringLiteral("Insert into P_PRODUCT_IPGO"),
        QStringLiteral("(ipgo_no, ipgo_no_sub, ipgo_date, product_code, lot_no, operation_no_sub, "
                       "ipgo_su, palette_su, ipgo_price, ipgo_price_sum, bigo, employee_no, "
                       "last_date, last_time, user_id)"),
        QStringLiteral("Values"), QStringLiteral("(")};
    l << valueLines(v, QStringLiteral("    "), QStringLiteral(")"));
    return lines(l);
}

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
