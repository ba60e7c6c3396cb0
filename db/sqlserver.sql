-- Plant tables for SQL Server: creates a test plant database with the tables the
-- terminal reads and writes. Run it in an empty database with a Korean collation:
--   sqlcmd -b -S HOST,PORT -U USER -Q "CREATE DATABASE DBNAME COLLATE Korean_Wansung_CI_AS"
--   sqlcmd -b -S HOST,PORT -U USER -d DBNAME -i sqlserver.sql
-- Codes, dates ("yyyy-mm-dd") and times are nvarchar with the database's default
-- collation; quantities are numbers, so quoted values such as '150' convert on insert.

-- The terminal sends Korean text in quotes without the N prefix. Such a literal is
-- varchar in the code page of the database's default collation, so on any other than
-- Korean (949) or UTF-8 (65001, SQL Server 2019 on) "불량" is stored as "??". The
-- script refuses such a database and creates nothing.
IF ISNULL(CONVERT(int, COLLATIONPROPERTY(CONVERT(nvarchar(128),
          DATABASEPROPERTYEX(DB_NAME(), 'Collation')), 'CodePage')), 0) NOT IN (949, 65001)
BEGIN
    RAISERROR('The database collation loses Korean text: create the database with a Korean collation such as Korean_Wansung_CI_AS.', 16, 1);
    SET NOEXEC ON;
END;

-- ---------------------------------------------------------------- masters

CREATE TABLE B_CUSTOMER (
    customer_code   nvarchar(50) NOT NULL PRIMARY KEY,
    customer_name   nvarchar(100)
);

CREATE TABLE B_PROCESS (
    process_code    nvarchar(50) NOT NULL PRIMARY KEY,
    process_name    nvarchar(100)
);

CREATE TABLE B_EQUIPMENT (
    equipment_code  nvarchar(50) NOT NULL PRIMARY KEY,
    equipment_name  nvarchar(100),
    process_code    nvarchar(50),
    ipaddress       nvarchar(50)
);
CREATE INDEX IX_B_EQUIPMENT_ipaddress ON B_EQUIPMENT (ipaddress);

CREATE TABLE B_EMPLOYEE (
    idx             int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    employee_no     nvarchar(50) NOT NULL UNIQUE,
    employee_name   nvarchar(100)
);

CREATE TABLE B_CAR (
    car_code        nvarchar(50) NOT NULL PRIMARY KEY,
    car_name        nvarchar(100)
);

CREATE TABLE B_PALETTE (
    palette_code    nvarchar(50) NOT NULL PRIMARY KEY,
    palette_name    nvarchar(100)
);

CREATE TABLE B_PRODUCT_TYPE (
    product_type_code nvarchar(50) NOT NULL PRIMARY KEY,
    product_type_name nvarchar(100)
);

CREATE TABLE B_ABC (
    abc             nvarchar(50) NOT NULL PRIMARY KEY,
    abc_name        nvarchar(100)
);

CREATE TABLE B_PRODUCT_MASTER (
    product_code      nvarchar(50) NOT NULL PRIMARY KEY,
    pumbun            nvarchar(50),
    eono              nvarchar(50),
    product_name      nvarchar(100),
    standard          nvarchar(100),
    unit_code         nvarchar(50),
    type              nvarchar(50),
    product_type_code nvarchar(50),
    car_code          nvarchar(50),
    abc               nvarchar(50),
    culha_pumbun      nvarchar(100),
    customer_code     nvarchar(50),
    process_code      nvarchar(50),
    equipment_code    nvarchar(50),
    use_yn            nvarchar(50)
);
CREATE INDEX IX_B_PRODUCT_MASTER_customer ON B_PRODUCT_MASTER (customer_code, use_yn);

-- One level: a product's row carries bom_code; its components carry that code
-- as high_bom_code.
CREATE TABLE B_BOM (
    bom_code        nvarchar(50) NOT NULL PRIMARY KEY,
    high_bom_code   nvarchar(50),
    product_code    nvarchar(50) NOT NULL,
    usage           numeric(18,4)
);
CREATE INDEX IX_B_BOM_high ON B_BOM (high_bom_code);
CREATE INDEX IX_B_BOM_product ON B_BOM (product_code);

