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

// Appends the stock and lot statements of the end of a run, in booking order:
// the run's lot, work in process added, each row consumed with its genealogy,
// and for finished products the issue, the receipt and the goods store.
void lsStockSave(QStringList& list, const StockSave& s, const QList<LotRow>& rows);

}  // namespace mes
