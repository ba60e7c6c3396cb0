-- Plant tables for the embedded engine (SQLite).
-- Text columns compare as the plant server does: case-insensitive, trailing blanks
-- ignored (collation CI_AS, registered by the engine on open). Quantities are
-- NUMERIC/INTEGER/REAL so that quoted values such as '150' are stored as numbers.
-- Lengths and scales are the SQL Server script's: the engine enforces them on
-- writes as the server does (truncation errors, rounding).
-- Dates are text "yyyy-mm-dd", run times "HH:MM", audit times "hhmmss".

-- ---------------------------------------------------------------- masters

CREATE TABLE B_CUSTOMER (
    customer_code   NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    customer_name   NVARCHAR(100) COLLATE CI_AS
);

CREATE TABLE B_PROCESS (
    process_code    NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    process_name    NVARCHAR(100) COLLATE CI_AS
);

CREATE TABLE B_EQUIPMENT (
    equipment_code  NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    equipment_name  NVARCHAR(100) COLLATE CI_AS,
    process_code    NVARCHAR(50) COLLATE CI_AS,
    ipaddress       NVARCHAR(50) COLLATE CI_AS
);
CREATE INDEX IX_B_EQUIPMENT_ipaddress ON B_EQUIPMENT (ipaddress);

CREATE TABLE B_EMPLOYEE (
    idx             INTEGER PRIMARY KEY AUTOINCREMENT,
    employee_no     NVARCHAR(50) COLLATE CI_AS NOT NULL UNIQUE,
    employee_name   NVARCHAR(100) COLLATE CI_AS
);

CREATE TABLE B_CAR (
    car_code        NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    car_name        NVARCHAR(100) COLLATE CI_AS
);

CREATE TABLE B_PALETTE (
    palette_code    NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    palette_name    NVARCHAR(100) COLLATE CI_AS
);

CREATE TABLE B_PRODUCT_TYPE (
    product_type_code NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    product_type_name NVARCHAR(100) COLLATE CI_AS
);

CREATE TABLE B_ABC (
    abc             NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    abc_name        NVARCHAR(100) COLLATE CI_AS
);

CREATE TABLE B_PRODUCT_MASTER (
    product_code      NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    pumbun            NVARCHAR(50) COLLATE CI_AS,
    eono              NVARCHAR(50) COLLATE CI_AS,
    product_name      NVARCHAR(100) COLLATE CI_AS,
    standard          NVARCHAR(100) COLLATE CI_AS,
    unit_code         NVARCHAR(50) COLLATE CI_AS,
    type              NVARCHAR(50) COLLATE CI_AS,
    product_type_code NVARCHAR(50) COLLATE CI_AS,
    car_code          NVARCHAR(50) COLLATE CI_AS,
    abc               NVARCHAR(50) COLLATE CI_AS,
    culha_pumbun      NVARCHAR(100) COLLATE CI_AS,
    customer_code     NVARCHAR(50) COLLATE CI_AS,
    process_code      NVARCHAR(50) COLLATE CI_AS,
    equipment_code    NVARCHAR(50) COLLATE CI_AS,
    use_yn            NVARCHAR(50) COLLATE CI_AS
);
CREATE INDEX IX_B_PRODUCT_MASTER_customer ON B_PRODUCT_MASTER (customer_code, use_yn);

-- One level: a product's row carries bom_code; its components carry that code
-- as high_bom_code.
CREATE TABLE B_BOM (
    bom_code        NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    high_bom_code   NVARCHAR(50) COLLATE CI_AS,
    product_code    NVARCHAR(50) COLLATE CI_AS NOT NULL,
    usage           NUMERIC(18,4)
);
CREATE INDEX IX_B_BOM_high ON B_BOM (high_bom_code);
CREATE INDEX IX_B_BOM_product ON B_BOM (product_code);

CREATE TABLE B_PROCESSBAD (
    processbad_code NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    processbad_name NVARCHAR(100) COLLATE CI_AS
);