CREATE TABLE B_PROCESSBAD (
    processbad_code nvarchar(50) NOT NULL PRIMARY KEY,
    processbad_name nvarchar(100)
);

CREATE TABLE B_PROCESSBAD1 (
    processbad_code nvarchar(50) NOT NULL,
    process_code    nvarchar(50) NOT NULL,
    PRIMARY KEY (processbad_code, process_code)
);
CREATE INDEX IX_B_PROCESSBAD1_process ON B_PROCESSBAD1 (process_code);

CREATE TABLE B_BIGADONG (
    bigadong_code   nvarchar(50) NOT NULL PRIMARY KEY,
    bigadong_name   nvarchar(100)
);

CREATE TABLE B_TESTLIST_TYPE (
    testlist_type_code nvarchar(50) NOT NULL PRIMARY KEY,
    testlist_type_name nvarchar(100)
);

CREATE TABLE B_TESTLIST (
    testlist_code      nvarchar(50) NOT NULL PRIMARY KEY,
    testlist_name      nvarchar(100),
    testlist_type_code nvarchar(50)
);

CREATE TABLE Q_CHOJUNGJONGTEST_STD (
    process_test_num nvarchar(50) NOT NULL PRIMARY KEY,
    product_code     nvarchar(50),
    reg_yn           nvarchar(50),
    path             nvarchar(255)
);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_STD_product ON Q_CHOJUNGJONGTEST_STD (product_code);

CREATE TABLE Q_CHOJUNGJONGTEST_STD_SUB (
    process_test_num_sub nvarchar(50) NOT NULL PRIMARY KEY,
    process_test_num     nvarchar(50) NOT NULL,
    testlist_code        nvarchar(50),
    spec_std             nvarchar(50),
    spec_min             nvarchar(50),
    spec_max             nvarchar(50),
    spec_unit            nvarchar(50),
    process_test_gu      nvarchar(50),
    process_siryo_su     int,
    sortby               int
);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_STD_SUB_num ON Q_CHOJUNGJONGTEST_STD_SUB (process_test_num);

CREATE TABLE M_MATERIAL_IPHA (
    idx             int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    product_code    nvarchar(50),
    lot_no          nvarchar(50),
    ipha_date       nvarchar(20),
    ipha_su         numeric(18,2),
    customer_code   nvarchar(50)
);
CREATE INDEX IX_M_MATERIAL_IPHA_lot ON M_MATERIAL_IPHA (product_code, lot_no);

-- ---------------------------------------------------------------- work orders and runs

-- END_YN: '1' not started, '2' in progress, '3' finished.
CREATE TABLE B_JAKUPJISI_MASTER (
    idx                 int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    prod_no             nvarchar(50),
    seq                 nvarchar(50) NOT NULL UNIQUE,
    jisi_date           nvarchar(20),
    juya_gubun          nvarchar(50),
    customer_code       nvarchar(50),
    customer_name       nvarchar(100),
    process_code        nvarchar(50),
    equipment_code      nvarchar(50),
    product_code        nvarchar(50),
    cproduct_code       nvarchar(50),
    product_name_detail nvarchar(100),
    plan_qty            numeric(18,2),
    order_qty           numeric(18,2),
    qty                 int,
    bad_qty             int,
    employee_su         int,
    employee_no         nvarchar(50),
    end_yn              nvarchar(50),
    chulha_yn           nvarchar(50),
    palette_code        nvarchar(50),
    sunbun              int,
    last_date           nvarchar(20),
    last_time           nvarchar(10),
    user_id             nvarchar(50)
);
CREATE INDEX IX_B_JAKUPJISI_MASTER_date ON B_JAKUPJISI_MASTER (jisi_date, end_yn);
CREATE INDEX IX_B_JAKUPJISI_MASTER_state ON B_JAKUPJISI_MASTER (end_yn, jisi_date);
CREATE INDEX IX_B_JAKUPJISI_MASTER_prod_no ON B_JAKUPJISI_MASTER (prod_no);
CREATE INDEX IX_B_JAKUPJISI_MASTER_customer ON B_JAKUPJISI_MASTER (customer_code, jisi_date);

