#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "production/LotBooking.h"

namespace mes {

// What the end of a run books into the stores.
struct StockSave {
    QString productCode;
    QString orderNo;  // work-order number
    QString runKey;   // work-run key (the first 11 characters are the short key)
    qint32 goodChange = 0;
    QString wcCode;     // work centre; empty books "Empty"
    QString equipment;  // for the genealogy
    QString date;       // movement date "yyyy-MM-dd"
    QString kind;       // product kind: "완제품" also moves the goods on
    QString user;       // logged-in employee number
    QString lastTime;   // terminal time "hhmmss" of the receipt
};

// The lot the run produces: characters 3 to 8 of the order number, "/", the work
// centre ("Empty" when there is none).
QString gfPRODUCED_LOT(const QString& orderNo, const QString& wcCode);

// The single statements of the booking, as lsStockSave sends them.
// The produced lot on the run.
QString gfRUN_LOT_SET_SQL(const QString& lot, const QString& runKey);
// Moves the balance of the product's later movements by sign and qty; gap is
// the spacing before "And" (the consumption sends two spaces, the others one).
QString gfLATER_BALANCES_SQL(const QString& store, const QString& sign, const QString& qty,
                             const QString& product, const QString& date, const QString& gap);

// How a movement's balance follows from the product's latest one.
enum class StockBalance {
    Added,     // in: latest + qty, qty when there is none
    Consumed,  // out: latest - qty, -qty when there is none
    Issued,    // out: latest - qty, qty when there is none
};
// One movement row of the run on the run's date, selected from the latest balance.
struct StockMovement {
    QString store;
    StockBalance balance = StockBalance::Added;
    QString runKey;
    QString product;
    QString qty;
    QString type;
    QString lot;
    QString date;
    QString user;
};
QString gfSTOCK_MOVEMENT_SQL(const StockMovement& m);
// The genealogy row (9 values) and the goods receipt (15 values), in column order.
QString gfLOT_HISTORY_SQL(const QStringList& values);
QString gfGOODS_RECEIPT_SQL(const QStringList& values);

// Appends the stock and lot statements of the end of a run, in booking order:
// the run's lot, work in process added, each row consumed with its genealogy,
// and for finished products the issue, the receipt and the goods store.
void lsStockSave(QStringList& list, const StockSave& s, const QList<LotRow>& rows);

}  // namespace mes
