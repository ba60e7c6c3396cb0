#include "PlantStatements.h"
#include "PlantStatementsText.h"

namespace plant {

using text::q;
using text::valueLines;

namespace {

QStringList stockTable(const QString& today) {
    return {
        QStringLiteral("left join   (Select S_PS.product_code As product_code,    --(입출고량"),
        QStringLiteral(
            "            cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2)) As ipgo_su,"),
        QStringLiteral(
            "            cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) As culgo_su,"),
        QStringLiteral("            lot_no                        As lot_no,"),
        QStringLiteral("            MAX(reg_date)  As reg_date"),
        QStringLiteral("        From S_PRODUCT_STORE S_PS"),
        QStringLiteral("        Where reg_date <= '") + today + u'\'',
        QStringLiteral(
            "        Group By S_PS.product_code, lot_no) A on A.product_code = B_MA.product_code")};
}

}  // namespace

QString defectCauses(const QString& opSeqSub, const QString& process, const QString& product) {
    return lines(
        {QStringLiteral("   Select"), QStringLiteral("    PBAD.idx as [IDX],"),
         QStringLiteral("    '") + opSeqSub + QStringLiteral("' as [생산실적순번],"),
         QStringLiteral("    '") + process + QStringLiteral("' As [공정코드],"),
         QStringLiteral("    '") + product + QStringLiteral("' As [제품코드],"),
         QStringLiteral("    BPRO.ProcessBad_code as [공정불량코드],"),
         QStringLiteral("    BPRO.PROCESSBAD_NAME As [공정불량명],"),
         QStringLiteral("    ISNULL(Bad_Qty,0) As[불량수량],"),
         QStringLiteral("    isnull(PBAD.bigo,'') as [비고]"),
         QStringLiteral("  From B_PROCESSBAD BPRO"),
         QStringLiteral("  LEFT JOIN P_BADQTY PBAD ON BPRO.ProcessBad_code = PBAD.ProcessBad_code "
                        "AND PBAD.op_seq_sub= '") +
             opSeqSub + u'\'',
         QStringLiteral("LEFT JOIN"),
         QStringLiteral("    B_PROCESSBAD1 B_PR1 ON BPRO.processbad_code = B_PR1.processbad_code"),
         QStringLiteral("where B_PR1.process_code = '") + process + u'\'',
         QStringLiteral("ORDER BY BPRO.processbad_name")});
}

QString insertDefect(const QStringList& v) {
    static const char* const columns[] = {
        "Prod_No",     "Seq",          "Op_seq",         "Op_seq_sub", "ProcessBad_code",
        "Bad_Qty",     "Process_Code", "EquipMent_Code", "Bigo",       "Product_code",
        "Employee_no", "Last_Date",    "Last_Time",      "User_Id"};
    QStringList l{QStringLiteral("INSERT INTO P_BADQTY"), QStringLiteral("(")};
    for (int i = 0; i < 14; ++i)
        l << QStringLiteral("    ") + QLatin1String(columns[i]) +
                 (i == 13 ? QString() : QStringLiteral(","));
    l << QStringLiteral(")") << QStringLiteral("Values") << QStringLiteral("(");
    for (int i = 0; i < 14; ++i) {
        // The quantity is written without quotes.
        const QString value = i == 5 ? v[i] : u'\'' + v[i] + u'\'';
        l << QStringLiteral("    ") + value + (i == 13 ? QString() : QStringLiteral(","));
    }
    l << QStringLiteral(")");
    return lines(l);
}

QString updateDefect(const QString& qty, const QString& bigo, const QString& employee,
                     const QString& date, const QString& time, const QString& opSeqSub,
                     const QString& cause) {
    return lines({QStringLiteral("    UPDATE  P_BADQTY"), QStringLiteral("    SET"),
                  QStringLiteral("        BAD_QTY = ") + qty + u',',
                  QStringLiteral("        BIGO = '") + bigo + QStringLiteral("',"),
                  QStringLiteral("        Employee_no = '") + employee + QStringLiteral("',"),
                  QStringLiteral("        User_id = '") + employee + QStringLiteral("',"),
                  QStringLiteral("        last_date = '") + date + QStringLiteral("',"),
                  QStringLiteral("        last_time = '") + time + u'\'',
                  QStringLiteral("    WHERE op_seq_sub = '") + opSeqSub + u'\'',
                  QStringLiteral("    and processbad_code = '") + cause + u'\''});
}

QString deleteDefect(const QString& opSeqSub, const QString& cause) {
    return lines({QStringLiteral("    DELETE  P_BADQTY"),
                  QStringLiteral("    WHERE op_seq_sub = '") + opSeqSub + u'\'',
                  QStringLiteral("    and processbad_code = '") + cause + u'\''});
}

QString setRunBad(const QString& total, const QString& opSeqSub) {
    return lines({QStringLiteral("UPDATE P_SM"), QStringLiteral("SET"),
                  QStringLiteral("    Bad_Qty = ") + total,
                  QStringLiteral("FROM P_SANGSAN_MASTER P_SM"), QStringLiteral("WHERE"),
                  QStringLiteral("    P_SM.Op_seq_sub='") + opSeqSub + u'\''});
}

QString downtimeCauses(const QString& opSeqSub, const QString& product) {
    return lines(
        {QStringLiteral("select p_bi.idx As [idx],"),
         QStringLiteral("   '") + opSeqSub + QStringLiteral("' as [생산실적순번],"),
         QStringLiteral("    '") + product + QStringLiteral("' As [제품코드],"),
         QStringLiteral("    b_bi1.bigadong_code As [비가동코드],"),
         QStringLiteral("    b_bi.bigadong_name As [비가동명],"),
         QStringLiteral("    ISNULL(p_bi.min,0) As[비가동시간]"),
         QStringLiteral("from B_BIGADONG b_bi1"),
         QStringLiteral("left join B_BIGADONG b_bi on b_bi.bigadong_code = b_bi1.bigadong_code"),
         QStringLiteral("left join P_BIGADONG p_bi on p_bi.Bigadong_Code = b_bi.bigadong_code AND "
                        "p_bi.op_seq_sub= '") +
             opSeqSub + u'\'',
         QStringLiteral("order by  b_bi1.bigadong_code")});
}

QString insertDowntime(const QStringList& v) {
    QStringList l{QStringLiteral("INSERT INTO P_BIGADONG"),
                  QStringLiteral("("),
                  QStringLiteral("    Prod_No,"),
                  QStringLiteral("    Seq,"),
                  QStringLiteral("    Op_seq,"),
                  QStringLiteral("    Op_seq_sub,"),
                  QStringLiteral("    bigadong_code,"),
                  QStringLiteral("    employee_su,"),
                  QStringLiteral("    Min,"),
                  QStringLiteral("    EquipMent_Code,"),
                  QStringLiteral("    Bigo,"),
                  QStringLiteral("    Biga_date,"),
                  QStringLiteral("    Last_Date,"),
                  QStringLiteral("    Last_Time,"),
                  QStringLiteral("    User_Id"),
                  QStringLiteral(")"),
                  QStringLiteral("Values"),
                  QStringLiteral("(")};
    l << valueLines(v, QStringLiteral("    "), QStringLiteral(")"));
    return lines(l);
}

QString updateDowntime(const QString& minutes, const QString& bigo, const QString& workers,
                       const QString& date, const QString& employee, const QString& time,
                       const QString& opSeqSub, const QString& cause) {
    return lines({QStringLiteral("    UPDATE  P_BIGADONG"), QStringLiteral("    SET"),
                  QStringLiteral("        min = ") + minutes + u',',
                  QStringLiteral("        BIGO = '") + bigo + QStringLiteral("',"),
                  QStringLiteral("        employee_su = '") + workers + QStringLiteral("',"),
                  QStringLiteral("        biga_date = '") + date + QStringLiteral("', "),
                  QStringLiteral("        User_id = '") + employee + QStringLiteral("',"),
                  QStringLiteral("        last_date = '") + date + QStringLiteral("',"),
                  QStringLiteral("        last_time = '") + time + u'\'',
                  QStringLiteral("    WHERE op_seq_sub = '") + opSeqSub + u'\'',
                  QStringLiteral("    and bigadong_code = '") + cause + u'\''});
}

QString deleteDowntime(const QString& opSeqSub, const QString& cause) {
    return lines({QStringLiteral("    DELETE  P_BIGADONG"),
                  QStringLiteral("    WHERE op_seq_sub = '") + opSeqSub + u'\'',
                  QStringLiteral("    and bigadong_code = '") + cause + u'\''});
}

QString lotList(const QString& material, const QString& today) {
    QStringList l{QStringLiteral("SELECT"),
                  QStringLiteral("     A.lot_no      AS [LOT NO],"),
                  QStringLiteral("     Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0) As [재고],"),
                  QStringLiteral("     B_MA.product_code as [제품코드],"),
                  QStringLiteral("     LEFT(A.lot_no,2) as [LOT구분1],"),
                  QStringLiteral("     ISNUMERIC(SUBSTRING(A.lot_no, 3, 1)) As [LOT구분2]"),
                  QStringLiteral("FROM B_PRODUCT_MASTER B_MA"),
                  QStringLiteral("LEFT Join B_CAR B_CAR ON B_CAR.car_code = B_MA.car_code")};
    l << stockTable(today);
    l << QStringLiteral(
             "left join M_MATERIAL_IPHA m_mi on m_mi.product_code = B_MA.product_code and "
             "m_mi.lot_no = a.lot_no        ")
      << QStringLiteral("Where 1 = 1 And use_yn = 1")
      << QStringLiteral("AND B_MA.product_code = '") + material + u'\''
      << QStringLiteral("AND A.reg_date <= '") + today +
             QStringLiteral("' AND A.lot_no IS NOT NULL")
      << QStringLiteral("AND (Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)) > 0")
      << QStringLiteral("Order By [LOT구분1],[LOT구분2]");
    return lines(l);
}

QString lotFirstRegistration(const QString& material, const QString& lot) {
    return lines({QStringLiteral("SELECT  MIN(reg_date) as [LOT생성날짜],"),
                  QStringLiteral("        MIN(IDX) As IDX"), QStringLiteral("From S_PRODUCT_STORE"),
                  QStringLiteral("where product_code = '") + material +
                      QStringLiteral("' and lot_no = '") + lot + u'\''});
}

QString olderLot(const QString& workDate, const QString& material, const QString& firstDate,
                 const QString& firstIdx) {
    return lines(
        {QStringLiteral("SELECT  TOP 1 lot_no As lot_no"),
         QStringLiteral("From S_PRODUCT_STORE S_PS"),
         QStringLiteral("Where reg_date <= '") + workDate +
             QStringLiteral("' and product_code = '") + material + u'\'',
         QStringLiteral("Group By S_PS.product_code, lot_no"),
         QStringLiteral("Having (cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2)) - "
                        "cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) = 0 And lot_no Is "
                        "Null) Or (cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2)) - "
                        "cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) > 0)"),
         QStringLiteral("AND MIN(reg_date) <= '") + firstDate +
             QStringLiteral("' and MIN(idx) < '") + firstIdx + u'\'',
         QStringLiteral("ORDER BY MIN(reg_date), MIN(idx)")});
}

QString scannedLot(const QString& material, const QString& lot, const QString& today) {
    QStringList l{QStringLiteral("        Select"),
                  QStringLiteral("    Isnull(a.ipgo_su,0)  as [입고수량]"),
                  QStringLiteral("FROM B_PRODUCT_MASTER B_MA")};
    l << stockTable(today);
    l << QStringLiteral("JOIN B_PRODUCT_MASTER B_PM ON B_PM.product_code = A.product_code")
      << QStringLiteral("LEFT JOIN B_ABC ON B_ABC.abc = B_PM.abc")
      << QStringLiteral("where A.product_code = '") + material + u'\''
      << QStringLiteral("  and A.lot_no = '") + lot + u'\''
      << QStringLiteral(
             "  and ((Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)  = 0 and  a.lot_no is  null ) or  "
             "Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)  <> 0 )")
      << QStringLiteral("order by a.lot_no");
    return lines(l);
}

}  // namespace plant