-- Op_Seq = work-order date yyyymmdd + 3-digit counter; Op_Seq_sub = Op_Seq + '001'.
CREATE TABLE P_SANGSAN_MASTER (
    idx             int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    prod_no         nvarchar(50),
    seq             nvarchar(50),
    op_seq          nvarchar(50),
    op_seq_sub      nvarchar(50) NOT NULL UNIQUE,
    process_code    nvarchar(50),
    equipment_code  nvarchar(50),
    product_code    nvarchar(50),
    customer_code   nvarchar(50),
    jisiqty         numeric(18,2),
    qty             int,
    bad_qty         int,
    unit_code       nvarchar(50),
    sdate           nvarchar(20),
    edate           nvarchar(20),
    stime           nvarchar(10),
    etime           nvarchar(10),
    min             int,
    jisi_date       nvarchar(20),
    jakup_date      nvarchar(20),
    employee_su     int,
    employee_no     nvarchar(50),
    lot_no          nvarchar(50),
    last_date       nvarchar(20),
    last_time       nvarchar(10),
    user_id         nvarchar(50)
);
CREATE INDEX IX_P_SANGSAN_MASTER_seq ON P_SANGSAN_MASTER (seq);
CREATE INDEX IX_P_SANGSAN_MASTER_op_seq ON P_SANGSAN_MASTER (op_seq);
CREATE INDEX IX_P_SANGSAN_MASTER_equipment ON P_SANGSAN_MASTER (equipment_code, op_seq_sub);
CREATE INDEX IX_P_SANGSAN_MASTER_jisi_date ON P_SANGSAN_MASTER (jisi_date);
CREATE INDEX IX_P_SANGSAN_MASTER_jakup_date ON P_SANGSAN_MASTER (jakup_date);

CREATE TABLE P_BADQTY (
    idx             int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    prod_no         nvarchar(50),
    seq             nvarchar(50),
    op_seq          nvarchar(50),
    op_seq_sub      nvarchar(50),
    processbad_code nvarchar(50),
    bad_qty         int,
    process_code    nvarchar(50),
    equipment_code  nvarchar(50),
    bigo            nvarchar(255),
    product_code    nvarchar(50),
    employee_no     nvarchar(50),
    last_date       nvarchar(20),
    last_time       nvarchar(10),
    user_id         nvarchar(50)
);
CREATE INDEX IX_P_BADQTY_run ON P_BADQTY (op_seq_sub, processbad_code);

-- Timed stops (no cause, open while etime is null) and cause rows share the table.
CREATE TABLE P_BIGADONG (
    idx             int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    prod_no         nvarchar(50),
    seq             nvarchar(50),
    op_seq          nvarchar(50),
    op_seq_sub      nvarchar(50),
    equipment_code  nvarchar(50),
    bigadong_code   nvarchar(50),
    biga_date       nvarchar(20),
    sdate           nvarchar(20),
    stime           nvarchar(10),
    edate           nvarchar(20),
    etime           nvarchar(10),
    min             int,
    employee_su     int,
    bigo            nvarchar(255),
    last_date       nvarchar(20),
    last_time       nvarchar(10),
    user_id         nvarchar(50)
);
CREATE INDEX IX_P_BIGADONG_run ON P_BIGADONG (op_seq_sub, bigadong_code);
CREATE INDEX IX_P_BIGADONG_equipment ON P_BIGADONG (equipment_code, biga_date);
-- The open stops of a run: without it the planner reads a machine's whole stop history.
CREATE INDEX IX_P_BIGADONG_open ON P_BIGADONG (op_seq_sub, equipment_code, etime);

-- Live stop flag per machine: bigadong 'TRUE' / 'FALSE'.
CREATE TABLE REAL_TIME (
    equipment_code  nvarchar(50) NOT NULL PRIMARY KEY,
    bigadong        nvarchar(50),
    work_time       datetime
);

-- ---------------------------------------------------------------- stock and lots

