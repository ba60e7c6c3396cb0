#pragma once

#include <QString>
#include <QStringList>

// The statements the terminal's screens send, built with their exact texts
// (each line after a line feed, as the screens assemble them) so that the engine
// is tested on what it will really receive.
namespace plant {

QString lines(const QStringList& parts);

// Start-up: the server clock.
QString clockQuery();

// Work-order list.
QString customerButtons();
QString orderList(const QString& weekAgo, const QString& serchSql);
QString dateButtons(const QString& customer, const QString& weekAgo);
QString setIssued(const QString& seq, const QString& flag);
QString runKeyOfOrder(const QString& seq);
QString deleteRuns(const QString& seq);
QString deleteOrder(const QString& seq);

// Start of a run and registration of an order.
QString opSeqCounter(const QString& yyyymmdd);
QString insertRun(const QStringList& values);   // the 23 values in column order
QString startState(const QStringList& values);  // the start's own state update, same values
QString productsOfCustomer(const QString& customer);
QString prodNoCounter(const QString& yyyymmdd);
QString insertOrder(const QString& prodNo, const QStringList& values);  // 16 values after seq

// Production screen.
QString runQuery(const QString& equipment, const QString& opSeqSub);
QString bomBatch(const QString& productCode, const QString& opSeqSub);
QString orderTotals(const QString& seq);

// Lot booking and the end of a run.
QString firstLot(const QString& product, const QString& today);
QString nextLots(const QString& product, const QString& today);
QString setRunLot(const QString& lot, const QString& opSeqSub);
QString shiftLaterBalances(const QString& table, const QString& product, const QString& date,
                           const QString& sign, const QString& qty);
QString insertStoreIn(const QString& table, const QString& opSeqSub, const QString& product,
                      const QString& qty, const QString& type, const QString& lot,
                      const QString& date, const QString& user);
QString insertStoreOut(const QString& opSeqSub, const QString& product, const QString& qty,
                       const QString& type, const QString& lot, const QString& date,
                       const QString& user, bool positiveFallback);
QString insertLotHistory(const QStringList& values);  // 9 values
QString insertReceipt(const QStringList& values);     // 15 values
QString endOrder(const QString& good, const QString& bad, const QString& flag, const QString& seq);
QString endRun(const QStringList& values, const QString& opSeqSub);  // 13 values

// Stops.
QString insertStop(const QStringList& values);  // 14 values
QString setRealTime(const QString& flag, const QString& equipment);
QString closeStops(const QString& today, const QString& now, const QString& equipment,
                   const QString& opSeqSub);

// Defect and downtime entry.
QString defectCauses(const QString& opSeqSub, const QString& process, const QString& product);
QString insertDefect(const QStringList& values);  // 14 values
QString updateDefect(const QString& qty, const QString& bigo, const QString& employee,
                     const QString& date, const QString& time, const QString& opSeqSub,
                     const QString& cause);
QString deleteDefect(const QString& opSeqSub, const QString& cause);
QString setRunBad(const QString& total, const QString& opSeqSub);
QString downtimeCauses(const QString& opSeqSub, const QString& product);
QString insertDowntime(const QStringList& values);  // 13 values
QString updateDowntime(const QString& minutes, const QString& bigo, const QString& workers,
                       const QString& date, const QString& employee, const QString& time,
                       const QString& opSeqSub, const QString& cause);
QString deleteDowntime(const QString& opSeqSub, const QString& cause);

// Lot selection.
QString lotList(const QString& material, const QString& today);
QString lotFirstRegistration(const QString& material, const QString& lot);
QString olderLot(const QString& workDate, const QString& material, const QString& firstDate,
                 const QString& firstIdx);
QString scannedLot(const QString& material, const QString& lot, const QString& today);

// Inspection.
QString sheetNumber(const QString& yyyymmdd, const QString& date);
QString sheetCount(const QString& product, const QString& shift, const QString& seq);
QString inspectors();
QString picturePath(const QString& number);
QString moldSheetCount(const QString& opSeqSub, const QString& date);
QString moldSheetLoad(const QString& opSeqSub, const QString& date);

// History, labels, ticket.
QString processButtons(const QString& ipClause, const QString& ip, const QString& date);
QString results(const QString& date, const QString& ip, const QString& processFilter);
QString labelProduct(const QString& product);
QString finishedQty(const QString& opSeqSub);
QString runLot(const QString& opSeqSub);
QString ticketInsert(const QStringList& values);  // 14 values after idx
QString ticketUpdate(const QStringList& values);  // 13 values
QString ticketRead();
QString ticketClear();
QString defectHistory(const QString& today, const QString& ip, const QString& processFilter);
QString downtimeHistory(const QString& today, const QString& ip, const QString& processFilter);

// Every statement above with sample values: the tokenizer's round-trip corpus.
QStringList allSamples();

}  // namespace plant