CREATE TABLE B_PROCESSBAD1 (
    processbad_code NVARCHAR(50) COLLATE CI_AS NOT NULL,
    process_code    NVARCHAR(50) COLLATE CI_AS NOT NULL,
    PRIMARY KEY (processbad_code, process_code)
);
CREATE INDEX IX_B_PROCESSBAD1_process ON B_PROCESSBAD1 (process_code);

CREATE TABLE B_BIGADONG (
    bigadong_code   NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    bigadong_name   NVARCHAR(100) COLLATE CI_AS
);

CREATE TABLE B_TESTLIST_TYPE (
    testlist_type_code NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    testlist_type_name NVARCHAR(100) COLLATE CI_AS
);

CREATE TABLE B_TESTLIST (
    testlist_code      NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    testlist_name      NVARCHAR(100) COLLATE CI_AS,
    testlist_type_code NVARCHAR(50) COLLATE CI_AS
);

CREATE TABLE Q_CHOJUNGJONGTEST_STD (
    process_test_num NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    product_code     NVARCHAR(50) COLLATE CI_AS,
    reg_yn           NVARCHAR(50) COLLATE CI_AS,
    path             NVARCHAR(255) COLLATE CI_AS
);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_STD_product ON Q_CHOJUNGJONGTEST_STD (product_code);

CREATE TABLE Q_CHOJUNGJONGTEST_STD_SUB (
    process_test_num_sub NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    process_test_num     NVARCHAR(50) COLLATE CI_AS NOT NULL,
    testlist_code        NVARCHAR(50) COLLATE CI_AS,
    spec_std             NVARCHAR(50) COLLATE CI_AS,
    spec_min             NVARCHAR(50) COLLATE CI_AS,
    spec_max             NVARCHAR(50) COLLATE CI_AS,
    spec_unit            NVARCHAR(50) COLLATE CI_AS,
    process_test_gu      NVARCHAR(50) COLLATE CI_AS,
    process_siryo_su     INTEGER,
    sortby               INTEGER
);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_STD_SUB_num ON Q_CHOJUNGJONGTEST_STD_SUB (process_test_num);

CREATE TABLE M_MATERIAL_IPHA (
    idx             INTEGER PRIMARY KEY AUTOINCREMENT,
    product_code    NVARCHAR(50) COLLATE CI_AS,
    lot_no          NVARCHAR(50) COLLATE CI_AS,
    ipha_date       NVARCHAR(20) COLLATE CI_AS,
    ipha_su         NUMERIC(18,2),
    customer_code   NVARCHAR(50) COLLATE CI_AS
);
CREATE INDEX IX_M_MATERIAL_IPHA_lot ON M_MATERIAL_IPHA (product_code, lot_no);

-- ---------------------------------------------------------------- work orders and runs

