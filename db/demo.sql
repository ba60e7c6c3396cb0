-- Demo plant: masters, work orders in all three states, runs, defects, stops,
-- stock lots with running balances, an inspection standard and sheets.
-- Plain SQLite statements. Before running, the terminal replaces:
--   ${D}, ${D-8} ...  a date "yyyy-mm-dd" relative to the day of creation
--   ${K}, ${K-8} ...  the same date as "yyyymmdd" (work-order and run numbers)
--   ${L}, ${L-8} ...  the same date as "yymmdd" (lot numbers)
--   ${T-95} ...       the time "HH:MM" that many minutes before now, kept within today
--   ${NOW}            now as "yyyy-mm-dd hh:mm:ss.zzz"
--   ${IP}             the address of the terminal that creates the database

-- ---------------------------------------------------------------- masters

INSERT INTO B_CUSTOMER (customer_code, customer_name) VALUES
    ('C001', '한빛오토텍'),
    ('C002', '대성정밀'),
    ('C003', '세진모터스'),
    ('C004', '우리테크'),
    ('C005', '태광기공');

-- "1000" is the press: the work change is offered on it only.
INSERT INTO B_PROCESS (process_code, process_name) VALUES
    ('1000', '프레스'),
    ('2000', '사출'),
    ('3000', '용접'),
    ('4000', '조립');

-- P-01 is the machine of the terminal that created the database; the other
-- addresses are documentation addresses that no real terminal has.
INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) VALUES
    ('P-01', '프레스 1호기', '1000', '${IP}'),
    ('P-02', '프레스 2호기', '1000', '192.0.2.12'),
    ('I-01', '사출 1호기', '2000', '192.0.2.21'),
    ('W-01', '용접 1호기', '3000', '192.0.2.31'),
    ('A-01', '조립 1호기', '4000', '192.0.2.41');

INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES
    ('E001', '김민수'),
    ('E002', '이서연'),
    ('E003', '박지훈'),
    ('E004', '최유진'),
    ('E005', '정하늘'),
    ('E006', '한도윤');

INSERT INTO B_CAR (car_code, car_name) VALUES
    ('CAR-A', 'AX 세단'),
    ('CAR-B', 'BX SUV'),
    ('CAR-C', 'CX 소형트럭');

INSERT INTO B_PALETTE (palette_code, palette_name) VALUES
    ('PL-01', '철제 파렛트'),
    ('PL-02', '플라스틱 파렛트'),
    ('PL-03', '운반 대차');

INSERT INTO B_PRODUCT_TYPE (product_type_code, product_type_name) VALUES
    ('01', '완제품'),
    ('02', '반제품'),
    ('03', '원자재');

INSERT INTO B_ABC (abc, abc_name) VALUES
    ('A', 'A등급'),
    ('B', 'B등급'),
    ('C', 'C등급');

INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, eono, product_name, standard, unit_code,
    type, product_type_code, car_code, abc, culha_pumbun, customer_code, process_code,
    equipment_code, use_yn) VALUES
    ('FP-100', '84710-AX100', 'A', '프론트 브라켓', 'SPCC t2.0', 'EA',
        '완제품', '01', 'CAR-A', 'A', '84710AX100', 'C001', '1000', 'P-01', '1'),
    ('FP-200', '84720-AX200', 'B', '리어 브라켓 LH', 'SPCC t1.6', 'EA',
        '완제품', '01', 'CAR-A', 'A', '84720AX2', 'C001', '1000', 'P-01', '1'),
    ('FP-300', '65510-BX300', 'A', '사이드 멤버', 'SPFH590 t2.3', 'EA',
        '반제품', '02', 'CAR-B', 'B', '65510BX300', 'C002', '1000', 'P-02', '1'),
    ('IP-100', '82910-BX100', 'C', '도어 트림 캡', 'PP 흑색', 'EA',
        '완제품', '01', 'CAR-B', 'B', '82910BX1', 'C003', '2000', 'I-01', '1'),
    ('WP-100', '64300-CX100', 'A', '크로스 멤버 ASSY', '용접 ASSY', 'EA',
        '반제품', '02', 'CAR-C', 'A', '64300CX100', 'C002', '3000', 'W-01', '1'),
    ('AP-100', '91950-CX100', 'A', '브라켓 ASSY', '조립품', 'EA',
        '완제품', '01', 'CAR-C', 'C', '91950CX1', 'C004', '4000', 'A-01', '1'),
    ('FP-900', '84790-AX900', 'A', '단종 브라켓', 'SPCC t2.0', 'EA',
        '완제품', '01', 'CAR-A', 'C', '84790AX900', 'C001', '1000', 'P-01', '0'),
    ('RM-100', 'SPCC-2.0', '', '냉연강판 SPCC 2.0t', '1219x2438', 'KG',
        '원자재', '03', NULL, 'A', '', NULL, NULL, NULL, '1'),
    ('RM-200', 'SPFH590-2.3', '', '고장력강판 SPFH590 2.3t', '1219x2438', 'KG',
        '원자재', '03', NULL, 'A', '', NULL, NULL, NULL, '1'),
    ('RM-300', 'PP-BK', '', 'PP 수지 흑색', '25kg 포대', 'KG',
        '원자재', '03', NULL, 'B', '', NULL, NULL, NULL, '1'),
    ('RM-400', 'BOLT-M8', '', '육각 볼트 M8x20', 'M8x20', 'EA',
        '원자재', '03', NULL, 'C', '', NULL, NULL, NULL, '1'),
    ('RM-500', 'NUT-M8', '', '플랜지 너트 M8', 'M8', 'EA',
        '원자재', '03', NULL, 'C', '', NULL, NULL, NULL, '1');

