#include <gtest/gtest.h>

#include "engine/Database.h"
#include "foundation/DemoPlant.h"
#include "foundation/PlantRules.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"
#include "support/RecordingUI.h"
#include "support/TempFolder.h"

// The screens' own statements, sent to the embedded engine as the terminal sends
// them, find the demo plant's data: every screen has something to show.

namespace {

const QDateTime kNow(QDate(2026, 3, 2), QTime(10, 15, 0));
const QString kIp = QStringLiteral("10.20.30.40");

QString day(int offset) { return kNow.date().addDays(offset).toString("yyyy-MM-dd"); }
QString lines(const QStringList& l) { return QLatin1Char('\n') + l.join(QLatin1Char('\n')); }

class DemoScreens : public ::testing::Test {
  protected:
    void SetUp() override {
        mes::TerminalClock::setFixed(kNow);
        mes::gsSET_RESOLVER([] {
            return mes::HostLookup{true, 0, "press1", {QByteArray("\x0a\x14\x1e\x28", 4)}};
        });
        const QString path = folder.file(QStringLiteral("demo.db"));
        QString error;
        ASSERT_TRUE(mes::gfCREATE_DEMO(path, &error)) << error.toStdString();
        db.open(path);
        mes::usePlantRules(db);
        db.setClock([] { return kNow; });
    }
    void TearDown() override {
        mes::gsSET_RESOLVER({});
        mes::TerminalClock::reset();
    }

    engine::Result query(const QString& sql) {
        try {
            const auto outcomes = db.execute(sql);
            for (const auto& o : outcomes) {
                if (o.hasResult) return o.result;
            }
        } catch (const engine::EngineError& e) {
            ADD_FAILURE() << e.message().toStdString() << "\n" << sql.toStdString();
        }
        return {};
    }

