#include "production/DayReportSql.h"

#include "foundation/Session.h"

namespace mes {

QString gfSQL_LINES(const QStringList& lines) {
    QString out;
    for (const QString& line : lines) out += u'\n' + line;
    return out;
}

QString gfDAYREPORT_RUN_SQL(const QString& equipment, const QString& opSeqSub) {
    return gfSQL_LINES({
        QStringLiteral("SELECT"),
        QStringLiteral("    Top 1"),
        QStringLiteral("    B_JAK.seq as [작업지시번호],"),
        QStringLiteral("    B_JAK.jisi_date as [지시일자],"),
        QStringLiteral("    P_SAN.op_seq_sub as [생산실적번호],"),
        QStringLiteral("    case when B_JAK.juya_gubun = '1' or B_JAK.juya_gubun is null then "
                       "'주간' when B_JAK.juya_gubun = '0' then '야간' end as [주야구분],"),
        QStringLiteral("    B_JAK.Customer_Code as [수주처코드],"),
        QStringLiteral("    B_CU.Customer_Name as [수주처],"),
        QStringLiteral("    B_PR.process_code as [공정코드],"),
        QStringLiteral("    B_PR.process_name as [공정명],"),
        QStringLiteral("    P_SAN.equipment_code as [설비코드],"),
        QStringLiteral("    B_JAK.PRODUCT_CODE as [품번코드],"),
        QStringLiteral("    B_PM.PUMBUN as [품번],"),
        QStringLiteral("    B_PM.EONO as [Rev.No],"),
        QStringLiteral("    B_PM.PRODUCT_NAME as [품명],"),
        QStringLiteral("    ISNULL(B_JAK.PRODUCT_NAME_Detail,'') as [품명상세],"),
        QStringLiteral("    B_PM.unit_code as [단위],"),
        QStringLiteral("    CASE WHEN B_JAK.ORDER_QTY - B_JAK.Qty >= 0 then B_JAK.ORDER_QTY - "
                       "B_JAK.Qty - B_JAK.bad_Qty else '0' end as [지시수량],"),
        QStringLiteral("    ISNULL(P_SAN.QTY,0) as [양품수량],"),
        QStringLiteral("    ISNULL(P_SAN.bad_qty,0) as [불량수량],"),
        QStringLiteral("    P_SAN.EMPLOYEE_Su as [작업인원],"),
        QStringLiteral("    ISNULL(B_EM.employee_name,'') as [작업자],"),
        QStringLiteral("    P_SAN.EMPLOYEE_No as [작업자사번],"),
        QStringLiteral("    P_SAN.sdate as [시작일자],"),
        QStringLiteral("    P_SAN.stime as [시작시간],"),
        QStringLiteral("    P_SAN.Edate as [종료일자],"),
        QStringLiteral("    P_SAN.Etime as [종료시간],"),
        QStringLiteral("    ISNULL(B_EMP1.employee_Name,'') as [작업자1],"),
        QStringLiteral("    '' as [작업자2],"),
        QStringLiteral("    '' as [작업자3],"),
        QStringLiteral("    B_PM.type as [제품구분],"),
        QStringLiteral("    B_PM.product_type_code as [제품유형코드],"),
        QStringLiteral("    P_SAN.employee_no as [작업자사번]"),
        QStringLiteral("FROM B_JAKUPJISI_MASTER B_JAK"),
        QStringLiteral("JOIN P_SangSan_Master P_SAN ON B_JAK.seq = P_SAN.Seq"),
        QStringLiteral("LEFT JOIN B_PRODUCT_MASTER B_PM ON B_JAK.PRODUCT_CODE = B_PM.PRODUCT_CODE"),
        QStringLiteral("LEFT JOIN B_CUSTOMER B_CU ON B_JAK.Customer_Code = B_CU.Customer_Code"),
        QStringLiteral("LEFT JOIN B_EMPLOYEE B_EM ON P_SAN.EMPLOYEE_NO = B_EM.EMPLOYEE_NO"),
        QStringLiteral("LEFT JOIN B_PROCESS B_PR ON B_JAK.process_code = B_PR.process_code"),
        QStringLiteral("LEFT JOIN b_equipment b_eq ON b_jak.equipment_code = b_eq.equipment_code"),
        QStringLiteral("LEFT JOIN B_EMPLOYEE B_EMP1 ON P_SAN.employee_no = B_EMP1.employee_no"),
        QStringLiteral("WHERE 1=1"),
        QStringLiteral("AND B_JAK.END_YN = '2'"),
        QStringLiteral("AND P_SAN.equipment_code = '") + gfSQ(equipment) + u'\'',
        QStringLiteral("AND P_SAN.op_seq_sub = '") + gfSQ(opSeqSub) + u'\'',
        QStringLiteral("Order by P_SAN.idx desc"),
    });
}

QString gfDAYREPORT_BOM_SQL(const QString& productCode, const QString& opSeqSub) {
    const QStringList head{QStringLiteral("SELECT distinct B_PM.product_code"),
                           QStringLiteral("        ,B_C.car_name"),
                           QStringLiteral("        ,B_PM.type"),
                           QStringLiteral("        ,B_PM.pumbun"),
                           QStringLiteral("        ,B_PM.eono"),
                           QStringLiteral("        ,B_PM.product_name"),
                           QStringLiteral("        ,B_BOM2.usage")};
    const QStringList from{
        QStringLiteral("FROM B_BOM B_BOM"),
        QStringLiteral("JOIN B_BOM B_BOM2 ON B_BOM.bom_code = B_BOM2.high_bom_code"),
        QStringLiteral("JOIN B_PRODUCT_MASTER B_PM On B_BOM2.product_code = B_PM.product_code"),
        QStringLiteral("LEFT Join B_CAR B_C On B_PM.car_code = B_C.car_code")};
    const QString where =
        QStringLiteral("WHERE B_BOM.product_code = '") + gfSQ(productCode) + u'\'';
    QStringList l{QStringLiteral("IF OBJECT_ID(N'TEMPDB..##TEMP_REAL_LOT', N'U') IS NULL"),
                  QStringLiteral("BEGIN")};
    l << head << QStringLiteral("        ,'0' AS [LOT NO]")
      << QStringLiteral("        ,'0' AS [LOT 재고]")
      << QStringLiteral("        ,'0' AS [투입수량]")
      << QStringLiteral("        ,B_PM.unit_code AS [단위]") << from << where
      << QStringLiteral("END") << QStringLiteral("ELSE") << QStringLiteral("BEGIN") << head
      << QStringLiteral("        ,TRT.lot_no AS [LOT NO]")
      << QStringLiteral("        ,ISNULL(TRT.lot_su,'0')  AS [LOT 재고]")
      << QStringLiteral("        ,'' AS [투입수량]")
      << QStringLiteral("        ,B_PM.unit_code AS [단위]") << from
      << QStringLiteral(
             "LEFT JOIN ##TEMP_REAL_LOT TRT On B_PM.product_code = TRT.product_code AND "
             "TRT.op_seq_sub = '") +
             gfSQ(opSeqSub) + u'\''
      << where << QStringLiteral("END");
    return gfSQL_LINES(l);
}

QString gfDAYREPORT_TOTALS_SQL(const QString& seq) {
    return gfSQL_LINES(
        {QStringLiteral("SELECT sum(isnull(qty,0)) as qty, sum(isnull(bad_qty,0)) as bad_qty"),
         QStringLiteral("FROM P_sangsan_master P_SM"),
         QStringLiteral("WHERE seq = '") + gfSQ(seq) + u'\''});
}

QString gfDAYREPORT_OPEN_STOPS_SQL(const QString& equipment, const QString& opSeqSub) {
    return gfSQL_LINES({QStringLiteral("SELECT count(*) AS cnt"), QStringLiteral("FROM P_BIGADONG"),
                        QStringLiteral("WHERE op_seq_sub = '") + gfSQ(opSeqSub) + u'\'',
                        QStringLiteral("AND equipment_code = '") + gfSQ(equipment) + u'\'',
                        QStringLiteral("AND Etime IS NULL"),
                        QStringLiteral("AND ISNULL(Bigadong_Code,'') = ''")});
}

}  // namespace mes