-- One level per product: the product's row, then its components under its bom_code.
INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES
    ('BOM-FP-100', NULL, 'FP-100', 1),
    ('BOM-FP-100-1', 'BOM-FP-100', 'RM-100', 0.45),
    ('BOM-FP-100-2', 'BOM-FP-100', 'RM-400', 2),
    ('BOM-FP-200', NULL, 'FP-200', 1),
    ('BOM-FP-200-1', 'BOM-FP-200', 'RM-100', 0.3),
    ('BOM-FP-200-2', 'BOM-FP-200', 'RM-500', 2),
    ('BOM-FP-300', NULL, 'FP-300', 1),
    ('BOM-FP-300-1', 'BOM-FP-300', 'RM-200', 1.2),
    ('BOM-IP-100', NULL, 'IP-100', 1),
    ('BOM-IP-100-1', 'BOM-IP-100', 'RM-300', 0.12),
    ('BOM-WP-100', NULL, 'WP-100', 1),
    ('BOM-WP-100-1', 'BOM-WP-100', 'FP-300', 1),
    ('BOM-WP-100-2', 'BOM-WP-100', 'RM-400', 4),
    ('BOM-WP-100-3', 'BOM-WP-100', 'RM-500', 4),
    ('BOM-AP-100', NULL, 'AP-100', 1),
    ('BOM-AP-100-1', 'BOM-AP-100', 'WP-100', 1),
    ('BOM-AP-100-2', 'BOM-AP-100', 'RM-400', 2),
    ('BOM-AP-100-3', 'BOM-AP-100', 'RM-500', 2);

INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES
    ('B01', '버(Burr) 발생'),
    ('B02', '찍힘'),
    ('B03', '치수 불량'),
    ('B04', '크랙'),
    ('B05', '미성형'),
    ('B06', '웰드라인'),
    ('B07', '기포'),
    ('B08', '용접 불량'),
    ('B09', '스크래치'),
    ('B10', '변형');

INSERT INTO B_PROCESSBAD1 (processbad_code, process_code) VALUES
    ('B01', '1000'), ('B02', '1000'), ('B03', '1000'), ('B04', '1000'), ('B09', '1000'),
    ('B10', '1000'),
    ('B05', '2000'), ('B06', '2000'), ('B07', '2000'), ('B09', '2000'),
    ('B03', '3000'), ('B08', '3000'), ('B10', '3000'),
    ('B03', '4000'), ('B09', '4000');

INSERT INTO B_BIGADONG (bigadong_code, bigadong_name) VALUES
    ('D01', '금형 교체'),
    ('D02', '설비 고장'),
    ('D03', '자재 대기'),
    ('D04', '품질 점검'),
    ('D05', '휴식'),
    ('D06', '계획 정지'),
    ('D07', '작업자 부재');

INSERT INTO B_TESTLIST_TYPE (testlist_type_code, testlist_type_name) VALUES
    ('T1', '외관'),
    ('T2', '치수'),
    ('T3', '기능');

INSERT INTO B_TESTLIST (testlist_code, testlist_name, testlist_type_code) VALUES
    ('TL01', '외관 상태', 'T1'),
    ('TL02', '버 높이', 'T1'),
    ('TL03', '홀 직경', 'T2'),
    ('TL04', '전장 길이', 'T2'),
    ('TL05', '조립성', 'T3');

INSERT INTO Q_CHOJUNGJONGTEST_STD (process_test_num, product_code, reg_yn, path) VALUES
    ('QS-FP-100', 'FP-100', '1', ''),
    ('QS-FP-300', 'FP-300', '1', '');

