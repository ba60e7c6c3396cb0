#include "workorders/ListStatements.h"

#include "foundation/Session.h"

namespace mes {

namespace {
QString quoted(const QString& prefix, const QString& value) {
    return prefix + gfSQ(value) + QLatin1Char('\'');
}
}  // namespace

QString gfLINES(const QStringList& lines) {
    QString out;
    for (const QString& l : lines) out += QLatin1Char('\n') + l;
    return out;
}

QString gfLIST_CUSTOMERS_SQL() {
    return gfLINES({QStringLiteral("SELECT"),
                    QStringLiteral("    B_CU.customer_code as customer_code,"),
                    QStringLiteral("    B_CU.customer_name as customer_name"),
                    QStringLiteral("FROM B_CUSTOMER B_CU")});
}

QString gfLIST_WEEK_RULE(const QDate& today) {
    return QStringLiteral(
               "AND (B_JAK.end_yn in (1,2) or (B_JAK.end_yn = 3 AND B_JAK.jisi_date >= '") +
           today.addDays(-7).toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("'))");
}

QString gfLIST_DATES_SQL(const QString& customerCode, const QDate& today) {
    QStringList l{
        QStringLiteral("SELECT"), QStringLiteral("    B_JAK.jisi_date as jisi_date"),
        QStringLiteral("FROM B_JAKUPJISI_MASTER B_JAK"),
        QStringLiteral("JOIN B_EQUIPMENT B_EQ ON B_JAK.equipment_code = B_EQ.equipment_code"),
        QStringLiteral("WHERE 1=1")};
    if (!customerCode.isEmpty())
        l << quoted(QStringLiteral("AND B_JAK.Customer_Code = '"), customerCode);
    l << gfLIST_WEEK_RULE(today) << QStringLiteral("GROUP BY jisi_date")
      << QStringLiteral("ORDER BY jisi_date desc");
    return gfLINES(l);
}

QString gfLIST_SQL(const QString& serchSql, const QDate& today) {
    return gfLINES({
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
        gfLIST_WEEK_RULE(today),
        QStringLiteral("and b_jak.order_qty >= '0'"),
        serchSql,
        QStringLiteral(" ORDER BY [지시일자] desc,[완료여부] , [작업지시번호],[지시번호]"),
    });
}

QString gfLIST_CUSTOMER_FILTER(const QString& customerCode) {
    return quoted(QStringLiteral("AND B_JAK.Customer_Code = '"), customerCode);
}

QString gfLIST_DATE_FILTER(const QString& date, const QString& customerCode) {
    QString out = QLatin1Char('\n') + quoted(QStringLiteral("AND B_JAK.jisi_date = '"), date);
    if (!customerCode.isEmpty())
        out +=
            QLatin1Char('\n') + quoted(QStringLiteral("AND B_JAK.customer_code = '"), customerCode);
    return out;
}

QString gfPROCESS_FILTER(const QString& processCode) {
    return quoted(QStringLiteral("AND B_PR.process_code = '"), processCode);
}

QString gfISSUED_SQL(const QString& seq, const QString& flag) {
    return gfLINES({QStringLiteral("UPDATE B_JAKUPJISI_MASTER"),
                    quoted(QStringLiteral("SET Chulha_yn = '"), flag),
                    quoted(QStringLiteral("WHERE SEQ = '"), seq)});
}

QString gfRUN_OF_ORDER_SQL(const QString& seq) {
    return gfLINES({QStringLiteral("select op_seq_Sub from p_sangsan_master"),
                    quoted(QStringLiteral("where seq = '"), seq)});
}

QStringList gfDELETE_ORDER_LIST(const QString& seq) {
    const QString where = quoted(QStringLiteral("WHERE SEQ = '"), seq);
    // An order started meanwhile (a stale list) is not deleted: the second
    // statement then removes no row and the whole list rolls back.
    return {gfLINES({QStringLiteral("DELETE FROM P_SangSan_Master"), where}),
            gfLINES({QStringLiteral("DELETE  FROM B_JAKUPJISI_MASTER"), where,
                     QStringLiteral("And (END_YN = '1' Or END_YN Is Null)")})};
}

}  // namespace mes
