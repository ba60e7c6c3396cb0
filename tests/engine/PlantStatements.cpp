#include "PlantStatements.h"

namespace plant {

namespace {

QString q(const QString& v) { return u'\'' + v + u'\''; }

// "    'a'," ... "    'z')" : one quoted value per line.
QStringList valueLines(const QStringList& values, const QString& indent, const QString& lastClose) {
    QStringList out;
    for (int i = 0; i < values.size(); ++i) {
        const bool last = i + 1 == values.size();
        out << indent + q(values[i]) + (last ? lastClose : QStringLiteral(","));
    }
    return out;
}

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

QStringList moldColumns() {
    QStringList c;
    for (int n = 1; n <= 5; ++n) {
        for (const char* stem : {"cylinder", "sacul", "speed", "mm"})
            c << QLatin1String(stem) + QString::number(n);
    }
    c << QStringLiteral("time_s_ju") << QStringLiteral("time_s_ya") << QStringLiteral("time_n_ju")
      << QStringLiteral("time_n_ya") << QStringLiteral("time_h_ju") << QStringLiteral("time_h_ya");
    for (int n = 1; n <= 3; ++n) {
        for (const char* stem : {"cv_ju", "shot_ju", "gadong_ju", "cv_ya", "shot_ya", "gadong_ya"})
            c << QLatin1String(stem) + QString::number(n);
    }
    return c;
}

}  // namespace

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

namespace {

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

QString sheetNumber(const QString& yyyymmdd, const QString& date) {
    return lines(
        {QStringLiteral("SELECT"), QStringLiteral("     Case When max(M_MAI.process_num) is null"),
         QStringLiteral("    Then '") + yyyymmdd + QStringLiteral("' + '001'"),
         QStringLiteral(
             "    else left(max(M_MAI.process_num),8) + Right('000' + "
             "Cast(right(Max(process_num),3) + 1 as varchar),3) End            AS 전표번호"),
         QStringLiteral("FROM Q_CHOJUNGJONGTEST_RESULT M_MAI"),
         QStringLiteral("Where  process_test_date= '") + date + u'\''});
}

QString sheetCount(const QString& product, const QString& shift, const QString& seq) {
    return lines({QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT"),
                  QStringLiteral("WHERE product_code = '") + product + u'\'',
                  QStringLiteral("AND process_juya = ") + shift,
                  QStringLiteral("and seq = '") + seq + u'\''});
}

QString inspectors() {
    return lines({QStringLiteral("SELECT B_EMP.idx,employee_no, employee_Name"),
                  QStringLiteral("From B_EMPLOYEE B_EMP"),
                  QStringLiteral("ORDER BY employee_Name")});
}

QString picturePath(const QString& number) {
    return lines({QStringLiteral("Select"), QStringLiteral("    ISNULL(path,'')"),
                  QStringLiteral("From"), QStringLiteral("    Q_CHOJUNGJONGTEST_STD"),
                  QStringLiteral("Where"),
                  QStringLiteral("    process_test_num = '") + number + u'\''});
}

QString moldSheetCount(const QString& opSeqSub, const QString& date) {
    return lines({QStringLiteral("SELECT COUNT(*) FROM Q_MOLDTEST_RESULT"),
                  QStringLiteral("WHERE op_seq_sub = '") + opSeqSub +
                      QStringLiteral("' AND test_date = '") + date + u'\''});
}

QString moldSheetLoad(const QString& opSeqSub) {
    const QStringList columns = moldColumns();
    QStringList l{QStringLiteral("SELECT  ") + columns.first()};
    for (int i = 1; i < columns.size(); ++i) l << QStringLiteral("        ,") + columns[i];
    l << QStringLiteral("From Q_MOLDTEST_RESULT")
      << QStringLiteral("WHERE op_seq_sub = '") + opSeqSub + u'\'';
    return lines(l);
}

QString processButtons(const QString& ipClause, const QString& ip, const QString& date) {
    return lines(
        {QStringLiteral("select distinct B_JAK.process_code as PROCESS_CODE, B_PR.process_name as "
                        "PROCESS_NAME"),
         QStringLiteral("from B_JAKUPJISI_MASTER B_JAK"),
         QStringLiteral("JOiN B_PROCESS B_PR ON B_PR.process_code = B_JAK.process_code "),
         QStringLiteral("left join b_equipment b_eq on b_eq.equipment_code = b_jak.equipment_code"),
         ipClause + ip + u'\'',
         QStringLiteral("and ((B_JAK.jisi_date <> '") + date +
             QStringLiteral("' AND B_JAK.end_yn = '2') OR B_JAK.jisi_date = '") + date +
             QStringLiteral("')"),
         QStringLiteral("Order by B_PR.process_name")});
}

QString results(const QString& date, const QString& ip, const QString& processFilter) {
    return lines(
        {QStringLiteral("SELECT  A.PROD_NO AS [작지번호],"),
         QStringLiteral("isnull(A.op_seq_sub,'') AS [생산실적번호],"),
         QStringLiteral("isnull(A.process_code ,'') AS [공정코드],"),
         QStringLiteral("isnull(C.process_name ,'' )AS [공정명],"),
         QStringLiteral("isnull(B_EQ.equipment_name ,'' )AS [설비명],"),
         QStringLiteral("A.PRODUCT_CODE AS [제품코드],"),
         QStringLiteral("isnull(B.PUMBUN, '') AS [품번],"),
         QStringLiteral("isnull(B.EONO,'') AS [Rev.No],"),
         QStringLiteral("isnull(B.PRODUCT_NAME,'') AS [제품명],"),
         QStringLiteral("A.Jisiqty AS [지시수량],"),
         QStringLiteral("A.QTY + A.BAD_QTY AS [작업수량],"),
         QStringLiteral("A.QTY AS [양품수량],"),
         QStringLiteral("A.BAD_QTY AS [불량수량],"),
         QStringLiteral("'' as [소포장수량],"),
         QStringLiteral("'' AS [소포장출력수량],"),
         QStringLiteral("'' AS [바코드소포장],"),
         QStringLiteral("'' as [포장단위수량],"),
         QStringLiteral("'' AS [출력수량],"),
         QStringLiteral("'' AS [바코드대포장],"),
         QStringLiteral("isnull(A.EMPLOYEE_NO,'') AS [사번],"),
         QStringLiteral("isnull(D.EMPLOYEE_NAME,'') AS [성명],"),
         QStringLiteral("CAR.car_name AS [차종명],"),
         QStringLiteral("A.Edate AS [종료날짜]"),
         QStringLiteral(" FROM P_SANGSAN_MASTER A"),
         QStringLiteral(" JOIN B_PRODUCT_MASTER B ON A.PRODUCT_CODE = B.PRODUCT_CODE"),
         QStringLiteral(" LEFT Join B_CAR CAR ON B.car_code = CAR.car_code"),
         QStringLiteral(
             " JOIN B_JAKUPJISI_MASTER B_JAK ON B_JAK.seq = a.seq and B_JAK.prod_no=a.prod_no"),
         QStringLiteral(" JOIN B_PROCESS C ON A.process_code  = C.process_code"),
         QStringLiteral(" left JOIN B_EMPLOYEE  D ON A.EMPLOYEE_NO = D.EMPLOYEE_NO"),
         QStringLiteral(" LEFT Join B_CAR B_C  ON B_C.CAR_CODE = B.CAR_CODE"),
         QStringLiteral(" JOIN B_EQUIPMENT B_EQ ON B_EQ.equipment_code = B_JAK.equipment_code"),
         QStringLiteral(" where 1=1"),
         QStringLiteral(" AND A.JISI_DATE = '") + date + u'\'',
         QStringLiteral("AND B_EQ.ipaddress = '") + ip + u'\'',
         processFilter});
}

QString labelProduct(const QString& product) {
    return lines({QStringLiteral("SELECT  ISNULL(B_PM.product_name,''), ISNULL(B_PM.pumbun,''), "
                                 "ISNULL(B_PM.culha_pumbun,'')"),
                  QStringLiteral("FROM B_PRODUCT_MASTER B_PM"),
                  QStringLiteral("WHERE B_PM.product_code = '") + product + u'\''});
}

QString finishedQty(const QString& opSeqSub) {
    return lines({QStringLiteral("select  p_sm.Qty"), QStringLiteral("from p_sangsan_master p_sm"),
                  QStringLiteral("where p_sm.op_seq_sub = '") + opSeqSub + u'\''});
}

QString runLot(const QString& opSeqSub) {
    return lines({QStringLiteral("select  p_sm.lot_no"),
                  QStringLiteral("from p_sangsan_master p_sm"),
                  QStringLiteral("where p_sm.op_seq_sub = '") + opSeqSub + u'\''});
}

QString ticketInsert(const QStringList& v) {
    QStringList l{QStringLiteral("INSERT into S_DATAREPORT1"), QStringLiteral("("),
                  QStringLiteral("    idx")};
    for (const char* c : {"Process_name", "Car_Name", "Car_Name3", "Qty", "Palette_ea",
                          "Jakup_Date", "Product_code", "Pumbun", "Product_name", "Lot_no",
                          "BarCode", "employee_name", "Bigo", "op_seq_sub"})
        l << QStringLiteral("    ,") + QLatin1String(c);
    l << QStringLiteral(")") << QStringLiteral("Values") << QStringLiteral("(")
      << QStringLiteral("    '1'");
    for (int i = 0; i < v.size(); ++i)
        l << (i == 10 ? QStringLiteral("    ,'*") + v[i] + QStringLiteral("*'")
                      : QStringLiteral("    ,'") + v[i] + u'\'');
    l << QStringLiteral(" )");
    return lines(l);
}

QString ticketUpdate(const QStringList& v) {
    static const char* const columns[] = {
        "Process_name2",  "Car_Name2", "Qty2",          "Palette_ea2", "Jakup_Date2",
        "Product_code2",  "Pumbun2",   "Product_name2", "Lot_no2",     "BarCode2",
        "employee_name2", "Bigo2",     "op_seq_sub2"};
    QStringList l{QStringLiteral("UPDATE S_DATAREPORT1"), QStringLiteral("SET")};
    for (int i = 0; i < 13; ++i) {
        const QString value =
            i == 1 ? v[i] + QStringLiteral(" - CAR") : (i == 9 ? u'*' + v[i] + u'*' : v[i]);
        l << QStringLiteral("    ") + (i ? QStringLiteral(",") : QString()) +
                 QLatin1String(columns[i]) + QStringLiteral(" = '") + value + u'\'';
    }
    l << QStringLiteral("    where idx = '1'");
    return lines(l);
}

QString ticketRead() {
    return QStringLiteral(
        "SELECT Process_Name AS 공정명, Product_Name AS 품명, Car_Name AS 차종명, Car_Name3 AS "
        "차종명3, Pumbun AS 품번, Qty AS [LOT 수량], "
        "Palette_ea AS 용기수량, employee_name AS 작업자, Jakup_Date AS 작업일자, Lot_no AS "
        "LOT_NO, BarCode AS 바코드, Bigo AS 비고, "
        "Process_Name2 AS 공정명2, Product_Name2 AS 품명2, Car_Name2 AS 차종명2, Pumbun2 AS 품번2, "
        "Qty2 AS [LOT 수량2], Palette_ea2 AS 용기수량2, "
        "employee_name2 AS 작업자2, Jakup_Date2 AS 작업일자2, Lot_no2 AS LOT_NO2, BarCode2 AS "
        "바코드2, Bigo2 AS 비고2, op_seq_sub AS 세부전표번호, "
        "op_seq_sub2 AS 세부전표번호2 FROM S_DATAREPORT1");
}

QString ticketClear() { return QStringLiteral("DELETE S_DATAREPORT1"); }

QString defectHistory(const QString& today, const QString& ip, const QString& processFilter) {
    return lines(
        {QStringLiteral("SELECT"),
         QStringLiteral("    ISNULL(P_SM.prod_no,'') As [작업지시번호],"),
         QStringLiteral("    P_BAD.op_seq_sub As [생산실적순번],"),
         QStringLiteral("    B_PRO.process_code As [공정코드],"),
         QStringLiteral("    B_PRO.process_name As [공정명],"),
         QStringLiteral("    B_PM.pumbun As [품번],"),
         QStringLiteral("    B_PM.eono As [Rev.No],"),
         QStringLiteral("    B_PM.product_name As [품명],"),
         QStringLiteral("    P_BAD.processbad_code As [부적합코드],"),
         QStringLiteral("    B_BAD.processbad_name As [부적합명],"),
         QStringLiteral("    P_BAD.bad_qty As [불량수량],"),
         QStringLiteral("    P_SM.etime As [종료시간],"),
         QStringLiteral("    P_BAD.employee_no As [사번],"),
         QStringLiteral("    P_BAD.user_id As [성명],"),
         QStringLiteral("    P_BAD.bigo As [비고]"),
         QStringLiteral("from P_BADQTY P_BAD"),
         QStringLiteral("JOIN B_PROCESSBAD B_BAD On B_BAD.processbad_code = P_BAD.ProcessBad_code"),
         QStringLiteral("JOIN B_PROCESS B_PRO On B_PRO.process_code = P_BAD.process_code"),
         QStringLiteral("JOIN P_SangSan_Master P_SM ON P_SM.Op_Seq_SUB = P_BAD.Op_Seq_SUB"),
         QStringLiteral("LEFT JOIN B_EQUIPMENT B_EQ On B_EQ.equipment_code = P_SM.Equipment_Code"),
         QStringLiteral("JOIN B_PRODUCT_MASTER B_PM On B_PM.product_code = P_SM.Product_Code"),
         QStringLiteral(
             "Join B_PRODUCT_TYPE B_PT On B_PT.product_type_code = B_PM.product_type_code"),
         QStringLiteral("LEFT Join B_CAR B_C On B_C.car_code = B_PM.car_code"),
         QStringLiteral("join B_JAKUPJISI_MASTER b_jak on b_jak.seq = P_SM.Seq"),
         QStringLiteral("Where 1 = 1"),
         QStringLiteral("AND P_SM.Jakup_Date = '") + today + u'\'',
         QStringLiteral("and  B_EQ.ipaddress = '") + ip + u'\'',
         processFilter});
}

QString downtimeHistory(const QString& today, const QString& ip, const QString& processFilter) {
    return lines(
        {QStringLiteral("SELECT"),
         QStringLiteral("    P_BI.idx,"),
         QStringLiteral("    P_BI.OP_SEQ_SUB,"),
         QStringLiteral("    B_PR.process_name AS [공정명],"),
         QStringLiteral("    B_E.EquipMent_Code AS [설비코드],"),
         QStringLiteral("    B_E.EquipMent_name AS [설비명],"),
         QStringLiteral("    P_BI.Stime as [시작시간],"),
         QStringLiteral("    P_BI.Etime as [종료시간],"),
         QStringLiteral("    B_PR.process_code as [공정코드],"),
         QStringLiteral("    P_BI.Bigadong_Code as [비가동코드],"),
         QStringLiteral("    B_BI.bigadong_name as [비가동명],"),
         QStringLiteral("    P_BI.Min as [경과시간(분)]"),
         QStringLiteral("FROM P_BIGADONG P_BI"),
         QStringLiteral("LEFT join B_BIGADONG B_BI on B_BI.bigadong_code = P_BI.Bigadong_Code"),
         QStringLiteral("left join P_SangSan_Master p_sm on p_sm.OP_SEQ_SUB = P_BI.OP_SEQ_SUB "),
         QStringLiteral("JOIN B_EQUIPMENT B_E on B_E.equipment_code = P_BI.equipment_code"),
         QStringLiteral("JOIN B_PROCESS B_PR ON B_PR.process_code = p_sm.process_code"),
         QStringLiteral("join B_JAKUPJISI_MASTER b_jak on b_jak.seq = P_SM.Seq"),
         QStringLiteral("WHERE P_BI.Biga_Date = '") + today + u'\'',
         QStringLiteral("AND B_E.ipaddress = '") + ip + u'\'',
         processFilter});
}

QStringList allSamples() {
    const QString d = QStringLiteral("2026-12-08"), key = QStringLiteral("20261208001001");
    QStringList run;
    for (int i = 0; i < 23; ++i) run << QStringLiteral("v%1").arg(i);
    return {
        clockQuery(),
        customerButtons(),
        orderList(QStringLiteral("2026-12-01"),
                  QStringLiteral("\nAND B_JAK.jisi_date = '2026-12-08'")),
        dateButtons(QStringLiteral("C01"), QStringLiteral("2026-12-01")),
        setIssued(key, QStringLiteral("1")),
        runKeyOfOrder(key),
        deleteRuns(key),
        deleteOrder(key),
        opSeqCounter(QStringLiteral("20261208")),
        insertRun(run),
        setOrderState(QStringLiteral("20261208001"), key, QStringLiteral("2")),
        productsOfCustomer(QStringLiteral("C01")),
        prodNoCounter(QStringLiteral("20261208")),
        insertOrder(QStringLiteral("20261208001"), run.mid(0, 16)),
        runQuery(QStringLiteral("E01"), key),
        bomBatch(QStringLiteral("P01"), key),
        orderTotals(key),
        firstLot(QStringLiteral("M01"), d),
        nextLots(QStringLiteral("M01"), d),
        setRunLot(QStringLiteral("261208/1000"), key),
        shiftLaterBalances(QStringLiteral("S_PRODUCT_STORE"), QStringLiteral("P01"), d,
                           QStringLiteral("+"), QStringLiteral("15")),
        insertStoreIn(QStringLiteral("S_PRODUCT_STORE"), key, QStringLiteral("P01"),
                      QStringLiteral("15"), QStringLiteral("재공품추가"),
                      QStringLiteral("261208/1000"), d, QString()),
        insertStoreOut(key, QStringLiteral("M01"), QStringLiteral("30"),
                       QStringLiteral("재공품소모"), QStringLiteral("L1"), d, QString(), false),
        insertLotHistory(run.mid(0, 9)),
        insertReceipt(run.mid(0, 15)),
        endOrder(QStringLiteral("95"), QStringLiteral("5"), QStringLiteral("3"), key),
        endRun(run.mid(0, 13), key),
        insertStop(run.mid(0, 14)),
        setRealTime(QStringLiteral("TRUE"), QStringLiteral("E01")),
        closeStops(d, QStringLiteral("10:00"), QStringLiteral("E01"), key),
        defectCauses(key, QStringLiteral("1000"), QStringLiteral("P01")),
        insertDefect(run.mid(0, 14)),
        updateDefect(QStringLiteral("3"), QStringLiteral("it''s"), QString(), d,
                     QStringLiteral("101010"), key, QStringLiteral("B01")),
        deleteDefect(key, QStringLiteral("B01")),
        setRunBad(QStringLiteral("3"), key),
        downtimeCauses(key, QStringLiteral("P01")),
        insertDowntime(run.mid(0, 13)),
        updateDowntime(QStringLiteral("5"), QString(), QStringLiteral("1"), d, QString(),
                       QStringLiteral("101010"), key, QStringLiteral("D01")),
        deleteDowntime(key, QStringLiteral("D01")),
        lotList(QStringLiteral("M01"), d),
        lotFirstRegistration(QStringLiteral("M01"), QStringLiteral("L1")),
        olderLot(d, QStringLiteral("M01"), d, QStringLiteral("123")),
        scannedLot(QStringLiteral("M01"), QStringLiteral("L1"), d),
        sheetNumber(QStringLiteral("20261208"), d),
        sheetCount(QStringLiteral("P01"), QStringLiteral("1"), key),
        inspectors(),
        picturePath(QStringLiteral("T01")),
        moldSheetCount(key, d),
        moldSheetLoad(key),
        processButtons(QStringLiteral("Where b_eq.ipaddress = '"), QStringLiteral("10.0.0.5"), d),
        results(d, QStringLiteral("10.0.0.5"), QStringLiteral("AND A.process_code = '1000'")),
        labelProduct(QStringLiteral("P01")),
        finishedQty(key),
        runLot(key),
        ticketInsert(run.mid(0, 14)),
        ticketUpdate(run.mid(0, 13)),
        ticketRead(),
        ticketClear(),
        defectHistory(d, QStringLiteral("10.0.0.5"), QString()),
        downtimeHistory(d, QStringLiteral("10.0.0.5"), QString())};
}

}  // namespace plant