    testsupport::RecordingUI ui;
    testsupport::TempFolder folder;
    engine::Database db;
};

TEST_F(DemoScreens, WorkOrderListShowsOpenOrdersAndTheLastWeeksFinishedOnes) {
    const auto r = query(lines(
        {"select",
         "        B_JAK.PROD_NO as [작업지시번호],",
         "        B_JAK.SEQ as [지시번호],",
         "        B_JAK.JISI_DATE as [지시일자],",
         "        case when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='1' then '주간' ",
         "             when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='0' then '야간' ",
         "             when B_JAK.juya_gubun is  null then '주간' end  as [구분],",
         "        B_JAK.Customer_Code as [수주처코드],",
         "        B_CU.Customer_Name as [수주처],",
         "        B_PR.process_code As [공정코드],",
         "        B_PR.process_name As [공정명],",
         "        B_JAK.equipment_code as [설비코드],",
         "        B_E.equipment_name As [설비명],",
         "        B_JAK.PRODUCT_CODE as [품번코드],",
         "        B_PM.PUMBUN as [품번],",
         "        B_PM.EONO as [Rev.No],",
         "        B_PM.PRODUCT_NAME as [품명],",
         "        B_PM.Standard As [규격],",
         "        B_JAK.Customer_Name as [1차발주처],",
         "        B_JAK.Product_Name_Detail as [품명상세],",
         "        B_JAK.ORDER_QTY as [지시수량],",
         "        B_JAK.QTY + B_JAK.bad_QTY as [생산수량],",
         "        B_JAK.EMPLOYEE_Su as [작업인원],",
         "        B_JAK.EMPLOYEE_No AS [작업자코드], ",
         "        ISNULL(B_EM.employee_name,B_EM2.employee_Name ) as [작업자],",
         "        case when B_JAK.END_YN = '3' then '완료' ",
         "             when B_JAK.END_YN = '2' then '진행중'",
         "             when B_JAK.END_YN = '1' then '미완료' end  as [완료여부],",
         "        B_JAK.Chulha_yn AS [발행유무], ",
         "        '' AS [저장], ",
         "        '' AS [취소] ",
         "from B_JAKUPJISI_MASTER B_JAK",
         "JOIN B_PRODUCT_MASTER B_PM On B_JAK.product_code = B_PM.product_code",
         "JOIN B_CUSTOMER B_CU On B_JAK.Customer_Code = B_CU.Customer_Code",
         "LEFT JOIN (",
         "    SELECT",
         "        Seq as seq,",
         "        MAX(employee_no) as employee_no,",
         "        MAX(employee_su) As employee_su",
         "    From P_SangSan_Master",
         "    GROUP BY seq",
         "    ) P_SM on P_SM.seq = B_JAK.seq",
         "left Join B_EMPLOYEE B_EM On B_EM.EMPLOYEE_NO = B_JAK.EMPLOYEE_NO",
         "left Join B_EMPLOYEE B_EM2 On B_EM2.EMPLOYEE_NO = P_SM.EMPLOYEE_NO",
         "left Join B_PALETTE B_PAL On B_JAK.palette_code = B_PAL.palette_code",
         "left Join B_PROCESS B_PR On B_JAK.process_code = B_PR.process_code",
         "Join B_EQUIPMENT B_E On B_E.equipment_code = B_JAK.equipment_code",
         "WHERE 1=1",
         "AND (B_JAK.end_yn in (1,2) or (B_JAK.end_yn = 3 AND B_JAK.jisi_date >= '" + day(-7) +
             "'))",
         "and b_jak.order_qty >= '0'",
         " ORDER BY [지시일자] desc,[완료여부] , [작업지시번호],[지시번호]"}));
    ASSERT_EQ(r.rows.size(), 11);  // every order but the one finished eight days ago
    QStringList states;
    for (const auto& row : r.rows) states << row.at(22).toString();
    EXPECT_TRUE(states.contains(QStringLiteral("미완료")));
    EXPECT_TRUE(states.contains(QStringLiteral("진행중")));
    EXPECT_TRUE(states.contains(QStringLiteral("완료")));
    EXPECT_EQ(r.rows.last().at(2).toString(), day(-7));  // newest date first
    for (const auto& row : r.rows) EXPECT_FALSE(row.at(21).toString().isEmpty());  // 작업자
}

TEST_F(DemoScreens, ProductionScreenLoadsTheRunAndItsMaterials) {
    const auto run = query(lines(
        {"SELECT", "    Top 1", "    B_JAK.seq as [작업지시번호],",
         "    P_SAN.op_seq_sub as [생산실적번호],",
         "    case when B_JAK.juya_gubun = '1' or B_JAK.juya_gubun is null then '주간' when "
         "B_JAK.juya_gubun = '0' then '야간' end as [주야구분],",
         "    B_PM.unit_code as [단위], B_PM.type as [제품구분]", "FROM B_JAKUPJISI_MASTER B_JAK",
         "JOIN P_SangSan_Master P_SAN ON B_JAK.seq = P_SAN.Seq",
         "LEFT JOIN B_PRODUCT_MASTER B_PM ON B_JAK.product_code = B_PM.product_code", "WHERE 1=1",
         "AND B_JAK.END_YN = '2'", "AND P_SAN.equipment_code = 'P-01'",
         "AND P_SAN.op_seq_sub = '20260302002001'", "Order by P_SAN.idx desc"}));
    ASSERT_EQ(run.rows.size(), 1);
    EXPECT_EQ(run.rows.first().at(2).toString(), QStringLiteral("주간"));
    EXPECT_EQ(run.rows.first().at(4).toString(), QStringLiteral("완제품"));

    const QString select =
        lines({"SELECT distinct B_PM.product_code", "        ,B_C.car_name", "        ,B_PM.type",
               "        ,B_PM.pumbun", "        ,B_PM.eono", "        ,B_PM.product_name",
               "        ,B_BOM2.usage"});
    const QString from =
        lines({"FROM B_BOM B_BOM", "JOIN B_BOM B_BOM2 ON B_BOM.bom_code = B_BOM2.high_bom_code",
               "JOIN B_PRODUCT_MASTER B_PM On B_BOM2.product_code = B_PM.product_code",
               "LEFT Join B_CAR B_C On B_PM.car_code = B_C.car_code"});
    const auto bom = query(
        lines({"IF OBJECT_ID(N'TEMPDB..##TEMP_REAL_LOT', N'U') IS NULL", "BEGIN"}) + select +
        lines({"        ,'0' AS [LOT NO]", "        ,'0' AS [LOT 재고]",
               "        ,'0' AS [투입수량]", "        ,B_PM.unit_code AS [단위]"}) +
        from + lines({"WHERE B_BOM.product_code = 'FP-100'", "END", "ELSE", "BEGIN"}) + select +
        lines({"        ,TRT.lot_no AS [LOT NO]", "        ,ISNULL(TRT.lot_su,'0')  AS [LOT 재고]",
               "        ,'' AS [투입수량]", "        ,B_PM.unit_code AS [단위]"}) +
        from +
        lines({"LEFT JOIN ##TEMP_REAL_LOT TRT On B_PM.product_code = TRT.product_code AND "
               "TRT.op_seq_sub = '20260302002001'",
               "WHERE B_BOM.product_code = 'FP-100'", "END"}));
    EXPECT_EQ(bom.rows.size(), 2);
}

TEST_F(DemoScreens, MaterialLookupOffersTheAdvanceStockLotFirst) {
    const auto r = query(lines(
        {"SELECT  TOP 1 AA.lot_no,", "        AA.재고", "FROM (",
         "            SELECT  ISNULL(S_PS.lot_no,0) as lot_no ,",
         "                    IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) as "
         "[재고],",
         "                    MIN(S_PS.reg_date) As reg_date,",
         "                    MIN(S_PS.idx) As idx,",
         "                    CASE WHEN S_PS.lot_no LIKE '%선진행재고%' THEN '1'",
         "                    ELSE '2' END AS gubun", "            From S_PRODUCT_STORE S_PS",
         "            WHERE S_PS.product_code = 'RM-100'",
         "            AND S_PS.reg_date <= '" + day(0) + "'", "            GROUP BY S_PS.lot_no",
         "            Having IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) > 0",
         ") AA", "ORDER BY AA.gubun,AA.lot_no"}));
    ASSERT_EQ(r.rows.size(), 1);
    EXPECT_TRUE(r.rows.first().at(0).toString().contains(QStringLiteral("선진행재고")));
    EXPECT_EQ(r.rows.first().at(1).toDouble(), 64.0);
}

TEST_F(DemoScreens, DefectAndDowntimeEntryListTheCausesWithTheRunsRecords) {
    const auto bad = query(lines(
        {"   Select", "    PBAD.idx as [IDX],", "'20260302002001' as [생산실적순번],",
         "'1000' As [공정코드],", "'FP-100' As [제품코드],",
         "    BPRO.ProcessBad_code as [공정불량코드],", "    BPRO.PROCESSBAD_NAME As [공정불량명],",
         "    ISNULL(Bad_Qty,0) As[불량수량],", "    isnull(PBAD.bigo,'') as [비고]",
         "  From B_PROCESSBAD BPRO",
         "  LEFT JOIN P_BADQTY PBAD ON BPRO.ProcessBad_code = PBAD.ProcessBad_code AND "
         "PBAD.op_seq_sub= '20260302002001'",
         "LEFT JOIN", "    B_PROCESSBAD1 B_PR1 ON BPRO.processbad_code = B_PR1.processbad_code",
         "where B_PR1.process_code = '1000'", "ORDER BY BPRO.processbad_name"}));
    ASSERT_EQ(bad.rows.size(), 6);
    int recorded = 0;
    for (const auto& row : bad.rows) recorded += row.at(6).toInt();
    EXPECT_EQ(recorded, 3);

    const auto stops =
        query(lines({"select p_bi.idx As [idx],", "   '20260302002001' as [생산실적순번],",
                     "    'FP-100' As [제품코드],", "    b_bi1.bigadong_code As [비가동코드],",
                     "    b_bi.bigadong_name As [비가동명],",
                     "    ISNULL(p_bi.min,0) As[비가동시간]", "from B_BIGADONG b_bi1",
                     "left join B_BIGADONG b_bi on b_bi.bigadong_code = b_bi1.bigadong_code",
                     "left join P_BIGADONG p_bi on p_bi.Bigadong_Code = b_bi.bigadong_code AND "
                     "p_bi.op_seq_sub= '20260302002001'",
                     "order by  b_bi1.bigadong_code"}));
    ASSERT_EQ(stops.rows.size(), 7);
    EXPECT_EQ(stops.rows.first().at(5).toInt(), 15);  // D01 recorded for the run
}

TEST_F(DemoScreens, HistoryScreensOfTheTerminalsMachineShowToday) {
    const auto buttons = query(lines(
        {"select distinct B_JAK.process_code as PROCESS_CODE, B_PR.process_name as PROCESS_NAME",
         "from B_JAKUPJISI_MASTER B_JAK",
         "JOiN B_PROCESS B_PR ON B_PR.process_code = B_JAK.process_code ",
         "left join b_equipment b_eq on b_eq.equipment_code = b_jak.equipment_code",
         "Where b_eq.ipaddress = '" + kIp + "'",
         "and ((B_JAK.jisi_date <> '" + day(0) +
             "' AND B_JAK.end_yn = '2') OR B_JAK.jisi_date = '" + day(0) + "')",
         "Order by B_PR.process_name"}));
    ASSERT_EQ(buttons.rows.size(), 1);
    EXPECT_EQ(buttons.rows.first().at(0).toString(), QStringLiteral("1000"));

    const auto results = query(lines(
        {"SELECT  A.PROD_NO AS [작지번호],", "isnull(A.op_seq_sub,'') AS [생산실적번호],",
         "A.QTY AS [양품수량],", "CAR.car_name AS [차종명],", "A.Edate AS [종료날짜]",
         " FROM P_SANGSAN_MASTER A", " JOIN B_PRODUCT_MASTER B ON A.PRODUCT_CODE = B.PRODUCT_CODE",
         " LEFT Join B_CAR CAR ON B.car_code = CAR.car_code",
         " JOIN B_JAKUPJISI_MASTER B_JAK ON B_JAK.seq = a.seq and B_JAK.prod_no=a.prod_no",
         " JOIN B_PROCESS C ON A.process_code  = C.process_code",
         " JOIN B_EQUIPMENT B_EQ ON B_EQ.equipment_code = B_JAK.equipment_code", " where 1=1",
         " AND A.JISI_DATE = '" + day(0) + "'", "AND B_EQ.ipaddress = '" + kIp + "'"}));
    EXPECT_EQ(results.rows.size(), 2);  // the night run finished today and the open one

    const auto defects = query(
        lines({"SELECT", "    P_BAD.Bad_Qty As [불량수량]", "from P_BADQTY P_BAD",
               "JOIN B_PROCESSBAD B_BAD On B_BAD.processbad_code = P_BAD.ProcessBad_code",
               "JOIN B_PROCESS B_PRO On B_PRO.process_code = P_BAD.process_code",
               "JOIN P_SangSan_Master P_SM ON P_SM.Op_Seq_SUB = P_BAD.Op_Seq_SUB",
               "LEFT JOIN B_EQUIPMENT B_EQ On B_EQ.equipment_code = P_SM.Equipment_Code",
               "JOIN B_PRODUCT_MASTER B_PM On B_PM.product_code = P_SM.Product_Code",
               "Join B_PRODUCT_TYPE B_PT On B_PT.product_type_code = B_PM.product_type_code",
               "LEFT Join B_CAR B_C On B_C.car_code = B_PM.car_code",
               "join B_JAKUPJISI_MASTER b_jak on b_jak.seq = P_SM.Seq", "Where 1 = 1",
               "AND P_SM.Jakup_Date = '" + day(0) + "'", "and  B_EQ.ipaddress = '" + kIp + "'"}));
    EXPECT_EQ(defects.rows.size(), 4);

    const auto downtime = query(
        lines({"SELECT", "    P_BI.idx,", "    P_BI.Min as [경과시간(분)]", "FROM P_BIGADONG P_BI",
               "LEFT join B_BIGADONG B_BI on B_BI.bigadong_code = P_BI.Bigadong_Code",
               "left join P_SangSan_Master p_sm on p_sm.OP_SEQ_SUB = P_BI.OP_SEQ_SUB ",
               "JOIN B_EQUIPMENT B_E on B_E.equipment_code = P_BI.equipment_code",
               "JOIN B_PROCESS B_PR ON B_PR.process_code = p_sm.process_code",
               "join B_JAKUPJISI_MASTER b_jak on b_jak.seq = P_SM.Seq",
               "WHERE P_BI.Biga_Date = '" + day(0) + "'", "AND B_E.ipaddress = '" + kIp + "'"}));
    EXPECT_EQ(downtime.rows.size(), 5);
}

}  // namespace