-- END_YN: '1' not started, '2' in progress, '3' finished.
CREATE TABLE B_JAKUPJISI_MASTER (
    idx                 INTEGER PRIMARY KEY AUTOINCREMENT,
    prod_no             NVARCHAR(50) COLLATE CI_AS,
    seq                 NVARCHAR(50) COLLATE CI_AS NOT NULL UNIQUE,
    jisi_date           NVARCHAR(20) COLLATE CI_AS,
    juya_gubun          NVARCHAR(50) COLLATE CI_AS,
    customer_code       NVARCHAR(50) COLLATE CI_AS,
    customer_name       NVARCHAR(100) COLLATE CI_AS,
    process_code        NVARCHAR(50) COLLATE CI_AS,
    equipment_code      NVARCHAR(50) COLLATE CI_AS,
    product_code        NVARCHAR(50) COLLATE CI_AS,
    cproduct_code       NVARCHAR(50) COLLATE CI_AS,
    product_name_detail NVARCHAR(100) COLLATE CI_AS,
    plan_qty            NUMERIC(18,2),
    order_qty           NUMERIC(18,2),
    qty                 INTEGER,
    bad_qty             INTEGER,
    employee_su         INTEGER,
    employee_no         NVARCHAR(50) COLLATE CI_AS,
    end_yn              NVARCHAR(50) COLLATE CI_AS,
    chulha_yn           NVARCHAR(50) COLLATE CI_AS,
    palette_code        NVARCHAR(50) COLLATE CI_AS,
    sunbun              INTEGER,
    last_date           NVARCHAR(20) COLLATE CI_AS,
    last_time           NVARCHAR(10) COLLATE CI_AS,
    user_id             NVARCHAR(50) COLLATE CI_AS
);
CREATE INDEX IX_B_JAKUPJISI_MASTER_date ON B_JAKUPJISI_MASTER (jisi_date, end_yn);
-- The machine column lets the date strip read its open dates from the index alone.
CREATE INDEX IX_B_JAKUPJISI_MASTER_state ON B_JAKUPJISI_MASTER (end_yn, jisi_date, equipment_code);
CREATE INDEX IX_B_JAKUPJISI_MASTER_prod_no ON B_JAKUPJISI_MASTER (prod_no);
CREATE INDEX IX_B_JAKUPJISI_MASTER_customer ON B_JAKUPJISI_MASTER (customer_code, jisi_date);

-- Op_Seq = work-order date yyyymmdd + 3-digit counter; Op_Seq_sub = Op_Seq + '001'.
CREATE TABLE P_SANGSAN_MASTER (
    idx             INTEGER PRIMARY KEY AUTOINCREMENT,
    prod_no         NVARCHAR(50) COLLATE CI_AS,
    seq             NVARCHAR(50) COLLATE CI_AS,
    op_seq          NVARCHAR(50) COLLATE CI_AS,
    op_seq_sub      NVARCHAR(50) COLLATE CI_AS NOT NULL UNIQUE,
    process_code    NVARCHAR(50) COLLATE CI_AS,
    equipment_code  NVARCHAR(50) COLLATE CI_AS,
    product_code    NVARCHAR(50) COLLATE CI_AS,
    customer_code   NVARCHAR(50) COLLATE CI_AS,
    jisiqty         NUMERIC(18,2),
    qty             INTEGER,
    bad_qty         INTEGER,
    unit_code       NVARCHAR(50) COLLATE CI_AS,
    sdate           NVARCHAR(20) COLLATE CI_AS,
    edate           NVARCHAR(20) COLLATE CI_AS,
    stime           NVARCHAR(10) COLLATE CI_AS,
    etime           NVARCHAR(10) COLLATE CI_AS,
    min             INTEGER,
    jisi_date       NVARCHAR(20) COLLATE CI_AS,
    jakup_date      NVARCHAR(20) COLLATE CI_AS,
    employee_su     INTEGER,
    employee_no     NVARCHAR(50) COLLATE CI_AS,
    lot_no          NVARCHAR(50) COLLATE CI_AS,
    last_date       NVARCHAR(20) COLLATE CI_AS,
    last_time       NVARCHAR(10) COLLATE CI_AS,
    user_id         NVARCHAR(50) COLLATE CI_AS
);
-- The worker column answers the list's latest worker of an order from the index alone.
CREATE INDEX IX_P_SANGSAN_MASTER_seq ON P_SANGSAN_MASTER (seq, employee_no);
CREATE INDEX IX_P_SANGSAN_MASTER_op_seq ON P_SANGSAN_MASTER (op_seq);
CREATE INDEX IX_P_SANGSAN_MASTER_equipment ON P_SANGSAN_MASTER (equipment_code, op_seq_sub);
CREATE INDEX IX_P_SANGSAN_MASTER_jisi_date ON P_SANGSAN_MASTER (jisi_date);
CREATE INDEX IX_P_SANGSAN_MASTER_jakup_date ON P_SANGSAN_MASTER (jakup_date);

