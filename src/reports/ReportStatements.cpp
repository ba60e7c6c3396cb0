#include "reports/ReportStatements.h"

#include <QDate>

#include "foundation/Session.h"

namespace mes::reports {

namespace {

QString lines(const QStringList& l) { return l.join(u'\n'); }

// "'" + value + "'" with the value's quotes doubled.
QString q(const QString& v) { return u'\'' + gfSQ(v) + u'\''; }

}  // namespace

QString gfPROCESS_BUTTONS_SQL(const QString& ip, const QString& date, IpClause clause) {
    const QString where = clause == IpClause::Upper ? QStringLiteral("where B_EQ.ipaddress = ")
                                                    : QStringLiteral("Where b_eq.ipaddress = ");
    return lines(
        {QStringLiteral("select distinct B_JAK.process_code as PROCESS_CODE, B_PR.process_name as "
                        "PROCESS_NAME"),
         QStringLiteral("from B_JAKUPJISI_MASTER B_JAK"),
         QStringLiteral("JOiN B_PROCESS B_PR ON B_PR.process_code = B_JAK.process_code "),
         QStringLiteral("left join b_equipment b_eq on b_eq.equipment_code = b_jak.equipment_code"),
         where + q(ip),
         QStringLiteral("and ((B_JAK.jisi_date <> ") + q(date) +
             QStringLiteral(" AND B_JAK.end_yn = '2') OR B_JAK.jisi_date = ") + q(date) +
             QStringLiteral(")"),
         QStringLiteral("Order by B_PR.process_name")});
}

QString gfPROCESS_FILTER(const QString& column, const QString& code) {
    if (code.isEmpty()) return {};
    return QStringLiteral("AND ") + column + QStringLiteral(" = ") + q(code);
}

QString gfRESULTS_SQL(const QString& date, const QString& ip, const QString& processFilter) {
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
         QStringLiteral(" AND A.JISI_DATE = ") + q(date),
         QStringLiteral("AND B_EQ.ipaddress = ") + q(ip),
         processFilter});
}

QString gfDEFECT_HISTORY_SQL(const QString& today, const QString& ip,
                             const QString& processFilter) {
    return lines(
        {QStringLiteral("SELECT"),
         QStringLiteral("    ISNULL(P_SM.prod_no,'') As [작업지시번호],"),
         QStringLiteral("    ISNULL(P_SM.op_seq_sub,'') As [생산실적순번],"),
         QStringLiteral("    P_BAD.process_code As [공정코드],"),
         QStringLiteral("    B_PRO.process_name As [공정명],"),
         QStringLiteral("    B_PM.pumbun As [품번],"),
         QStringLiteral("    B_PM.eono As [Rev.No],"),
         QStringLiteral("    B_PM.product_name As [품명],"),
         QStringLiteral("    P_BAD.ProcessBad_code As [부적합코드],"),
         QStringLiteral("    B_BAD.processbad_name As [부적합명],"),
         QStringLiteral("    P_BAD.Bad_Qty As [불량수량],"),
         QStringLiteral("    P_BAD.Last_Time As [종료시간],"),
         QStringLiteral("    P_BAD.Employee_no As [사번],"),
         QStringLiteral("    P_BAD.User_Id As [성명],"),
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
         QStringLiteral("AND P_SM.Jakup_Date = ") + q(today),
         QStringLiteral("and  B_EQ.ipaddress = ") + q(ip),
         processFilter});
}

QString gfDOWNTIME_HISTORY_SQL(const QString& today, const QString& ip,
                               const QString& processFilter) {
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
         QStringLiteral("WHERE P_BI.Biga_Date = ") + q(today),
         QStringLiteral("AND B_E.ipaddress = ") + q(ip),
         processFilter});
}

QString gfLABEL_PRODUCT_SQL(const QString& productCode) {
    return lines({QStringLiteral("SELECT  ISNULL(B_PM.product_name,''), ISNULL(B_PM.pumbun,''), "
                                 "ISNULL(B_PM.culha_pumbun,'')"),
                  QStringLiteral("FROM B_PRODUCT_MASTER B_PM"),
                  QStringLiteral("WHERE B_PM.product_code = ") + q(productCode)});
}

QString gfTICKET_QTY_SQL(const QString& opSeqSub) {
    return lines({QStringLiteral("select  p_sm.Qty"), QStringLiteral("from p_sangsan_master p_sm"),
                  QStringLiteral("where p_sm.op_seq_sub = ") + q(opSeqSub)});
}

