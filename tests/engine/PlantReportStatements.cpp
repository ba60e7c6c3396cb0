#include "PlantStatements.h"
#include "PlantStatementsText.h"

namespace plant {

using text::q;
using text::valueLines;

namespace {

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

// Today's sheet of the work order: the same key as the count.
QString moldSheetLoad(const QString& opSeqSub, const QString& date) {
    const QStringList columns = moldColumns();
    QStringList l{QStringLiteral("SELECT  ") + columns.first()};
    for (int i = 1; i < columns.size(); ++i) l << QStringLiteral("        ,") + columns[i];
    l << QStringLiteral("From Q_MOLDTEST_RESULT")
      << QStringLiteral("WHERE op_seq_sub = '") + opSeqSub +
             QStringLiteral("' AND test_date = '") + date + u'\'';
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

}  // namespace plant
