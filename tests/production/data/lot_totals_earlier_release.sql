-- The lot totals as the release before exact decimals kept them: binary sums, no rounding.
-- Each lot's totals in S_PRODUCT_STORE, kept by the triggers below: the sums, the
-- first date and idx, the balance, and the lot as its first movement spells it
-- (the spelling a grouping of the ledger shows). The embedded engine reads the lots
-- with stock from here instead of summing a product's whole history for every
-- look-up. Plain inserts add to the totals; an update or delete of a ledger row
-- totals its lot again. The engine fills the table from the ledger when it creates
-- it and rebuilds it when a check finds it disagrees with the ledger.
CREATE TABLE S_PRODUCT_STORE_LOT (
    product_code    NVARCHAR(50) COLLATE CI_AS,
    lot_no          NVARCHAR(50) COLLATE CI_AS,
    reg_date        NVARCHAR(20) COLLATE CI_AS,
    idx             INTEGER,
    ipgo_su         NUMERIC(18,2),
    culgo_su        NUMERIC(18,2),
    balance         NUMERIC(18,2) NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX IX_S_PRODUCT_STORE_LOT_key ON S_PRODUCT_STORE_LOT (product_code, lot_no);
CREATE INDEX IX_S_PRODUCT_STORE_LOT_balance ON S_PRODUCT_STORE_LOT (product_code, balance);

CREATE TRIGGER TR_S_PRODUCT_STORE_LOT_insert AFTER INSERT ON S_PRODUCT_STORE
BEGIN
    INSERT INTO S_PRODUCT_STORE_LOT (product_code, lot_no, reg_date, idx)
        SELECT new.product_code, new.lot_no, new.reg_date, new.idx
        WHERE NOT EXISTS (SELECT 1 FROM S_PRODUCT_STORE_LOT
                          WHERE product_code IS new.product_code AND lot_no IS new.lot_no);
    UPDATE S_PRODUCT_STORE_LOT
       SET ipgo_su = CASE WHEN new.ipgo_su IS NULL THEN ipgo_su
                          ELSE ifnull(ipgo_su, 0) + new.ipgo_su END,
           culgo_su = CASE WHEN new.culgo_su IS NULL THEN culgo_su
                           ELSE ifnull(culgo_su, 0) + new.culgo_su END,
           balance = ifnull(ipgo_su, 0) + ifnull(new.ipgo_su, 0)
                     - ifnull(culgo_su, 0) - ifnull(new.culgo_su, 0),
           reg_date = coalesce(min(reg_date, new.reg_date), reg_date, new.reg_date),
           product_code = CASE WHEN new.idx < idx THEN new.product_code ELSE product_code END,
           lot_no = CASE WHEN new.idx < idx THEN new.lot_no ELSE lot_no END,
           idx = min(idx, new.idx)
     WHERE product_code IS new.product_code AND lot_no IS new.lot_no;
END;

CREATE TRIGGER TR_S_PRODUCT_STORE_LOT_delete AFTER DELETE ON S_PRODUCT_STORE
BEGIN
    DELETE FROM S_PRODUCT_STORE_LOT
     WHERE product_code IS old.product_code AND lot_no IS old.lot_no;
    INSERT INTO S_PRODUCT_STORE_LOT (product_code, lot_no, reg_date, idx, ipgo_su, culgo_su, balance)
        SELECT f.product_code, f.lot_no, g.reg_date, g.idx, g.ipgo_su, g.culgo_su, g.balance
          FROM (SELECT MIN(reg_date) AS reg_date, MIN(idx) AS idx, SUM(ipgo_su) AS ipgo_su,
                       SUM(culgo_su) AS culgo_su,
                       ifnull(SUM(ipgo_su), 0) - ifnull(SUM(culgo_su), 0) AS balance
                  FROM S_PRODUCT_STORE
                 WHERE product_code IS old.product_code AND lot_no IS old.lot_no) g
          JOIN S_PRODUCT_STORE f ON f.idx = g.idx;
END;

CREATE TRIGGER TR_S_PRODUCT_STORE_LOT_update
AFTER UPDATE OF product_code, lot_no, reg_date, idx, ipgo_su, culgo_su ON S_PRODUCT_STORE
BEGIN
    DELETE FROM S_PRODUCT_STORE_LOT
     WHERE (product_code IS old.product_code AND lot_no IS old.lot_no)
        OR (product_code IS new.product_code AND lot_no IS new.lot_no);
    INSERT INTO S_PRODUCT_STORE_LOT (product_code, lot_no, reg_date, idx, ipgo_su, culgo_su, balance)
        SELECT f.product_code, f.lot_no, g.reg_date, g.idx, g.ipgo_su, g.culgo_su, g.balance
          FROM (SELECT MIN(reg_date) AS reg_date, MIN(idx) AS idx, SUM(ipgo_su) AS ipgo_su,
                       SUM(culgo_su) AS culgo_su,
                       ifnull(SUM(ipgo_su), 0) - ifnull(SUM(culgo_su), 0) AS balance
                  FROM S_PRODUCT_STORE
                 WHERE product_code IS old.product_code AND lot_no IS old.lot_no) g
          JOIN S_PRODUCT_STORE f ON f.idx = g.idx;
    INSERT INTO S_PRODUCT_STORE_LOT (product_code, lot_no, reg_date, idx, ipgo_su, culgo_su, balance)
        SELECT f.product_code, f.lot_no, g.reg_date, g.idx, g.ipgo_su, g.culgo_su, g.balance
          FROM (SELECT MIN(reg_date) AS reg_date, MIN(idx) AS idx, SUM(ipgo_su) AS ipgo_su,
                       SUM(culgo_su) AS culgo_su,
                       ifnull(SUM(ipgo_su), 0) - ifnull(SUM(culgo_su), 0) AS balance
                  FROM S_PRODUCT_STORE
                 WHERE product_code IS new.product_code AND lot_no IS new.lot_no) g
          JOIN S_PRODUCT_STORE f ON f.idx = g.idx
         WHERE NOT EXISTS (SELECT 1 FROM S_PRODUCT_STORE_LOT
                           WHERE product_code IS new.product_code AND lot_no IS new.lot_no);
END;