INSERT INTO Q_CHOJUNGJONGTEST_STD_SUB (process_test_num_sub, process_test_num, testlist_code,
    spec_std, spec_min, spec_max, spec_unit, process_test_gu, process_siryo_su, sortby) VALUES
    ('QS-FP-100-01', 'QS-FP-100', 'TL01', '이상 없을 것', '', '', '', '육안', 3, 1),
    ('QS-FP-100-02', 'QS-FP-100', 'TL02', '0.1 이하', '', '0.1', 'mm', '버 게이지', 3, 2),
    ('QS-FP-100-03', 'QS-FP-100', 'TL03', '8.5±0.1', '8.4', '8.6', 'mm', '핀 게이지', 3, 3),
    ('QS-FP-100-04', 'QS-FP-100', 'TL04', '120±0.3', '119.7', '120.3', 'mm', '버니어', 3, 4),
    ('QS-FP-300-01', 'QS-FP-300', 'TL01', '이상 없을 것', '', '', '', '육안', 3, 1),
    ('QS-FP-300-02', 'QS-FP-300', 'TL04', '450±0.5', '449.5', '450.5', 'mm', '줄자', 3, 2);

-- ---------------------------------------------------------------- material receipts

INSERT INTO M_MATERIAL_IPHA (product_code, lot_no, ipha_date, ipha_su) VALUES
    ('RM-100', '선진행재고-RM100', '${D-30}', 500),
    ('RM-100', 'L${L-20}-01', '${D-20}', 600),
    ('RM-100', 'L${L-10}-01', '${D-10}', 800),
    ('RM-200', 'L${L-15}-02', '${D-15}', 1000),
    ('RM-200', 'L${L-5}-02', '${D-5}', 1200),
    ('RM-300', 'L${L-12}-03', '${D-12}', 500),
    ('RM-300', 'L${L-2}-03', '${D-2}', 500),
    ('RM-400', 'L${L-25}-04', '${D-25}', 5000),
    ('RM-400', 'L${L-6}-04', '${D-6}', 3000),
    ('RM-400', 'L${L+1}-04', '${D+1}', 2000),
    ('RM-500', 'L${L-25}-05', '${D-25}', 4000),
    ('RM-500', 'L${L-6}-05', '${D-6}', 3000);

-- Receipts into the material store; the running balances are set at the end.
INSERT INTO S_PRODUCT_STORE (product_code, lot_no, reg_date, ipgo_no, ipgo_no_sub, ipgo_su,
    culgo_type, last_date, last_time, user_id)
SELECT product_code, lot_no, ipha_date, 'M' || replace(ipha_date, '-', ''),
       'M' || replace(ipha_date, '-', '') || printf('%03d', idx), ipha_su, '자재입고',
       ipha_date, '083000', ''
FROM M_MATERIAL_IPHA ORDER BY ipha_date, idx;

-- ---------------------------------------------------------------- work orders