-- Movement ledgers; jego_su is the product's balance after the movement.
CREATE TABLE S_PRODUCT_STORE (
    idx             int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    product_code    nvarchar(50),
    lot_no          nvarchar(50),
    reg_date        nvarchar(20),
    ipgo_no         nvarchar(50),
    ipgo_no_sub     nvarchar(50),
    ipgo_su         numeric(18,2),
    culgo_no        nvarchar(50),
    culgo_no_sub    nvarchar(50),
    culgo_su        numeric(18,2),
    culgo_type      nvarchar(50),
    jego_su         numeric(18,2),
    last_date       nvarchar(20),
    last_time       nvarchar(10),
    user_id         nvarchar(50)
);
CREATE INDEX IX_S_PRODUCT_STORE_lot ON S_PRODUCT_STORE (product_code, lot_no);
CREATE INDEX IX_S_PRODUCT_STORE_date ON S_PRODUCT_STORE (product_code, reg_date);

CREATE TABLE P_PRODUCT_STORE (
    idx             int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    product_code    nvarchar(50),
    lot_no          nvarchar(50),
    reg_date        nvarchar(20),
    ipgo_no         nvarchar(50),
    ipgo_no_sub     nvarchar(50),
    ipgo_su         numeric(18,2),
    culgo_no        nvarchar(50),
    culgo_no_sub    nvarchar(50),
    culgo_su        numeric(18,2),
    culgo_type      nvarchar(50),
    jego_su         numeric(18,2),
    last_date       nvarchar(20),
    last_time       nvarchar(10),
    user_id         nvarchar(50)
);
CREATE INDEX IX_P_PRODUCT_STORE_lot ON P_PRODUCT_STORE (product_code, lot_no);
CREATE INDEX IX_P_PRODUCT_STORE_date ON P_PRODUCT_STORE (product_code, reg_date);

CREATE TABLE S_LOT_HISTORY (
    idx                int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    ipgo_no_sub        nvarchar(50),
    ipgo_product_code  nvarchar(50),
    culgo_no_sub       nvarchar(50),
    culgo_product_code nvarchar(50),
    lot_no             nvarchar(50),
    culgo_lot_no       nvarchar(50),
    process_code       nvarchar(50),
    equipment_code     nvarchar(50),
    reg_date           nvarchar(20)
);
CREATE INDEX IX_S_LOT_HISTORY_run ON S_LOT_HISTORY (ipgo_no_sub);
CREATE INDEX IX_S_LOT_HISTORY_lot ON S_LOT_HISTORY (lot_no);

CREATE TABLE P_PRODUCT_IPGO (
    idx              int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    ipgo_no          nvarchar(50),
    ipgo_no_sub      nvarchar(50),
    ipgo_date        nvarchar(20),
    product_code     nvarchar(50),
    lot_no           nvarchar(50),
    operation_no_sub nvarchar(50),
    ipgo_su          numeric(18,2),
    palette_su       numeric(18,2),
    ipgo_price       numeric(18,2),
    ipgo_price_sum   numeric(18,2),
    bigo             nvarchar(255),
    employee_no      nvarchar(50),
    last_date        nvarchar(20),
    last_time        nvarchar(10),
    user_id          nvarchar(50)
);
CREATE INDEX IX_P_PRODUCT_IPGO_run ON P_PRODUCT_IPGO (ipgo_no_sub);

-- ---------------------------------------------------------------- quality