CREATE TABLE P_BADQTY (
    idx             INTEGER PRIMARY KEY AUTOINCREMENT,
    prod_no         NVARCHAR(50) COLLATE CI_AS,
    seq             NVARCHAR(50) COLLATE CI_AS,
    op_seq          NVARCHAR(50) COLLATE CI_AS,
    op_seq_sub      NVARCHAR(50) COLLATE CI_AS,
    processbad_code NVARCHAR(50) COLLATE CI_AS,
    bad_qty         INTEGER,
    process_code    NVARCHAR(50) COLLATE CI_AS,
    equipment_code  NVARCHAR(50) COLLATE CI_AS,
    bigo            NVARCHAR(255) COLLATE CI_AS,
    product_code    NVARCHAR(50) COLLATE CI_AS,
    employee_no     NVARCHAR(50) COLLATE CI_AS,
    last_date       NVARCHAR(20) COLLATE CI_AS,
    last_time       NVARCHAR(10) COLLATE CI_AS,
    user_id         NVARCHAR(50) COLLATE CI_AS
);
CREATE INDEX IX_P_BADQTY_run ON P_BADQTY (op_seq_sub, processbad_code);

-- Timed stops (no cause, open while etime is null) and cause rows share the table.
CREATE TABLE P_BIGADONG (
    idx             INTEGER PRIMARY KEY AUTOINCREMENT,
    prod_no         NVARCHAR(50) COLLATE CI_AS,
    seq             NVARCHAR(50) COLLATE CI_AS,
    op_seq          NVARCHAR(50) COLLATE CI_AS,
    op_seq_sub      NVARCHAR(50) COLLATE CI_AS,
    equipment_code  NVARCHAR(50) COLLATE CI_AS,
    bigadong_code   NVARCHAR(50) COLLATE CI_AS,
    biga_date       NVARCHAR(20) COLLATE CI_AS,
    sdate           NVARCHAR(20) COLLATE CI_AS,
    stime           NVARCHAR(10) COLLATE CI_AS,
    edate           NVARCHAR(20) COLLATE CI_AS,
    etime           NVARCHAR(10) COLLATE CI_AS,
    min             INTEGER,
    employee_su     INTEGER,
    bigo            NVARCHAR(255) COLLATE CI_AS,
    last_date       NVARCHAR(20) COLLATE CI_AS,
    last_time       NVARCHAR(10) COLLATE CI_AS,
    user_id         NVARCHAR(50) COLLATE CI_AS
);
CREATE INDEX IX_P_BIGADONG_run ON P_BIGADONG (op_seq_sub, bigadong_code);
CREATE INDEX IX_P_BIGADONG_equipment ON P_BIGADONG (equipment_code, biga_date);
-- The open stops of a run: without it the planner reads a machine's whole stop history.
CREATE INDEX IX_P_BIGADONG_open ON P_BIGADONG (op_seq_sub, equipment_code, etime);

-- Live stop flag per machine: bigadong 'TRUE' / 'FALSE'.
CREATE TABLE REAL_TIME (
    equipment_code  NVARCHAR(50) COLLATE CI_AS NOT NULL PRIMARY KEY,
    bigadong        NVARCHAR(50) COLLATE CI_AS,
    work_time       TEXT COLLATE CI_AS
);

-- ---------------------------------------------------------------- stock and lots

-- Movement ledgers; jego_su is the product's balance after the movement.
CREATE TABLE S_PRODUCT_STORE (
    idx             INTEGER PRIMARY KEY AUTOINCREMENT,
    product_code    NVARCHAR(50) COLLATE CI_AS,
    lot_no          NVARCHAR(50) COLLATE CI_AS,
    reg_date        NVARCHAR(20) COLLATE CI_AS,
    ipgo_no         NVARCHAR(50) COLLATE CI_AS,
    ipgo_no_sub     NVARCHAR(50) COLLATE CI_AS,
    ipgo_su         NUMERIC(18,2),
    culgo_no        NVARCHAR(50) COLLATE CI_AS,
    culgo_no_sub    NVARCHAR(50) COLLATE CI_AS,
    culgo_su        NUMERIC(18,2),
    culgo_type      NVARCHAR(50) COLLATE CI_AS,
    jego_su         NUMERIC(18,2),
    last_date       NVARCHAR(20) COLLATE CI_AS,
    last_time       NVARCHAR(10) COLLATE CI_AS,
    user_id         NVARCHAR(50) COLLATE CI_AS
);
CREATE INDEX IX_S_PRODUCT_STORE_lot ON S_PRODUCT_STORE (product_code, lot_no);
CREATE INDEX IX_S_PRODUCT_STORE_date ON S_PRODUCT_STORE (product_code, reg_date);
-- Its lot totals, S_PRODUCT_STORE_LOT, are made by lot_totals.sql.

