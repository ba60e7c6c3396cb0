#include "PlantColumns.h"

namespace plantdb {

namespace {

QStringList words(const char* text) {
    return QString::fromUtf8(text).toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QStringList moldColumns() {
    QStringList out = words("op_seq_sub product_code test_date");
    for (int n = 1; n <= 5; ++n) {
        for (const char* stem : {"cylinder", "sacul", "speed", "mm"}) {
            out << QString::fromLatin1(stem) + QString::number(n);
        }
    }
    out << words("time_s_ju time_s_ya time_n_ju time_n_ya time_h_ju time_h_ya");
    for (int n = 1; n <= 3; ++n) {
        for (const char* stem :
             {"cv_ju", "shot_ju", "gadong_ju", "cv_ya", "shot_ya", "gadong_ya"}) {
            out << QString::fromLatin1(stem) + QString::number(n);
        }
    }
    return out;
}

QStringList reportColumns() {
    const QStringList halves = words(
        "process_name car_name qty palette_ea jakup_date product_code pumbun product_name lot_no "
        "barcode employee_name bigo op_seq_sub");
    QStringList out = halves;
    for (const QString& c : halves) out << c + QLatin1Char('2');
    out << QStringLiteral("idx") << QStringLiteral("car_name3");
    return out;
}

QStringList storeColumns() {
    return words(
        "idx product_code lot_no reg_date ipgo_no ipgo_no_sub ipgo_su culgo_no culgo_no_sub "
        "culgo_su culgo_type jego_su last_date last_time user_id");
}

}  // namespace

const QList<PlantTable>& plantTables() {
    static const QList<PlantTable> tables = {
        {"B_CUSTOMER", words("customer_code customer_name")},
        {"B_PRODUCT_MASTER",
         words("product_code pumbun eono product_name standard unit_code type product_type_code "
               "car_code abc use_yn customer_code process_code equipment_code culha_pumbun")},
        {"B_PROCESS", words("process_code process_name")},
        {"B_EQUIPMENT", words("equipment_code equipment_name ipaddress")},
        {"B_EMPLOYEE", words("idx employee_no employee_name")},
        {"B_CAR", words("car_code car_name")},
        {"B_PALETTE", words("palette_code")},
        {"B_BOM", words("bom_code high_bom_code product_code usage")},
        {"B_PROCESSBAD", words("processbad_code processbad_name")},
        {"B_PROCESSBAD1", words("processbad_code process_code")},
        {"B_BIGADONG", words("bigadong_code bigadong_name")},
        {"B_PRODUCT_TYPE", words("product_type_code")},
        {"B_ABC", {}},
        {"B_TESTLIST", {}},
        {"B_TESTLIST_TYPE", {}},
        {"Q_CHOJUNGJONGTEST_STD", words("process_test_num product_code reg_yn path")},
        {"Q_CHOJUNGJONGTEST_STD_SUB",
         words("process_test_num_sub testlist_code spec_std spec_min spec_max spec_unit "
               "process_test_gu process_siryo_su sortby")},
        {"M_MATERIAL_IPHA", words("product_code lot_no")},
        {"B_JAKUPJISI_MASTER",
         words("prod_no seq jisi_date juya_gubun customer_code customer_name process_code "
               "equipment_code product_code cproduct_code product_name_detail plan_qty order_qty "
               "qty bad_qty employee_su employee_no end_yn chulha_yn palette_code sunbun "
               "last_date last_time user_id")},
        {"P_SANGSAN_MASTER",
         words("idx prod_no seq op_seq op_seq_sub process_code equipment_code product_code "
               "customer_code jisiqty qty bad_qty unit_code sdate edate stime etime min jisi_date "
               "jakup_date employee_su employee_no lot_no last_date last_time user_id")},
        {"P_BADQTY",
         words("idx prod_no seq op_seq op_seq_sub processbad_code bad_qty process_code "
               "equipment_code bigo product_code employee_no last_date last_time user_id")},
        {"P_BIGADONG",
         words("idx prod_no seq op_seq op_seq_sub equipment_code bigadong_code biga_date sdate "
               "stime edate etime min employee_su bigo last_date last_time user_id")},
        {"REAL_TIME", words("equipment_code bigadong work_time")},
        {"S_PRODUCT_STORE", storeColumns()},
        {"P_PRODUCT_STORE", storeColumns()},
        {"S_LOT_HISTORY",
         words("ipgo_no_sub ipgo_product_code culgo_no_sub culgo_product_code lot_no "
               "culgo_lot_no process_code equipment_code reg_date")},
        {"P_PRODUCT_IPGO",
         words("ipgo_no ipgo_no_sub ipgo_date product_code lot_no operation_no_sub ipgo_su "
               "palette_su ipgo_price ipgo_price_sum bigo employee_no last_date last_time "
               "user_id")},
        {"Q_MOLDTEST_RESULT", moldColumns()},
        {"Q_CHOJUNGJONGTEST_RESULT",
         words("prod_no seq product_code process_test_num process_test_check "
               "process_test_result process_test_select process_test_su process_tester_id "
               "lot_no process_test_date process_pass_su process_bad_su process_num "
               "process_juya bigo last_date last_time user_id")},
        {"Q_CHOJUNGJONGTEST_RESULT_SUB",
         words("seq process_test_num process_test_num_sub process_test_date product_code "
               "process_num x1 x2 x3 x4 x5 x6 x7 x8 x9 process_check process_test_result_sub "
               "process_juya contents_sub time last_date last_time user_id")},
        {"S_DATAREPORT1", reportColumns()},
    };
    return tables;
}

QStringList identityTables() {
    return {"P_BADQTY", "P_BIGADONG", "S_PRODUCT_STORE", "P_PRODUCT_STORE", "P_SANGSAN_MASTER"};
}

}  // namespace plantdb