-- One sheet per work order (op_seq_sub holds the order's seq) and date.
CREATE TABLE Q_MOLDTEST_RESULT (
    idx          int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    op_seq_sub   nvarchar(50),
    product_code nvarchar(50),
    test_date    nvarchar(20),
    cylinder1 float, sacul1 float, speed1 float, mm1 float,
    cylinder2 float, sacul2 float, speed2 float, mm2 float,
    cylinder3 float, sacul3 float, speed3 float, mm3 float,
    cylinder4 float, sacul4 float, speed4 float, mm4 float,
    cylinder5 float, sacul5 float, speed5 float, mm5 float,
    time_s_ju float, time_s_ya float,
    time_n_ju float, time_n_ya float,
    time_h_ju float, time_h_ya float,
    cv_ju1 float, shot_ju1 float, gadong_ju1 float, cv_ya1 float, shot_ya1 float, gadong_ya1 float,
    cv_ju2 float, shot_ju2 float, gadong_ju2 float, cv_ya2 float, shot_ya2 float, gadong_ya2 float,
    cv_ju3 float, shot_ju3 float, gadong_ju3 float, cv_ya3 float, shot_ya3 float, gadong_ya3 float
);
CREATE INDEX IX_Q_MOLDTEST_RESULT_key ON Q_MOLDTEST_RESULT (op_seq_sub, test_date);

CREATE TABLE Q_CHOJUNGJONGTEST_RESULT (
    idx                 int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    prod_no             nvarchar(50),
    seq                 nvarchar(50),
    product_code        nvarchar(50),
    process_test_num    nvarchar(50),
    process_test_check  nvarchar(50),
    process_test_result nvarchar(50),
    process_test_select nvarchar(50),
    process_test_su     numeric(18,2),
    process_tester_id   nvarchar(50),
    lot_no              nvarchar(50),
    process_test_date   nvarchar(20),
    process_pass_su     numeric(18,2),
    process_bad_su      numeric(18,2),
    process_num         nvarchar(50),
    process_juya        nvarchar(50),
    bigo                nvarchar(255),
    last_date           nvarchar(20),
    last_time           nvarchar(10),
    user_id             nvarchar(50)
);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_RESULT_key
    ON Q_CHOJUNGJONGTEST_RESULT (product_code, seq, process_juya, process_test_num);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_RESULT_date ON Q_CHOJUNGJONGTEST_RESULT (process_test_date);

CREATE TABLE Q_CHOJUNGJONGTEST_RESULT_SUB (
    idx                     int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    seq                     nvarchar(50),
    process_test_num        nvarchar(50),
    process_test_num_sub    nvarchar(50),
    process_test_date       nvarchar(20),
    product_code            nvarchar(50),
    process_num             nvarchar(50),
    x1 nvarchar(50), x2 nvarchar(50), x3 nvarchar(50),
    x4 nvarchar(50), x5 nvarchar(50), x6 nvarchar(50),
    x7 nvarchar(50), x8 nvarchar(50), x9 nvarchar(50),
    process_check           nvarchar(50),
    process_test_result_sub nvarchar(50),
    process_juya            nvarchar(50),
    contents_sub            nvarchar(255),
    time                    nvarchar(10),
    last_date               nvarchar(20),
    last_time               nvarchar(10),
    user_id                 nvarchar(50)
);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_RESULT_SUB_key
    ON Q_CHOJUNGJONGTEST_RESULT_SUB (product_code, seq, process_juya, process_test_num_sub);

-- ---------------------------------------------------------------- reports

-- One-row hand-off to the move ticket; the terminal writes idx '1' itself.
CREATE TABLE S_DATAREPORT1 (
    idx           int NOT NULL PRIMARY KEY,
    process_name  nvarchar(100),
    car_name      nvarchar(100),
    car_name3     nvarchar(100),
    qty           nvarchar(100),
    palette_ea    nvarchar(100),
    jakup_date    nvarchar(100),
    product_code  nvarchar(100),
    pumbun        nvarchar(100),
    product_name  nvarchar(100),
    lot_no        nvarchar(100),
    barcode       nvarchar(100),
    employee_name nvarchar(100),
    bigo          nvarchar(100),
    op_seq_sub    nvarchar(100),
    process_name2  nvarchar(100),
    car_name2      nvarchar(100),
    qty2           nvarchar(100),
    palette_ea2    nvarchar(100),
    jakup_date2    nvarchar(100),
    product_code2  nvarchar(100),
    pumbun2        nvarchar(100),
    product_name2  nvarchar(100),
    lot_no2        nvarchar(100),
    barcode2       nvarchar(100),
    employee_name2 nvarchar(100),
    bigo2          nvarchar(100),
    op_seq_sub2    nvarchar(100)
);

SET NOEXEC OFF;
