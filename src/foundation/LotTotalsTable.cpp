#include "foundation/LotTotalsTable.h"

#include "engine/Database.h"

namespace mes {

using namespace engine;

namespace {

// Each lot of the ledger as its totals row must read, spelled as its first movement.
const char kLedgerLots[] =
    "SELECT f.product_code, f.lot_no, g.reg_date, g.idx, g.ipgo_su, g.culgo_su, g.balance "
    "FROM (SELECT MIN(reg_date) AS reg_date, MIN(idx) AS idx, round(SUM(ipgo_su), 2) AS ipgo_su, "
    "round(SUM(culgo_su), 2) AS culgo_su, "
    "round(ifnull(SUM(ipgo_su), 0) - ifnull(SUM(culgo_su), 0), 2) AS balance "
    "FROM S_PRODUCT_STORE GROUP BY product_code, lot_no) g "
    "JOIN S_PRODUCT_STORE f ON f.idx = g.idx";

qint64 count(Database& db, const QString& sql) {
    const auto out = db.executeNative(sql);
    return out.isEmpty() || out.last().result.rows.isEmpty()
               ? 0
               : out.last().result.rows.first().value(0).toLongLong();
}

}  // namespace

bool LotTotalsTable::exists(Database& db) {
    return count(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' "
                                    "AND name = 'S_PRODUCT_STORE_LOT'")) > 0;
}

qint64 LotTotalsTable::staleLots(Database& db) {
    // Sums of cents are compared at their scale: a total kept row by row and one
    // summed at once may differ in the last binary digit.
    const QString differing =
        QStringLiteral(
            "SELECT COUNT(*) FROM (%1) L LEFT JOIN S_PRODUCT_STORE_LOT T "
            "ON T.product_code IS L.product_code AND T.lot_no IS L.lot_no "
            "WHERE T.rowid IS NULL OR T.product_code IS NOT L.product_code COLLATE BINARY "
            "OR T.lot_no IS NOT L.lot_no COLLATE BINARY OR T.reg_date IS NOT L.reg_date "
            "COLLATE BINARY OR T.idx IS NOT L.idx OR round(T.ipgo_su, 2) IS NOT "
            "round(L.ipgo_su, 2) OR round(T.culgo_su, 2) IS NOT round(L.culgo_su, 2) "
            "OR round(T.balance, 2) IS NOT round(L.balance, 2)")
            .arg(QLatin1String(kLedgerLots));
    const QString leftOver = QStringLiteral(
        "SELECT COUNT(*) FROM S_PRODUCT_STORE_LOT T WHERE NOT EXISTS (SELECT 1 FROM "
        "S_PRODUCT_STORE X WHERE X.product_code IS T.product_code AND X.lot_no IS T.lot_no)");
    return count(db, differing) + count(db, leftOver);
}

qint64 LotTotalsTable::lots(Database& db) {
    return count(db, QStringLiteral("SELECT COUNT(*) FROM S_PRODUCT_STORE_LOT"));
}

qint64 LotTotalsTable::rebuild(Database& db) {
    db.executeNative(QStringLiteral("DELETE FROM S_PRODUCT_STORE_LOT"));
    db.executeNative(QStringLiteral("INSERT INTO S_PRODUCT_STORE_LOT (product_code, lot_no, "
                                    "reg_date, idx, ipgo_su, culgo_su, balance) %1")
                         .arg(QLatin1String(kLedgerLots)));
    return lots(db);
}

}  // namespace mes