CREATE TABLE P_PRODUCT_STORE (
    idx             INTEGER PRIMARY KEY AUTOINCREMENT,
    product_code    NVARCHAR(50) COLLATE CI_AS,
    lot_no          NVARCHAR(50) COLLATE CI_AS,
    reg_date        NVARCHAR(20) COLLATE CI_AS,
    ipgo_no         NVARCHAR(50) COLLATE CI_AS,
    ipgo_no_sub     NVARCHAR(50) COLLATE CI_AS,
    ipgo_su         NUMERIC(18,2),
    culgo_no        NVARCHAR(50) COLLATE CI_AS,
    culgo_no_sub    NVARCHAR(50) COLLATE CI_AS,
    culgo_su        NUMERIC(18,2),
    culgo_type      NVARCHAR(50) COLLATE CI_AS,
    jego_su         NUMERIC(18,2),
    last_date       NVARCHAR(20) COLLATE CI_AS,
    last_time       NVARCHAR(10) COLLATE CI_AS,
    user_id         NVARCHAR(50) COLLATE CI_AS
);
CREATE INDEX IX_P_PRODUCT_STORE_lot ON P_PRODUCT_STORE (product_code, lot_no);
CREATE INDEX IX_P_PRODUCT_STORE_date ON P_PRODUCT_STORE (product_code, reg_date);

CREATE TABLE S_LOT_HISTORY (
    idx                INTEGER PRIMARY KEY AUTOINCREMENT,
    ipgo_no_sub        NVARCHAR(50) COLLATE CI_AS,
    ipgo_product_code  NVARCHAR(50) COLLATE CI_AS,
    culgo_no_sub       NVARCHAR(50) COLLATE CI_AS,
    culgo_product_code NVARCHAR(50) COLLATE CI_AS,
    lot_no             NVARCHAR(50) COLLATE CI_AS,
    culgo_lot_no       NVARCHAR(50) COLLATE CI_AS,
    process_code       NVARCHAR(50) COLLATE CI_AS,
    equipment_code     NVARCHAR(50) COLLATE CI_AS,
    reg_date           NVARCHAR(20) COLLATE CI_AS
);
CREATE INDEX IX_S_LOT_HISTORY_run ON S_LOT_HISTORY (ipgo_no_sub);
CREATE INDEX IX_S_LOT_HISTORY_lot ON S_LOT_HISTORY (lot_no);

CREATE TABLE P_PRODUCT_IPGO (
    idx              INTEGER PRIMARY KEY AUTOINCREMENT,
    ipgo_no          NVARCHAR(50) COLLATE CI_AS,
    ipgo_no_sub      NVARCHAR(50) COLLATE CI_AS,
    ipgo_date        NVARCHAR(20) COLLATE CI_AS,
    product_code     NVARCHAR(50) COLLATE CI_AS,
    lot_no           NVARCHAR(50) COLLATE CI_AS,
    operation_no_sub NVARCHAR(50) COLLATE CI_AS,
    ipgo_su          NUMERIC(18,2),
    palette_su       NUMERIC(18,2),
    ipgo_price       NUMERIC(18,2),
    ipgo_price_sum   NUMERIC(18,2),
    bigo             NVARCHAR(255) COLLATE CI_AS,
    employee_no      NVARCHAR(50) COLLATE CI_AS,
    last_date        NVARCHAR(20) COLLATE CI_AS,
    last_time        NVARCHAR(10) COLLATE CI_AS,
    user_id          NVARCHAR(50) COLLATE CI_AS
);
CREATE INDEX IX_P_PRODUCT_IPGO_run ON P_PRODUCT_IPGO (ipgo_no_sub);