-- Finished eight days ago (no longer listed) and seven days ago (still listed),
-- three days ago, and today; in progress since yesterday and today; not started.
INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, jisi_date, juya_gubun, customer_code,
    customer_name, process_code, equipment_code, product_code, cproduct_code,
    product_name_detail, plan_qty, order_qty, qty, bad_qty, employee_su, employee_no, end_yn,
    chulha_yn, palette_code, sunbun, last_date, last_time, user_id) VALUES
    ('${K-8}001', '${K-8}001001', '${D-8}', '1', 'C001', '한빛오토텍', '1000', 'P-01',
        'FP-200', 'FP-200', 'RR BRKT AX LH', 400, 400, 400, 6, 2, 'E002', '3', '1', 'PL-01', 1,
        '${D-8}', '164000', ''),
    ('${K-7}001', '${K-7}001001', '${D-7}', '1', 'C002', '대성정밀', '1000', 'P-02',
        'FP-300', 'FP-300', 'SIDE MBR BX', 250, 248, 248, 2, 1, 'E003', '3', '0', 'PL-01', 1,
        '${D-7}', '151000', ''),
    ('${K-3}001', '${K-3}001001', '${D-3}', '1', 'C001', '한빛오토텍', '1000', 'P-01',
        'FP-100', 'FP-100', 'FRT BRKT AX', 500, 495, 495, 5, 2, 'E001', '3', '1', 'PL-01', 1,
        '${D-3}', '170000', ''),
    ('${K-3}002', '${K-3}002001', '${D-3}', '1', 'C003', '세진모터스', '2000', 'I-01',
        'IP-100', 'IP-100', 'DOOR TRIM CAP', 1200, 1180, 1180, 20, 1, 'E004', '3', '0', 'PL-02',
        1, '${D-3}', '193000', ''),
    ('${K-1}001', '${K-1}001001', '${D-1}', '0', 'C003', '세진모터스', '2000', 'I-01',
        'IP-100', 'IP-100', 'DOOR TRIM CAP', 1500, 1500, 0, 0, 1, 'E005', '2', '0', 'PL-02', 1,
        '${D-1}', '200000', ''),
    ('${K-1}002', '${K-1}002001', '${D-1}', '0', 'C002', '대성정밀', '3000', 'W-01',
        'WP-100', 'WP-100', 'CROSS MBR ASSY', 120, 120, 0, 0, 2, 'E006', '1', '0', 'PL-03', 1,
        '${D-1}', '181500', ''),
    ('${K}001', '${K}001001', '${D}', '0', 'C001', '한빛오토텍', '1000', 'P-01',
        'FP-200', 'FP-200', 'RR BRKT AX LH', 300, 296, 296, 4, 2, 'E002', '3', '0', 'PL-01', 1,
        '${D}', '043000', ''),
    ('${K}002', '${K}002001', '${D}', '1', 'C001', '한빛오토텍', '1000', 'P-01',
        'FP-100', 'FP-100', 'FRT BRKT AX', 500, 500, 0, 0, 2, 'E001', '2', '0', 'PL-01', 1,
        '${D}', '070000', ''),
    ('${K}003', '${K}003001', '${D}', NULL, 'C001', '한빛오토텍', '1000', 'P-01',
        'FP-200', 'FP-200', 'RR BRKT AX LH', 350, 350, 0, 0, 2, 'E002', '1', '0', 'PL-01', 1,
        '${D}', '070000', ''),
    ('${K}004', '${K}004001', '${D}', '1', 'C002', '대성정밀', '1000', 'P-02',
        'FP-300', 'FP-300', 'SIDE MBR BX', 200, 200, 0, 0, 1, 'E003', '1', '0', 'PL-01', 1,
        '${D}', '070000', ''),
    ('${K}005', '${K}005001', '${D}', '1', 'C004', '우리테크', '4000', 'A-01',
        'AP-100', 'AP-100', 'BRKT ASSY CX', 80, 80, 0, 0, 3, 'E006', '1', '0', 'PL-03', 1,
        '${D}', '070000', ''),
    ('${K+1}001', '${K+1}001001', '${D+1}', '1', 'C001', '한빛오토텍', '1000', 'P-01',
        'FP-100', 'FP-100', 'FRT BRKT AX', 2400, 2400, 0, 0, 2, 'E001', '1', '0', 'PL-01', 1,
        '${D}', '070000', '');

-- ---------------------------------------------------------------- work runs

-- Finished runs carry their produced lot (order number characters 3-8, "/", process).
INSERT INTO P_SANGSAN_MASTER (prod_no, seq, op_seq, op_seq_sub, process_code, equipment_code,
    product_code, customer_code, jisiqty, qty, bad_qty, unit_code, sdate, edate, stime, etime,
    min, jisi_date, jakup_date, employee_su, employee_no, lot_no, last_date, last_time,
    user_id) VALUES
    ('${K-8}001', '${K-8}001001', '${K-8}001', '${K-8}001001', '1000', 'P-01', 'FP-200', 'C001',
        400, 400, 6, 'EA', '${D-8}', '${D-8}', '08:30', '16:40', 490, '${D-8}', '${D-8}', 2,
        'E002', '${L-8}/1000', '${D-8}', '164000', ''),
    ('${K-7}001', '${K-7}001001', '${K-7}001', '${K-7}001001', '1000', 'P-02', 'FP-300', 'C002',
        250, 248, 2, 'EA', '${D-7}', '${D-7}', '09:00', '15:10', 370, '${D-7}', '${D-7}', 1,
        'E003', '${L-7}/1000', '${D-7}', '151000', ''),
    ('${K-3}001', '${K-3}001001', '${K-3}001', '${K-3}001001', '1000', 'P-01', 'FP-100', 'C001',
        500, 495, 5, 'EA', '${D-3}', '${D-3}', '08:00', '17:00', 540, '${D-3}', '${D-3}', 2,
        'E001', '${L-3}/1000', '${D-3}', '170000', ''),
    ('${K-3}002', '${K-3}002001', '${K-3}002', '${K-3}002001', '2000', 'I-01', 'IP-100', 'C003',
        1200, 1180, 20, 'EA', '${D-3}', '${D-3}', '08:00', '19:30', 690, '${D-3}', '${D-3}', 1,
        'E004', '${L-3}/2000', '${D-3}', '193000', ''),
    ('${K-1}001', '${K-1}001001', '${K-1}001', '${K-1}001001', '2000', 'I-01', 'IP-100', 'C003',
        1500, 0, 3, 'EA', '${D-1}', '', '20:00', '', 0, '${D-1}', '${D-1}', 1,
        'E005', NULL, '${D-1}', '200000', ''),
    ('${K}001', '${K}001001', '${K}001', '${K}001001', '1000', 'P-01', 'FP-200', 'C001',
        300, 296, 4, 'EA', '${D}', '${D}', '00:30', '04:30', 240, '${D}', '${D}', 2,
        'E002', '${L}/1000', '${D}', '043000', ''),
    ('${K}002', '${K}002001', '${K}002', '${K}002001', '1000', 'P-01', 'FP-100', 'C001',
        500, 0, 3, 'EA', '${D}', '', '${T-95}', '', 0, '${D}', '${D}', 2,
        'E001', NULL, '${D}', '070000', '');

