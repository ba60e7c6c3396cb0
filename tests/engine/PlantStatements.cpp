#include "PlantStatements.h"
#include "PlantStatementsText.h"

namespace plant {

using text::q;
using text::valueLines;

QString lines(const QStringList& parts) {
    QString out;
    for (const QString& p : parts) out += u'\n' + p;
    return out;
}

QString clockQuery() {
    return lines({QStringLiteral("select convert(char(10),getdate(),120) As SDATE,"),
                  QStringLiteral("convert(char(8),getdate(),114) as STIME")});
}

QString customerButtons() {
    return lines({QStringLiteral("SELECT"),
                  QStringLiteral("    B_CU.customer_code as customer_code,"),
                  QStringLiteral("    B_CU.customer_name as customer_name"),
                  QStringLiteral("FROM B_CUSTOMER B_CU")});
}

QString orderList(const QString& weekAgo, const QString& serchSql) {
    return lines({
        QStringLiteral("select"),
        QStringLiteral("        B_JAK.PROD_NO as [작업지시번호],"),
        QStringLiteral("        B_JAK.SEQ as [지시번호],"),
        QStringLiteral("        B_JAK.JISI_DATE as [지시일자],"),
        QStringLiteral(
            "        case when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='1' then '주간' "),
        QStringLiteral(
            "             when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='0' then '야간' "),
        QStringLiteral("             when B_JAK.juya_gubun is  null then '주간' end  as [구분],"),
        QStringLiteral("        B_JAK.Customer_Code as [수주처코드],"),
        QStringLiteral("        B_CU.Customer_Name as [수주처],"),
        QStringLiteral("        B_PR.process_code As [공정코드],"),
        QStringLiteral("        B_PR.process_name As [공정명],"),
        QStringLiteral("        B_JAK.equipment_code as [설비코드],"),
        QStringLiteral("        B_E.equipment_name As [설비명],"),
        QStringLiteral("        B_JAK.PRODUCT_CODE as [품번코드],"),
        QStringLiteral("        B_PM.PUMBUN as [품번],"),
        QStringLiteral("        B_PM.EONO as [Rev.No],"),
        QStringLiteral("        B_PM.PRODUCT_NAME as [품명],"),
        QStringLiteral("        B_PM.Standard As [규격],"),
        QStringLiteral("        B_JAK.Customer_Name as [1차발주처],"),
        QStringLiteral("        B_JAK.Product_Name_Detail as [품명상세],"),
        QStringLiteral("        B_JAK.ORDER_QTY as [지시수량],"),
        QStringLiteral("        B_JAK.QTY + B_JAK.bad_QTY as [생산수량],"),
        QStringLiteral("        B_JAK.EMPLOYEE_Su as [작업인원],"),
        QStringLiteral("        B_JAK.EMPLOYEE_No AS [작업자코드], "),
        QStringLiteral("        ISNULL(B_EM.employee_name,B_EM2.employee_Name ) as [작업자],"),
        QStringLiteral("        case when B_JAK.END_YN = '3' then '완료' "),
        QStringLiteral("             when B_JAK.END_YN = '2' then '진행중'"),
        QStringLiteral("             when B_JAK.END_YN = '1' then '미완료' end  as [완료여부],"),
        QStringLiteral("        B_JAK.Chulha_yn AS [발행유무], "),
        QStringLiteral("        '' AS [저장], "),
        QStringLiteral("        '' AS [취소] "),
        QStringLiteral("from B_JAKUPJISI_MASTER B_JAK"),
        QStringLiteral("JOIN B_PRODUCT_MASTER B_PM On B_JAK.product_code = B_PM.product_code"),
        QStringLiteral("JOIN B_CUSTOMER B_CU On B_JAK.Customer_Code = B_CU.Customer_Code"),
        QStringLiteral("LEFT JOIN ("),
        QStringLiteral("    SELECT"),
        QStringLiteral("        Seq as seq,"),
        QStringLiteral("        MAX(employee_no) as employee_no,"),
        QStringLiteral("        MAX(employee_su) As employee_su"),
        QStringLiteral("    From P_SangSan_Master"),
        QStringLiteral("    GROUP BY seq"),
        QStringLiteral("    ) P_SM on P_SM.seq = B_JAK.seq"),
        QStringLiteral("left Join B_EMPLOYEE B_EM On B_EM.EMPLOYEE_NO = B_JAK.EMPLOYEE_NO"),
        QStringLiteral("left Join B_EMPLOYEE B_EM2 On B_EM2.EMPLOYEE_NO = P_SM.EMPLOYEE_NO"),
        QStringLiteral("left Join B_PALETTE B_PAL On B_JAK.palette_code = B_PAL.palette_code"),
        QStringLiteral("left Join B_PROCESS B_PR On B_JAK.process_code = B_PR.process_code"),
        QStringLiteral("Join B_EQUIPMENT B_E On B_E.equipment_code = B_JAK.equipment_code"),
        QStringLiteral("WHERE 1=1"),
        QStringLiteral("AND (B_JAK.end_yn in (1,2) or (B_JAK.end_yn = 3 AND B_JAK.jisi_date >= '") +
            weekAgo + QStringLiteral("'))"),
        QStringLiteral("and b_jak.order_qty >= '0'"),
        serchSql,
        QStringLiteral(" ORDER BY [지시일자] desc,[완료여부] , [작업지시번호],[지시번호]"),
    });
}

QString dateButtons(const QString& customer, const QString& weekAgo) {
    QStringList l{
        QStringLiteral("SELECT"), QStringLiteral("    B_JAK.jisi_date as jisi_date"),
        QStringLiteral("FROM B_JAKUPJISI_MASTER B_JAK"),
        QStringLiteral("JOIN B_EQUIPMENT B_EQ ON B_JAK.equipment_code = B_EQ.equipment_code"),
        QStringLiteral("WHERE 1=1")};
    if (!customer.isEmpty()) l << QStringLiteral("AND B_JAK.Customer_Code = '") + customer + u'\'';
    l << QStringLiteral(
             "AND (B_JAK.end_yn in (1,2) or (B_JAK.end_yn = 3 AND B_JAK.jisi_date >= '") +
             weekAgo + QStringLiteral("'))")
      << QStringLiteral("GROUP BY jisi_date") << QStringLiteral("ORDER BY jisi_date desc");
    return lines(l);
}

QString setIssued(const QString& seq, const QString& flag) {
    return lines({QStringLiteral("UPDATE B_JAKUPJISI_MASTER"),
                  QStringLiteral("SET Chulha_yn = '") + flag + u'\'',
                  QStringLiteral("WHERE SEQ = '") + seq + u'\''});
}

QString runKeyOfOrder(const QString& seq) {
    return lines({QStringLiteral("select op_seq_Sub from p_sangsan_master"),
                  QStringLiteral("where seq = '") + seq + u'\''});
}

QString deleteRuns(const QString& seq) {
    return lines({QStringLiteral("DELETE FROM P_SangSan_Master"),
                  QStringLiteral("WHERE SEQ = '") + seq + u'\''});
}

QString deleteOrder(const QString& seq) {
    return lines({QStringLiteral("DELETE  FROM B_JAKUPJISI_MASTER"),
                  QStringLiteral("WHERE SEQ = '") + seq + u'\''});
}

QString opSeqCounter(const QString& d) {
    return lines({QStringLiteral("SELECT "),
                  QStringLiteral("    CASE WHEN MAX(OP_SEQ) IS NULL THEN '") + d +
                      QStringLiteral("'+'001' ELSE  LEFT(max(OP_SEQ),8) + RIGHT('000' + "
                                     "CAST(RIGHT(MAX(OP_SEQ),3) + 1 AS VARCHAR(12)),3) END"),
                  QStringLiteral("From"), QStringLiteral("    P_SANGSAN_MASTER"),
                  QStringLiteral("WHERE"),
                  QStringLiteral("    OP_SEQ like '") + d + QStringLiteral("%'")});
}

QString insertRun(const QStringList& v) {
    static const char* const columns[] = {"Prod_no",      "Seq",           "Op_Seq",
                                          "Op_Seq_sub",   "Process_Code",  "Equipment_Code",
                                          "Product_Code", "Customer_Code", "JisiQty",
                                          "Qty",          "Bad_Qty",       "Sdate",
                                          "Edate",        "Stime",         "Etime",
                                          "Min",          "JISI_DATE",     "jakup_Date",
                                          "employee_Su",  "employee_No",   "Last_date",
                                          "Last_time"};
    QStringList l{QStringLiteral("Insert Into  P_SANGSAN_MASTER"), QStringLiteral("(")};
    for (const char* c : columns) l << QStringLiteral("    ") + QLatin1String(c) + u',';
    l << QStringLiteral("    User_id )") << QStringLiteral(" Values ");
    l << QStringLiteral("    ('") + v[0] + QStringLiteral("',");
    for (int i = 1; i + 1 < v.size(); ++i)
        l << QStringLiteral("    '") + v[i] + QStringLiteral("',");
    l << QStringLiteral("    '") + v.last() + QStringLiteral("')");
    return lines(l);
}

QString setOrderState(const QString& prodNo, const QString& seq, const QString& state) {
    return lines({QStringLiteral("UPDATE B_JAKUPJISI_MASTER "), QStringLiteral("SET"),
                  QStringLiteral("    end_yn = '") + state + u'\'',
                  QStringLiteral("Where Prod_no = '") + prodNo + u'\'',
                  QStringLiteral("And Seq = '") + seq + u'\''});
}

QString productsOfCustomer(const QString& customer) {
    return lines(
        {QStringLiteral("Select"), QStringLiteral("    B_PM.Customer_Code As [수주처코드],"),
         QStringLiteral("    B_CU.Customer_Name As [수주처],"),
         QStringLiteral("    B_PM.process_code As [공정코드],"),
         QStringLiteral("    B_PR.process_name As [공정명],"),
         QStringLiteral("    B_PM.equipment_code As [설비코드],"),
         QStringLiteral("    B_EQ.equipment_NAME As [설비명],"),
         QStringLiteral("    B_PM.product_code As [product_code],"),
         QStringLiteral("    B_PM.pumbun As [품번],"),
         QStringLiteral("    B_PM.product_name As [품명]"),
         QStringLiteral("From B_PRODUCT_MASTER B_PM"),
         QStringLiteral("LEFT join B_CUSTOMER B_CU On B_PM.Customer_Code = B_CU.Customer_Code "),
         QStringLiteral("join B_EQUIPMENT B_EQ ON B_PM.equipment_code = B_EQ.equipment_code"),
         QStringLiteral("join B_PROCESS B_PR ON B_PM.process_code = B_PR.process_code"),
         QStringLiteral("WHERE B_PM.Customer_Code = '") + customer + u'\'',
         QStringLiteral("AND B_PM.use_yn = 1")});
}

QString prodNoCounter(const QString& d) {
    return lines({QStringLiteral(" select  CASE wHEN left(MAX(prod_no),8) + Right('000' + "
                                 "Cast(right(Max(prod_no),3) + 1 as varchar(10)),3)"),
                  QStringLiteral("   IS NULL THEN '") + d +
                      QStringLiteral("001' ELSE left(MAX(prod_no),8) + Right('000' + "
                                     "Cast(right(Max(prod_no),3) + 1 as varchar(10)),3) END"),
                  QStringLiteral(" From B_JAKUPJISI_MASTER"),
                  QStringLiteral(" Where PROD_NO like '") + d + QStringLiteral("%'")});
}

QString insertOrder(const QString& prodNo, const QStringList& v) {
    static const char* const columns[] = {
        "prod_no",        "seq",           "process_code", "jisi_date",
        "equipment_code", "cproduct_code", "product_code", "customer_code",
        "Plan_Qty",       "order_qty",     "end_yn",       "employee_Su",
        "Juya_Gubun",     "sunbun",        "last_date",    "last_time"};
    QStringList l{QStringLiteral("Insert into B_JAKUPJISI_MASTER"), QStringLiteral(" ( ")};
    for (const char* c : columns) l << QStringLiteral("   ") + QLatin1String(c) + u',';
    l << QStringLiteral("   user_id)") << QStringLiteral("Values") << QStringLiteral("(");
    l << QStringLiteral("    '") + prodNo + QStringLiteral("',");
    l << QStringLiteral("    '") + prodNo + QStringLiteral("'+'001',");
    for (int i = 0; i + 1 < v.size(); ++i)
        l << QStringLiteral("    '") + v[i] + QStringLiteral("',");
    l << QStringLiteral("    '") + v.last() + u'\'' << QStringLiteral(")");
    return lines(l);
}

QString runQuery(const QString& equipment, const QString& opSeqSub) {
    return lines({
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
        QStringLiteral("AND P_SAN.equipment_code = '") + equipment + u'\'',
        QStringLiteral("AND P_SAN.op_seq_sub = '") + opSeqSub + u'\'',
        QStringLiteral("Order by P_SAN.idx desc"),
    });
}

QString bomBatch(const QString& product, const QString& opSeqSub) {
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
    const QString where = QStringLiteral("WHERE B_BOM.product_code = '") + product + u'\'';
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
             opSeqSub + u'\''
      << where << QStringLiteral("END");
    return lines(l);
}

QString orderTotals(const QString& seq) {
    return lines(
        {QStringLiteral("SELECT sum(isnull(qty,0)) as qty, sum(isnull(bad_qty,0)) as bad_qty"),
         QStringLiteral("FROM P_sangsan_master P_SM"),
         QStringLiteral("WHERE seq = '") + seq + u'\''});
}

}  // namespace plant