-- ---------------------------------------------------------------- quality

-- One sheet per work order (op_seq_sub holds the order's seq) and date.
CREATE TABLE Q_MOLDTEST_RESULT (
    idx          INTEGER PRIMARY KEY AUTOINCREMENT,
    op_seq_sub   NVARCHAR(50) COLLATE CI_AS,
    product_code NVARCHAR(50) COLLATE CI_AS,
    test_date    NVARCHAR(20) COLLATE CI_AS,
    cylinder1 REAL, sacul1 REAL, speed1 REAL, mm1 REAL,
    cylinder2 REAL, sacul2 REAL, speed2 REAL, mm2 REAL,
    cylinder3 REAL, sacul3 REAL, speed3 REAL, mm3 REAL,
    cylinder4 REAL, sacul4 REAL, speed4 REAL, mm4 REAL,
    cylinder5 REAL, sacul5 REAL, speed5 REAL, mm5 REAL,
    time_s_ju REAL, time_s_ya REAL,
    time_n_ju REAL, time_n_ya REAL,
    time_h_ju REAL, time_h_ya REAL,
    cv_ju1 REAL, shot_ju1 REAL, gadong_ju1 REAL, cv_ya1 REAL, shot_ya1 REAL, gadong_ya1 REAL,
    cv_ju2 REAL, shot_ju2 REAL, gadong_ju2 REAL, cv_ya2 REAL, shot_ya2 REAL, gadong_ya2 REAL,
    cv_ju3 REAL, shot_ju3 REAL, gadong_ju3 REAL, cv_ya3 REAL, shot_ya3 REAL, gadong_ya3 REAL
);
CREATE INDEX IX_Q_MOLDTEST_RESULT_key ON Q_MOLDTEST_RESULT (op_seq_sub, test_date);

CREATE TABLE Q_CHOJUNGJONGTEST_RESULT (
    idx                 INTEGER PRIMARY KEY AUTOINCREMENT,
    prod_no             NVARCHAR(50) COLLATE CI_AS,
    seq                 NVARCHAR(50) COLLATE CI_AS,
    product_code        NVARCHAR(50) COLLATE CI_AS,
    process_test_num    NVARCHAR(50) COLLATE CI_AS,
    process_test_check  NVARCHAR(50) COLLATE CI_AS,
    process_test_result NVARCHAR(50) COLLATE CI_AS,
    process_test_select NVARCHAR(50) COLLATE CI_AS,
    process_test_su     NUMERIC(18,2),
    process_tester_id   NVARCHAR(50) COLLATE CI_AS,
    lot_no              NVARCHAR(50) COLLATE CI_AS,
    process_test_date   NVARCHAR(20) COLLATE CI_AS,
    process_pass_su     NUMERIC(18,2),
    process_bad_su      NUMERIC(18,2),
    process_num         NVARCHAR(50) COLLATE CI_AS,
    process_juya        NVARCHAR(50) COLLATE CI_AS,
    bigo                NVARCHAR(255) COLLATE CI_AS,
    last_date           NVARCHAR(20) COLLATE CI_AS,
    last_time           NVARCHAR(10) COLLATE CI_AS,
    user_id             NVARCHAR(50) COLLATE CI_AS
);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_RESULT_key
    ON Q_CHOJUNGJONGTEST_RESULT (product_code, seq, process_juya, process_test_num);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_RESULT_date ON Q_CHOJUNGJONGTEST_RESULT (process_test_date);

CREATE TABLE Q_CHOJUNGJONGTEST_RESULT_SUB (
    idx                     INTEGER PRIMARY KEY AUTOINCREMENT,
    seq                     NVARCHAR(50) COLLATE CI_AS,
    process_test_num        NVARCHAR(50) COLLATE CI_AS,
    process_test_num_sub    NVARCHAR(50) COLLATE CI_AS,
    process_test_date       NVARCHAR(20) COLLATE CI_AS,
    product_code            NVARCHAR(50) COLLATE CI_AS,
    process_num             NVARCHAR(50) COLLATE CI_AS,
    x1 NVARCHAR(50) COLLATE CI_AS, x2 NVARCHAR(50) COLLATE CI_AS, x3 NVARCHAR(50) COLLATE CI_AS,
    x4 NVARCHAR(50) COLLATE CI_AS, x5 NVARCHAR(50) COLLATE CI_AS, x6 NVARCHAR(50) COLLATE CI_AS,
    x7 NVARCHAR(50) COLLATE CI_AS, x8 NVARCHAR(50) COLLATE CI_AS, x9 NVARCHAR(50) COLLATE CI_AS,
    process_check           NVARCHAR(50) COLLATE CI_AS,
    process_test_result_sub NVARCHAR(50) COLLATE CI_AS,
    process_juya            NVARCHAR(50) COLLATE CI_AS,
    contents_sub            NVARCHAR(255) COLLATE CI_AS,
    time                    NVARCHAR(10) COLLATE CI_AS,
    last_date               NVARCHAR(20) COLLATE CI_AS,
    last_time               NVARCHAR(10) COLLATE CI_AS,
    user_id                 NVARCHAR(50) COLLATE CI_AS
);
CREATE INDEX IX_Q_CHOJUNGJONGTEST_RESULT_SUB_key
    ON Q_CHOJUNGJONGTEST_RESULT_SUB (product_code, seq, process_juya, process_test_num_sub);

-- ---------------------------------------------------------------- reports

-- One-row hand-off to the move ticket; the terminal writes idx '1' itself.
CREATE TABLE S_DATAREPORT1 (
    idx           INTEGER NOT NULL PRIMARY KEY,
    process_name  NVARCHAR(100) COLLATE CI_AS,
    car_name      NVARCHAR(100) COLLATE CI_AS,
    car_name3     NVARCHAR(100) COLLATE CI_AS,
    qty           NVARCHAR(100) COLLATE CI_AS,
    palette_ea    NVARCHAR(100) COLLATE CI_AS,
    jakup_date    NVARCHAR(100) COLLATE CI_AS,
    product_code  NVARCHAR(100) COLLATE CI_AS,
    pumbun        NVARCHAR(100) COLLATE CI_AS,
    product_name  NVARCHAR(100) COLLATE CI_AS,
    lot_no        NVARCHAR(100) COLLATE CI_AS,
    barcode       NVARCHAR(100) COLLATE CI_AS,
    employee_name NVARCHAR(100) COLLATE CI_AS,
    bigo          NVARCHAR(100) COLLATE CI_AS,
    op_seq_sub    NVARCHAR(100) COLLATE CI_AS,
    process_name2  NVARCHAR(100) COLLATE CI_AS,
    car_name2      NVARCHAR(100) COLLATE CI_AS,
    qty2           NVARCHAR(100) COLLATE CI_AS,
    palette_ea2    NVARCHAR(100) COLLATE CI_AS,
    jakup_date2    NVARCHAR(100) COLLATE CI_AS,
    product_code2  NVARCHAR(100) COLLATE CI_AS,
    pumbun2        NVARCHAR(100) COLLATE CI_AS,
    product_name2  NVARCHAR(100) COLLATE CI_AS,
    lot_no2        NVARCHAR(100) COLLATE CI_AS,
    barcode2       NVARCHAR(100) COLLATE CI_AS,
    employee_name2 NVARCHAR(100) COLLATE CI_AS,
    bigo2          NVARCHAR(100) COLLATE CI_AS,
    op_seq_sub2    NVARCHAR(100) COLLATE CI_AS
);