-- Defects per run and cause; each run's bad_qty is the sum of its causes.
INSERT INTO P_BADQTY (prod_no, seq, op_seq, op_seq_sub, processbad_code, bad_qty, process_code,
    equipment_code, bigo, product_code, employee_no, last_date, last_time, user_id) VALUES
    ('', '', '${K-8}001', '${K-8}001001', 'B01', 4, '1000', 'P-01', '', 'FP-200', '', '${D-8}',
        '120000', ''),
    ('', '', '${K-8}001', '${K-8}001001', 'B03', 2, '1000', 'P-01', '', 'FP-200', '', '${D-8}',
        '150000', ''),
    ('', '', '${K-7}001', '${K-7}001001', 'B02', 2, '1000', 'P-02', '', 'FP-300', '', '${D-7}',
        '110000', ''),
    ('', '', '${K-3}001', '${K-3}001001', 'B01', 3, '1000', 'P-01', '', 'FP-100', '', '${D-3}',
        '100000', ''),
    ('', '', '${K-3}001', '${K-3}001001', 'B09', 2, '1000', 'P-01', '', 'FP-100', '', '${D-3}',
        '140000', ''),
    ('', '', '${K-3}002', '${K-3}002001', 'B05', 12, '2000', 'I-01', '', 'IP-100', '', '${D-3}',
        '120000', ''),
    ('', '', '${K-3}002', '${K-3}002001', 'B06', 8, '2000', 'I-01', '', 'IP-100', '', '${D-3}',
        '180000', ''),
    ('', '', '${K-1}001', '${K-1}001001', 'B05', 2, '2000', 'I-01', '', 'IP-100', '', '${D-1}',
        '220000', ''),
    ('', '', '${K-1}001', '${K-1}001001', 'B07', 1, '2000', 'I-01', '가스 빼기 조정', 'IP-100',
        '', '${D-1}', '230000', ''),
    ('', '', '${K}001', '${K}001001', 'B01', 3, '1000', 'P-01', '금형 점검 후 해소', 'FP-200',
        '', '${D}', '030000', ''),
    ('', '', '${K}001', '${K}001001', 'B10', 1, '1000', 'P-01', '', 'FP-200', '', '${D}',
        '040000', ''),
    ('', '', '${K}002', '${K}002001', 'B01', 2, '1000', 'P-01', '', 'FP-100', '', '${D}',
        '070000', ''),
    ('', '', '${K}002', '${K}002001', 'B02', 1, '1000', 'P-01', '', 'FP-100', '', '${D}',
        '070000', '');

