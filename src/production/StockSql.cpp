#include "production/StockSql.h"

#include <cmath>

#include "foundation/Session.h"
#include "production/DayReportSql.h"

namespace mes {

namespace {

const QString kServerDate = QStringLiteral("substring(convert(varchar, getdate(), 121),1,10)");
const QString kServerTime = QStringLiteral("replace(convert(varchar, getdate(), 108),':','')");

QString q(const QString& v) { return u'\'' + gfSQ(v) + u'\''; }

// C: the product's movement with the highest idx on its latest date up to date;
// the right join gives one row also before its first movement.
QStringList balancePattern(const QString& store, const QString& date, const QString& product) {
    return {QStringLiteral("From (  Select PRODUCT_CODE,"),
            QStringLiteral("   Max(reg_date) As reg_date"),
            QStringLiteral(" From ") + store,
            QStringLiteral("  Where reg_date <='") + gfSQ(date) + u'\'',
            QStringLiteral(" Group by PRODUCT_CODE) A"),
            QStringLiteral(" Join ( Select PRODUCT_CODE,reg_date,"),
            QStringLiteral("  Max(idx) As idx"),
            QStringLiteral("  From ") + store,
            QStringLiteral("  Where reg_date <= '") + gfSQ(date) + u'\'',
            QStringLiteral("  Group by PRODUCT_CODE,reg_date) B On A.PRODUCT_CODE = B.PRODUCT_CODE "
                           "And A.reg_date = B.reg_date"),
            QStringLiteral("Join ") + store + QStringLiteral(" C On B.idx = C.idx"),
            QStringLiteral("RIGHT jOIN B_PRODUCT_MASTER AA  ON A.PRODUCT_CODE = AA.PRODUCT_CODE"),
            QStringLiteral(" WHERE AA.PRODUCT_CODE = '") + gfSQ(product) + u'\''};
}

const QString kInColumns = QStringLiteral(
    "  (IPGO_NO, IPGO_NO_SUB, PRODUCT_CODE, IPGO_SU, CULGO_TYPE, lot_no, JEGO_SU, REG_DATE, "
    "last_date, last_time, user_id)");
const QString kOutColumns = QStringLiteral(
    "  (CULGO_NO, CULGO_NO_SUB, PRODUCT_CODE, CULGO_SU, CULGO_TYPE, lot_no, JEGO_SU, REG_DATE, "
    "last_date, last_time, user_id)");

QString valuesInsert(const QStringList& head, const QStringList& values) {
    QStringList l = head;
    for (int i = 0; i < values.size(); ++i)
        l << QStringLiteral("    ") + q(values[i]) +
                 (i + 1 == values.size() ? QStringLiteral(")") : QStringLiteral(","));
    return gfSQL_LINES(l);
}

// A consumed quantity: down to a whole number, then positive.
QString consumed(const QString& qty) {
    const double v = std::floor(qty.trimmed().toDouble());
    return QString::number(static_cast<qint64>(std::fabs(v)));
}

}  // namespace

QString gfPRODUCED_LOT(const QString& orderNo, const QString& wcCode) {
    return orderNo.left(8).right(6) + u'/' + (wcCode.isEmpty() ? QStringLiteral("Empty") : wcCode);
}

QString gfRUN_LOT_SET_SQL(const QString& lot, const QString& runKey) {
    return gfSQL_LINES({QStringLiteral("UPDATE P_SM"), QStringLiteral("SET"),
                        QStringLiteral("    lot_no ='") + gfSQ(lot) + u'\'',
                        QStringLiteral("FROM P_SANGSAN_MASTER P_SM"), QStringLiteral("WHERE"),
                        QStringLiteral("    P_SM.Op_seq_sub='") + gfSQ(runKey) + u'\''});
}

QString gfLATER_BALANCES_SQL(const QString& store, const QString& sign, const QString& qty,
                             const QString& product, const QString& date, const QString& gap) {
    return gfSQL_LINES({QStringLiteral(" Update ") + store,
                        QStringLiteral(" Set Jego_Su = Jego_Su ") + sign + u' ' + qty,
                        QStringLiteral(" WHERE product_code = '") + gfSQ(product) + u'\'' + gap +
                            QStringLiteral("And reg_date > '") + gfSQ(date) + u'\''});
}

QString gfSTOCK_MOVEMENT_SQL(const StockMovement& m) {
    const bool in = m.balance == StockBalance::Added;
    // A negative change (counts corrected downward) right after the minus would
    // make "--", which starts a comment and breaks the statement.
    const QString operand =
        m.qty.startsWith(u'-') ? QStringLiteral("(") + m.qty + QStringLiteral(")") : m.qty;
    QString balance;
    switch (m.balance) {
        case StockBalance::Added:
            balance = QStringLiteral("isnull(C.jego_su +") + operand + QStringLiteral(", ") + m.qty;
            break;
        case StockBalance::Consumed:
            balance =
                QStringLiteral("isnull(C.jego_su-") + operand + QStringLiteral(", - ") + m.qty;
            break;
        case StockBalance::Issued:
            balance = QStringLiteral("isnull(C.jego_su -") + operand + QStringLiteral(", ") + m.qty;
            break;
    }
    QStringList l{QStringLiteral("  INSERT INTO  ") + m.store,
                  in ? kInColumns : kOutColumns,
                  QStringLiteral("SELECT"),
                  QStringLiteral("  ") + q(m.runKey.left(11)) + QStringLiteral(", ") + q(m.runKey) +
                      QStringLiteral(", ") + q(m.product) + QStringLiteral(", ") + m.qty +
                      QStringLiteral(", ") + q(m.type) + QStringLiteral(", ") + q(m.lot) + u',',
                  QStringLiteral("  ") + balance + QStringLiteral("),"),
                  QStringLiteral("  ") + q(m.date) + QStringLiteral(", ") + kServerDate +
                      QStringLiteral(", ") + kServerTime + QStringLiteral(", ") + q(m.user)};
    l << balancePattern(m.store, m.date, m.product);
    return gfSQL_LINES(l);
}

QString gfLOT_HISTORY_SQL(const QStringList& values) {
    return valuesInsert(
        {QStringLiteral("INSERT INTO S_LOT_HISTORY"),
         QStringLiteral("(ipgo_no_sub, ipgo_product_code, culgo_no_sub, culgo_product_code, "
                        "lot_no, culgo_lot_no, process_code, equipment_code, reg_date)"),
         QStringLiteral("VALUES"), QStringLiteral("(")},
        values);
}

QString gfGOODS_RECEIPT_SQL(const QStringList& values) {
    return valuesInsert(
        {QStringLiteral("Insert into P_PRODUCT_IPGO"),
         QStringLiteral("(ipgo_no, ipgo_no_sub, ipgo_date, product_code, lot_no, "
                        "operation_no_sub, ipgo_su, palette_su, ipgo_price, ipgo_price_sum, bigo, "
                        "employee_no, last_date, last_time, user_id)"),
         QStringLiteral("Values"), QStringLiteral("(")},
        values);
}

void lsStockSave(QStringList& list, const StockSave& s, const QList<LotRow>& rows) {
    const QString lot = gfPRODUCED_LOT(s.orderNo, s.wcCode);
    const QString process = s.wcCode.isEmpty() ? QStringLiteral("Empty") : s.wcCode;
    const QString good = QString::number(s.goodChange);
    const QString wip = QStringLiteral("S_PRODUCT_STORE");
    auto movement = [&](const QString& store, StockBalance balance, const QString& product,
                        const QString& qty, const QString& type, const QString& movedLot) {
        return gfSTOCK_MOVEMENT_SQL(
            {store, balance, s.runKey, product, qty, type, movedLot, s.date, s.user});
    };
    list << gfRUN_LOT_SET_SQL(lot, s.runKey);
    list << gfLATER_BALANCES_SQL(wip, QStringLiteral("+"), good, s.productCode, s.date,
                                 QStringLiteral(" "));
    list << movement(wip, StockBalance::Added, s.productCode, good, QStringLiteral("재공품추가"),
                     lot);
    for (const LotRow& row : rows) {
        const QString qty = consumed(row.qty);
        list << gfLATER_BALANCES_SQL(wip, QStringLiteral("-"), qty, row.product, s.date,
                                     QStringLiteral("  "));
        list << movement(wip, StockBalance::Consumed, row.product, qty,
                         QStringLiteral("재공품소모"), row.lot);
        list << gfLOT_HISTORY_SQL({s.runKey, s.productCode, QString(), row.product, lot, row.lot,
                                   process, s.equipment, s.date});
    }
    if (s.kind != QStringLiteral("완제품")) return;
    list << gfLATER_BALANCES_SQL(wip, QStringLiteral("-"), good, s.productCode, s.date,
                                 QStringLiteral(" "));
    list << movement(wip, StockBalance::Issued, s.productCode, good, QStringLiteral("제품투입"),
                     lot);
    list << gfGOODS_RECEIPT_SQL({s.runKey.left(11), s.runKey, s.date, s.productCode, lot, s.runKey,
                                 good, QStringLiteral("0"), QStringLiteral("0"),
                                 QStringLiteral("0"), QString(), s.user, s.date, s.lastTime,
                                 s.user});
    const QString goods = QStringLiteral("P_PRODUCT_STORE");
    list << gfLATER_BALANCES_SQL(goods, QStringLiteral("+"), good, s.productCode, s.date,
                                 QStringLiteral(" "));
    list << movement(goods, StockBalance::Added, s.productCode, good, QStringLiteral("제품입고"),
                     lot);
}

}  // namespace mes
