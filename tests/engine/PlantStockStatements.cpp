#include "PlantStatements.h"
#include "PlantStatementsText.h"

namespace plant {

using text::q;
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

QStringList lotLines(const QString& product, const QString& today, const QString& lotLine) {
    return {
        lotLine,
        QStringLiteral("                    IsNull(Sum(S_PS.ipgo_su), 0) - "
                       "IsNull(Sum(S_PS.culgo_su), 0) as [재고],"),
        QStringLiteral("                    MIN(S_PS.reg_date) As reg_date,"),
        QStringLiteral("                    MIN(S_PS.idx) As idx,"),
        QStringLiteral("                    CASE WHEN S_PS.lot_no LIKE '%선진행재고%' THEN '1'"),
        QStringLiteral("                    ELSE '2' END AS gubun"),
        QStringLiteral("            From S_PRODUCT_STORE S_PS"),
        QStringLiteral("            WHERE S_PS.product_code = '") + product + u'\'',
        QStringLiteral("            AND S_PS.reg_date <= '") + today + u'\'',
        QStringLiteral("            GROUP BY S_PS.lot_no"),
        QStringLiteral(
            "            Having IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) > 0")};
}

}  // namespace

QString firstLot(const QString& product, const QString& today) {
    QStringList l{QStringLiteral("SELECT  TOP 1 AA.lot_no,"), QStringLiteral("        AA.재고"),
                  QStringLiteral("FROM (")};
    l << lotLines(product, today,
                  QStringLiteral("            SELECT  ISNULL(S_PS.lot_no,0) as lot_no ,"));
    l << QStringLiteral(") AA") << QStringLiteral("ORDER BY AA.gubun,AA.lot_no");
    return lines(l);
}

QString nextLots(const QString& product, const QString& today) {
    QStringList l = lotLines(product, today, QStringLiteral("            SELECT  S_PS.lot_no,"));
    l << QStringLiteral("            ORDER BY gubun, S_PS.lot_no");
    return lines(l);
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

QString endOrder(const QString& good, const QString& bad, const QString& flag, const QString& seq) {
    return lines({QStringLiteral("UPDATE P_SM "), QStringLiteral("SET"),
                  QStringLiteral("    order_Qty =  ") + good + u',',
                  QStringLiteral("    Qty = ") + good + u',',
                  QStringLiteral("    Bad_Qty = ") + bad + u',',
                  QStringLiteral("    end_yn = '") + flag + u'\'',
                  QStringLiteral("FROM B_JAKUPJISI_MASTER P_SM"),
                  QStringLiteral("Where P_SM.Seq = '") + seq + u'\''});
}

QString endRun(const QStringList& v, const QString& opSeqSub) {
    QStringList l{QStringLiteral("UPDATE P_SM"), QStringLiteral("SET"),
                  QStringLiteral("    Qty=") + v[0] + u',',
                  QStringLiteral("    Bad_Qty=") + v[1] + u','};
    static const char* const quotedColumns[] = {
        "    Unit_code ='", "    EDATE='",     "    ETIME='",        "    SDATE='",
        "    STIME='",      "    MIN='",       "    EMPLOYEE_SU ='", "    employee_no ='",
        "    Last_date='",  "    Last_time='", "    User_id='"};
    for (int i = 0; i < 11; ++i)
        l << QLatin1String(quotedColumns[i]) + v[i + 2] +
                 (i == 10 ? QStringLiteral("'") : QStringLiteral("',"));
    l << QStringLiteral("FROM P_SANGSAN_MASTER P_SM") << QStringLiteral("WHERE")
      << QStringLiteral("    P_SM.Op_seq_sub='") + opSeqSub + u'\'';
    return lines(l);
}

QString insertStop(const QStringList& v) {
    QStringList l{QStringLiteral("  INSERT INTO P_BIGADONG"), QStringLiteral("  (")};
    static const char* const columns[] = {
        "Prod_No",       "Seq",       "Op_seq",    "Op_seq_sub", "EquipMent_Code",
        "Bigadong_Code", "Biga_Date", "Sdate",     "Stime",      "Employee_su",
        "Bigo",          "Last_Date", "Last_Time", "User_Id"};
    for (int i = 0; i < 14; ++i)
        l << QStringLiteral("    ") + QLatin1String(columns[i]) +
                 (i == 13 ? QString() : QStringLiteral(","));
    l << QStringLiteral("  )") << QStringLiteral("Values") << QStringLiteral("(");
    l << valueLines(v, QString(), QStringLiteral(")"));
    return lines(l);
}

QString setRealTime(const QString& flag, const QString& equipment) {
    return lines({QStringLiteral("UPDATE REAL_TIME"),
                  QStringLiteral("SET bigadong = '") + flag + QStringLiteral("',"),
                  QStringLiteral("    work_time = getdate()"),
                  QStringLiteral("WHERE equipment_code = '") + equipment + u'\''});
}

QString closeStops(const QString& today, const QString& now, const QString& equipment,
                   const QString& opSeqSub) {
    return lines({QStringLiteral("UPDATE P_BIGADONG"),
                  QStringLiteral("SET edate = '") + today + u'\'',
                  QStringLiteral("    ,etime = '") + now + u'\'',
                  QStringLiteral("    ,min = datediff(minute,SDATE + ' ' + Stime , getdate())"),
                  QStringLiteral("From P_BIGADONG"),
                  QStringLiteral("WHERE equipment_code = '") + equipment + u'\'',
                  QStringLiteral("AND OP_SEQ_SUB = '") + opSeqSub + u'\'',
                  QStringLiteral("AND Etime IS NULL")});
}

}  // namespace plant
