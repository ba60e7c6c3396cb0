#include "PlantFixture.h"

#include "foundation/DemoPlant.h"
#include "foundation/PlantRules.h"

void PlantTest::SetUp() {
    QString error;
    const QString path = folder_.file(QStringLiteral("plant.db"));
    ASSERT_TRUE(mes::gfCREATE_SCHEMA(path, &error)) << error.toStdString();
    db_.open(path);
    mes::usePlantRules(db_);
    db_.setClock([this] { return clock_; });
    const char* seed[] = {
        "INSERT INTO B_CUSTOMER (customer_code, customer_name) VALUES ('C01', '한빛자동차'), "
        "('C02', 'Daesung')",
        "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('1000', '프레스'), ('2000', "
        "'사출')",
        "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) VALUES "
        "('E01', '프레스1호기', '1000', '10.0.0.5'), ('E02', '사출2호기', '2000', '10.0.0.9')",
        "INSERT INTO B_CAR (car_code, car_name) VALUES ('K1', '소나타')",
        "INSERT INTO B_PRODUCT_TYPE (product_type_code, product_type_name) VALUES ('T1', "
        "'완제품류')",
        "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, eono, product_name, standard, "
        "unit_code, type, "
        "product_type_code, car_code, customer_code, process_code, equipment_code, use_yn, "
        "culha_pumbun) VALUES "
        "('P01', 'PN-01', 'A', '브래킷', '10x20', 'EA', '완제품', 'T1', 'K1', 'C01', '1000', "
        "'E01', '1', 'SH-01'), "
        "('P02', 'PN-02', 'B', '커버', NULL, 'KG', '반제품', 'T1', NULL, 'C01', '2000', 'E02', "
        "'0', NULL), "
        "('M01', 'MN-01', NULL, '코일', NULL, 'KG', '원자재', 'T1', NULL, 'C02', '1000', 'E01', "
        "'1', NULL), "
        "('M02', 'MN-02', NULL, '볼트', NULL, 'EA', '원자재', 'T1', NULL, 'C02', '1000', 'E01', "
        "'1', NULL)",
        "INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES "
        "('B-P01', NULL, 'P01', 1), ('B-M01', 'B-P01', 'M01', 2), ('B-M02', 'B-P01', 'M02', 1)",
        "INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES ('EMP1', '김철수'), ('EMP2', "
        "'이영희')",
        "INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('B01', '찍힘'), "
        "('B02', '버'), ('B03', '미성형')",
        "INSERT INTO B_PROCESSBAD1 (processbad_code, process_code) VALUES ('B01', '1000'), ('B02', "
        "'1000'), ('B03', '2000')",
        "INSERT INTO B_BIGADONG (bigadong_code, bigadong_name) VALUES ('D01', '금형교체'), ('D02', "
        "'자재대기')",
        "INSERT INTO REAL_TIME (equipment_code, bigadong, work_time) VALUES ('E01', 'FALSE', NULL)",
    };
    for (const char* sql : seed) db_.execute(QString::fromUtf8(sql));
}

void PlantTest::addOrder(const QString& seq, const QString& date, const QString& endYn,
                         const QString& runKey, const QString& orderQty, const QString& qty,
                         const QString& badQty) {
    db_.execute(
        QStringLiteral(
            "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, jisi_date, juya_gubun, customer_code, "
            "process_code, equipment_code, product_code, order_qty, qty, bad_qty, employee_su, "
            "employee_no, end_yn, chulha_yn) VALUES (%1, %2, %3, NULL, 'C01', '1000', 'E01', "
            "'P01', "
            "%4, %5, %6, '1', 'EMP1', %7, '0')")
            .arg(q(seq.left(11)), q(seq), q(date), q(orderQty), q(qty), q(badQty), q(endYn)));
    if (runKey.isEmpty()) return;
    db_.execute(
        QStringLiteral(
            "INSERT INTO P_SANGSAN_MASTER (prod_no, seq, op_seq, op_seq_sub, process_code, "
            "equipment_code, product_code, customer_code, jisiqty, qty, bad_qty, sdate, stime, "
            "jisi_date, jakup_date, employee_su, employee_no) VALUES (%1, %2, %3, %4, '1000', "
            "'E01', 'P01', 'C01', %5, %6, %7, %8, '08:00', %8, %8, '1', 'EMP1')")
            .arg(q(seq.left(11)), q(seq), q(runKey.left(11)), q(runKey), q(orderQty), q(qty),
                 q(badQty), q(date)));
}

void PlantTest::addStock(const QString& product, const QString& lot, const QString& date,
                         const QString& in, const QString& out, const QString& balance) {
    db_.execute(
        QStringLiteral(
            "INSERT INTO S_PRODUCT_STORE (product_code, lot_no, reg_date, ipgo_su, culgo_su, "
            "jego_su) VALUES (%1, %2, %3, %4, %5, %6)")
            .arg(q(product), lot.isNull() ? QStringLiteral("NULL") : q(lot), q(date), in, out,
                 balance));
}

QStringList PlantTest::texts(const QString& sql) {
    QStringList out;
    for (const QVariantList& row : rows(sql)) {
        QStringList cells;
        for (const QVariant& v : row) cells << (v.isNull() ? QStringLiteral("NULL") : v.toString());
        out << cells.join(u'|');
    }
    return out;
}