-- Timed stops (no cause; the one on I-01 is still open) and cause rows.
INSERT INTO P_BIGADONG (prod_no, seq, op_seq, op_seq_sub, equipment_code, bigadong_code,
    biga_date, sdate, stime, edate, etime, min, employee_su, bigo, last_date, last_time,
    user_id) VALUES
    ('', '', '${K-8}001', '${K-8}001001', 'P-01', 'D01', '${D-8}', NULL, NULL, NULL, NULL, 30,
        2, '', '${D-8}', '163000', ''),
    ('', '', '${K-3}001', '${K-3}001001', 'P-01', 'D02', '${D-3}', NULL, NULL, NULL, NULL, 45,
        2, '', '${D-3}', '165000', ''),
    ('', '', '${K-3}002', '${K-3}002001', 'I-01', 'D05', '${D-3}', NULL, NULL, NULL, NULL, 10,
        1, '', '${D-3}', '190000', ''),
    ('', '', '${K-1}001', '${K-1}001001', 'I-01', 'D03', '${D-1}', NULL, NULL, NULL, NULL, 25,
        1, '', '${D-1}', '223000', ''),
    ('', '', '${K-1}001', '${K-1}001001', 'I-01', '', '${D-1}', '${D-1}', '23:40', NULL, NULL,
        NULL, 0, '', '${D-1}', '234000', ''),
    ('', '', '${K}001', '${K}001001', 'P-01', '', '${D}', '${D}', '02:00', '${D}', '02:20', 20,
        0, '', '${D}', '022000', ''),
    ('', '', '${K}001', '${K}001001', 'P-01', 'D04', '${D}', NULL, NULL, NULL, NULL, 20,
        2, '', '${D}', '043000', ''),
    ('', '', '${K}002', '${K}002001', 'P-01', '', '${D}', '${D}', '${T-60}', '${D}', '${T-50}',
        10, 0, '', '${D}', '070000', ''),
    ('', '', '${K}002', '${K}002001', 'P-01', 'D01', '${D}', NULL, NULL, NULL, NULL, 15,
        2, '', '${D}', '070000', ''),
    ('', '', '${K}002', '${K}002001', 'P-01', 'D03', '${D}', NULL, NULL, NULL, NULL, 10,
        2, '', '${D}', '070000', '');

INSERT INTO REAL_TIME (equipment_code, bigadong, work_time) VALUES
    ('P-01', 'FALSE', '${NOW}'),
    ('P-02', 'FALSE', '${NOW}'),
    ('I-01', 'TRUE', '${NOW}'),
    ('W-01', 'FALSE', '${NOW}'),
    ('A-01', 'FALSE', '${NOW}');

-- ---------------------------------------------------------------- bookings of finished runs

-- Work in process added, components consumed (first in, first out, the advance-stock
-- lot before all others), and for finished products the issue to the goods store.
INSERT INTO S_PRODUCT_STORE (product_code, lot_no, reg_date, ipgo_no, ipgo_no_sub, ipgo_su,
    culgo_no, culgo_no_sub, culgo_su, culgo_type, last_date, last_time, user_id) VALUES
    ('FP-200', '${L-8}/1000', '${D-8}', '${K-8}001', '${K-8}001001', 400, NULL, NULL, NULL,
        '재공품추가', '${D-8}', '164000', ''),
    ('RM-100', '선진행재고-RM100', '${D-8}', NULL, NULL, NULL, '${K-8}001', '${K-8}001001', 121,
        '재공품소모', '${D-8}', '164000', ''),
    ('RM-500', 'L${L-25}-05', '${D-8}', NULL, NULL, NULL, '${K-8}001', '${K-8}001001', 812,
        '재공품소모', '${D-8}', '164000', ''),
    ('FP-200', '${L-8}/1000', '${D-8}', NULL, NULL, NULL, '${K-8}001', '${K-8}001001', 400,
        '제품투입', '${D-8}', '164000', ''),

    ('FP-300', '${L-7}/1000', '${D-7}', '${K-7}001', '${K-7}001001', 248, NULL, NULL, NULL,
        '재공품추가', '${D-7}', '151000', ''),
    ('RM-200', 'L${L-15}-02', '${D-7}', NULL, NULL, NULL, '${K-7}001', '${K-7}001001', 300,
        '재공품소모', '${D-7}', '151000', ''),

    ('FP-100', '${L-3}/1000', '${D-3}', '${K-3}001', '${K-3}001001', 495, NULL, NULL, NULL,
        '재공품추가', '${D-3}', '170000', ''),
    ('RM-100', '선진행재고-RM100', '${D-3}', NULL, NULL, NULL, '${K-3}001', '${K-3}001001', 225,
        '재공품소모', '${D-3}', '170000', ''),
    ('RM-400', 'L${L-25}-04', '${D-3}', NULL, NULL, NULL, '${K-3}001', '${K-3}001001', 1000,
        '재공품소모', '${D-3}', '170000', ''),
    ('FP-100', '${L-3}/1000', '${D-3}', NULL, NULL, NULL, '${K-3}001', '${K-3}001001', 495,
        '제품투입', '${D-3}', '170000', ''),

    ('IP-100', '${L-3}/2000', '${D-3}', '${K-3}002', '${K-3}002001', 1180, NULL, NULL, NULL,
        '재공품추가', '${D-3}', '193000', ''),
    ('RM-300', 'L${L-12}-03', '${D-3}', NULL, NULL, NULL, '${K-3}002', '${K-3}002001', 144,
        '재공품소모', '${D-3}', '193000', ''),
    ('IP-100', '${L-3}/2000', '${D-3}', NULL, NULL, NULL, '${K-3}002', '${K-3}002001', 1180,
        '제품투입', '${D-3}', '193000', ''),

    ('FP-200', '${L}/1000', '${D}', '${K}001', '${K}001001', 296, NULL, NULL, NULL,
        '재공품추가', '${D}', '043000', ''),
    ('RM-100', '선진행재고-RM100', '${D}', NULL, NULL, NULL, '${K}001', '${K}001001', 90,
        '재공품소모', '${D}', '043000', ''),
    ('RM-500', 'L${L-25}-05', '${D}', NULL, NULL, NULL, '${K}001', '${K}001001', 600,
        '재공품소모', '${D}', '043000', ''),
    ('FP-200', '${L}/1000', '${D}', NULL, NULL, NULL, '${K}001', '${K}001001', 296,
        '제품투입', '${D}', '043000', '');