QString gfRUN_LOT_SQL(const QString& opSeqSub) {
    return lines({QStringLiteral("select  p_sm.lot_no"),
                  QStringLiteral("from p_sangsan_master p_sm"),
                  QStringLiteral("where p_sm.op_seq_sub = ") + q(opSeqSub)});
}

QString gfTICKET_INSERT_SQL(const TicketValues& v) {
    QStringList l{QStringLiteral("INSERT into S_DATAREPORT1"), QStringLiteral("("),
                  QStringLiteral("    idx")};
    for (const char* c : {"Process_name", "Car_Name", "Car_Name3", "Qty", "Palette_ea",
                          "Jakup_Date", "Product_code", "Pumbun", "Product_name", "Lot_no",
                          "BarCode", "employee_name", "Bigo", "op_seq_sub"})
        l << QStringLiteral("    ,") + QLatin1String(c);
    l << QStringLiteral(")") << QStringLiteral("Values") << QStringLiteral("(")
      << QStringLiteral("    '1'");
    const QString carLine = v.carName + QStringLiteral(" - CAR");
    for (const QString& value : {v.processName, carLine, v.carName, v.goodQty, v.goodQty,
                                 v.workDate, v.productCode, v.pumbun, v.productName, v.lotNo,
                                 u'*' + v.opSeqSub + u'*', v.employeeName, v.bigo, v.opSeqSub})
        l << QStringLiteral("    ,") + q(value);
    l << QStringLiteral(" )");
    return lines(l);
}

QString gfTICKET_UPDATE_SQL(const TicketValues& v) {
    const std::pair<const char*, QString> sets[] = {
        {"Process_name2", v.processName},
        {"Car_Name2", v.carName + QStringLiteral(" - CAR")},
        {"Qty2", v.goodQty},
        {"Palette_ea2", v.goodQty},
        {"Jakup_Date2", v.workDate},
        {"Product_code2", v.productCode},
        {"Pumbun2", v.pumbun},
        {"Product_name2", v.productName},
        {"Lot_no2", v.lotNo},
        {"BarCode2", u'*' + v.opSeqSub + u'*'},
        {"employee_name2", v.employeeName},
        {"Bigo2", v.bigo},
        {"op_seq_sub2", v.opSeqSub}};
    QStringList l{QStringLiteral("UPDATE S_DATAREPORT1"), QStringLiteral("SET")};
    bool first = true;
    for (const auto& [column, value] : sets) {
        l << QStringLiteral("    ") + (first ? QString() : QStringLiteral(",")) +
                 QLatin1String(column) + QStringLiteral(" = ") + q(value);
        first = false;
    }
    l << QStringLiteral("    where idx = '1'");
    return lines(l);
}

QString gfTICKET_READ_SQL() {
    return QStringLiteral(
        "SELECT Process_Name AS 공정명, Product_Name AS 품명, Car_Name AS 차종명, Car_Name3 AS "
        "차종명3, Pumbun AS 품번, Qty AS [LOT 수량], Palette_ea AS 용기수량, employee_name AS "
        "작업자, Jakup_Date AS 작업일자, Lot_no AS LOT_NO, BarCode AS 바코드, Bigo AS 비고, "
        "Process_Name2 AS 공정명2, Product_Name2 AS 품명2, Car_Name2 AS 차종명2, Pumbun2 AS "
        "품번2, Qty2 AS [LOT 수량2], Palette_ea2 AS 용기수량2, employee_name2 AS 작업자2, "
        "Jakup_Date2 AS 작업일자2, Lot_no2 AS LOT_NO2, BarCode2 AS 바코드2, Bigo2 AS 비고2, "
        "op_seq_sub AS 세부전표번호, op_seq_sub2 AS 세부전표번호2 FROM S_DATAREPORT1");
}

QString gfTICKET_CLEAR_SQL() { return QStringLiteral("DELETE S_DATAREPORT1"); }

QString gfTICKET_DATE(const QString& finishDate) {
    const QDate d = QDate::fromString(finishDate.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid()) return finishDate;
    return d.toString(QStringLiteral("yyyy")) + QStringLiteral("년 ") +
           d.toString(QStringLiteral("MM")) + QStringLiteral("월 ") +
           d.toString(QStringLiteral("dd")) + QStringLiteral("일 ");
}

}  // namespace mes::reports