INSERT INTO S_LOT_HISTORY (ipgo_no_sub, ipgo_product_code, culgo_no_sub, culgo_product_code,
    lot_no, culgo_lot_no, process_code, equipment_code, reg_date) VALUES
    ('${K-8}001001', 'FP-200', '', 'RM-100', '${L-8}/1000', '선진행재고-RM100', '1000', 'P-01',
        '${D-8}'),
    ('${K-8}001001', 'FP-200', '', 'RM-500', '${L-8}/1000', 'L${L-25}-05', '1000', 'P-01',
        '${D-8}'),
    ('${K-7}001001', 'FP-300', '', 'RM-200', '${L-7}/1000', 'L${L-15}-02', '1000', 'P-02',
        '${D-7}'),
    ('${K-3}001001', 'FP-100', '', 'RM-100', '${L-3}/1000', '선진행재고-RM100', '1000', 'P-01',
        '${D-3}'),
    ('${K-3}001001', 'FP-100', '', 'RM-400', '${L-3}/1000', 'L${L-25}-04', '1000', 'P-01',
        '${D-3}'),
    ('${K-3}002001', 'IP-100', '', 'RM-300', '${L-3}/2000', 'L${L-12}-03', '2000', 'I-01',
        '${D-3}'),
    ('${K}001001', 'FP-200', '', 'RM-100', '${L}/1000', '선진행재고-RM100', '1000', 'P-01',
        '${D}'),
    ('${K}001001', 'FP-200', '', 'RM-500', '${L}/1000', 'L${L-25}-05', '1000', 'P-01', '${D}');

INSERT INTO P_PRODUCT_IPGO (ipgo_no, ipgo_no_sub, ipgo_date, product_code, lot_no,
    operation_no_sub, ipgo_su, palette_su, ipgo_price, ipgo_price_sum, bigo, employee_no,
    last_date, last_time, user_id) VALUES
    ('${K-8}001', '${K-8}001001', '${D-8}', 'FP-200', '${L-8}/1000', '${K-8}001001', 400, 0, 0,
        0, '', '', '${D-8}', '164000', ''),
    ('${K-3}001', '${K-3}001001', '${D-3}', 'FP-100', '${L-3}/1000', '${K-3}001001', 495, 0, 0,
        0, '', '', '${D-3}', '170000', ''),
    ('${K-3}002', '${K-3}002001', '${D-3}', 'IP-100', '${L-3}/2000', '${K-3}002001', 1180, 0, 0,
        0, '', '', '${D-3}', '193000', ''),
    ('${K}001', '${K}001001', '${D}', 'FP-200', '${L}/1000', '${K}001001', 296, 0, 0,
        0, '', '', '${D}', '043000', '');

INSERT INTO P_PRODUCT_STORE (product_code, lot_no, reg_date, ipgo_no, ipgo_no_sub, ipgo_su,
    culgo_type, last_date, last_time, user_id)
SELECT product_code, lot_no, ipgo_date, ipgo_no, ipgo_no_sub, ipgo_su, '제품입고', last_date,
       last_time, ''
FROM P_PRODUCT_IPGO ORDER BY ipgo_date, idx;

-- Running balances: each movement's jego_su is the product's balance after it, in the
-- order of date and then idx (the order in which the terminal reads balances).
UPDATE S_PRODUCT_STORE
SET jego_su = (SELECT SUM(IFNULL(m.ipgo_su, 0) - IFNULL(m.culgo_su, 0))
               FROM S_PRODUCT_STORE m
               WHERE m.product_code = S_PRODUCT_STORE.product_code
                 AND (m.reg_date < S_PRODUCT_STORE.reg_date
                      OR (m.reg_date = S_PRODUCT_STORE.reg_date
                          AND m.idx <= S_PRODUCT_STORE.idx)));

UPDATE P_PRODUCT_STORE
SET jego_su = (SELECT SUM(IFNULL(m.ipgo_su, 0) - IFNULL(m.culgo_su, 0))
               FROM P_PRODUCT_STORE m
               WHERE m.product_code = P_PRODUCT_STORE.product_code
                 AND (m.reg_date < P_PRODUCT_STORE.reg_date
                      OR (m.reg_date = P_PRODUCT_STORE.reg_date
                          AND m.idx <= P_PRODUCT_STORE.idx)));

-- ---------------------------------------------------------------- quality sheets

-- Moulding conditions of the injection order in progress: yesterday's and today's sheet.
INSERT INTO Q_MOLDTEST_RESULT (op_seq_sub, product_code, test_date,
    cylinder1, sacul1, speed1, mm1, cylinder2, sacul2, speed2, mm2,
    cylinder3, sacul3, speed3, mm3, cylinder4, sacul4, speed4, mm4,
    cylinder5, sacul5, speed5, mm5,
    time_s_ju, time_s_ya, time_n_ju, time_n_ya, time_h_ju, time_h_ya,
    cv_ju1, shot_ju1, gadong_ju1, cv_ya1, shot_ya1, gadong_ya1,
    cv_ju2, shot_ju2, gadong_ju2, cv_ya2, shot_ya2, gadong_ya2,
    cv_ju3, shot_ju3, gadong_ju3, cv_ya3, shot_ya3, gadong_ya3) VALUES
    ('${K-1}001001', 'IP-100', '${D-1}',
        230, 85, 60, 45, 225, 80, 55, 38, 220, 75, 50, 30, 215, 60, 40, 22,
        210, 55, 35, 15,
        3.5, 3.6, 18, 18.5, 6.2, 6.2,
        NULL, NULL, NULL, 420, 210, 7.5,
        NULL, NULL, NULL, 410, 205, 7.3,
        NULL, NULL, NULL, NULL, NULL, NULL),
    ('${K-1}001001', 'IP-100', '${D}',
        230, 85, 60, 45, 225, 80, 55, 38, 220, 75, 50, 30, 215, 60, 40, 22,
        210, 55, 35, 15,
        3.5, NULL, 18, NULL, 6.2, NULL,
        400, 200, 7.2, NULL, NULL, NULL,
        NULL, NULL, NULL, NULL, NULL, NULL,
        NULL, NULL, NULL, NULL, NULL, NULL);

-- Today's first-article sheet of the press order in progress, day shift.
INSERT INTO Q_CHOJUNGJONGTEST_RESULT (prod_no, seq, product_code, process_test_num,
    process_test_check, process_test_result, process_test_select, process_test_su,
    process_tester_id, lot_no, process_test_date, process_pass_su, process_bad_su, process_num,
    process_juya, bigo, last_date, last_time, user_id) VALUES
    ('', '${K}002001', 'FP-100', 'QS-FP-100', '1', '1', '0', 500, 'E001', '', '${D}', 500, 0,
        '${K}001', '1', '', '${D}', '073000', '');

INSERT INTO Q_CHOJUNGJONGTEST_RESULT_SUB (seq, process_test_num, process_test_num_sub,
    process_test_date, product_code, process_num, x1, x2, x3, x4, x5, x6, x7, x8, x9,
    process_check, process_test_result_sub, process_juya, contents_sub, time, last_date,
    last_time, user_id) VALUES
    ('${K}002001', 'QS-FP-100', 'QS-FP-100-01', '${D}', 'FP-100', '${K}001',
        'OK', 'OK', 'OK', '', '', '', '', '', '', '1', '합격', '1', '', '', '${D}', '073000', ''),
    ('${K}002001', 'QS-FP-100', 'QS-FP-100-02', '${D}', 'FP-100', '${K}001',
        '0.05', '0.04', '0.06', '', '', '', '', '', '', '1', '합격', '1', '', '', '${D}',
        '073000', ''),
    ('${K}002001', 'QS-FP-100', 'QS-FP-100-03', '${D}', 'FP-100', '${K}001',
        '8.52', '8.49', '8.51', '', '', '', '', '', '', '1', '합격', '1', '', '', '${D}',
        '073000', ''),
    ('${K}002001', 'QS-FP-100', 'QS-FP-100-04', '${D}', 'FP-100', '${K}001',
        '120.1', '119.9', '120.0', '', '', '', '', '', '', '1', '합격', '1', '', '', '${D}',
        '073000', '');
