#include "PlantStatements.h"
#include "PlantStatementsText.h"

namespace plant {

using text::q;
using text::valueLines;

QStringList allSamples() {
    const QString d = QStringLiteral("2026-12-08"), key = QStringLiteral("20261208001001");
    QStringList run;
    for (int i = 0; i < 23; ++i) run << QStringLiteral("v%1").arg(i);
    return {
        clockQuery(),
        customerButtons(),
        orderList(QStringLiteral("2026-12-01"),
                  QStringLiteral("\nAND B_JAK.jisi_date = '2026-12-08'")),
        dateButtons(QStringLiteral("C01"), QStringLiteral("2026-12-01")),
        setIssued(key, QStringLiteral("1")),
        runKeyOfOrder(key),
        deleteRuns(key),
        deleteOrder(key),
        opSeqCounter(QStringLiteral("20261208")),
        insertRun(run),
        setOrderState(QStringLiteral("20261208001"), key, QStringLiteral("2")),
        productsOfCustomer(QStringLiteral("C01")),
        prodNoCounter(QStringLiteral("20261208")),
        insertOrder(QStringLiteral("20261208001"), run.mid(0, 16)),
        runQuery(QStringLiteral("E01"), key),
        bomBatch(QStringLiteral("P01"), key),
        orderTotals(key),
        firstLot(QStringLiteral("M01"), d),
        nextLots(QStringLiteral("M01"), d),
        setRunLot(QStringLiteral("261208/1000"), key),
        shiftLaterBalances(QStringLiteral("S_PRODUCT_STORE"), QStringLiteral("P01"), d,
                           QStringLiteral("+"), QStringLiteral("15")),
        insertStoreIn(QStringLiteral("S_PRODUCT_STORE"), key, QStringLiteral("P01"),
                      QStringLiteral("15"), QStringLiteral("재공품추가"),
                      QStringLiteral("261208/1000"), d, QString()),
        insertStoreOut(key, QStringLiteral("M01"), QStringLiteral("30"),
                       QStringLiteral("재공품소모"), QStringLiteral("L1"), d, QString(), false),
        insertLotHistory(run.mid(0, 9)),
        insertReceipt(run.mid(0, 15)),
        endOrder(QStringLiteral("95"), QStringLiteral("5"), QStringLiteral("3"), key),
        endRun(run.mid(0, 13), key),
        insertStop(run.mid(0, 14)),
        setRealTime(QStringLiteral("TRUE"), QStringLiteral("E01")),
        closeStops(d, QStringLiteral("10:00"), QStringLiteral("E01"), key),
        defectCauses(key, QStringLiteral("1000"), QStringLiteral("P01")),
        insertDefect(run.mid(0, 14)),
        updateDefect(QStringLiteral("3"), QStringLiteral("it''s"), QString(), d,
                     QStringLiteral("101010"), key, QStringLiteral("B01")),
        deleteDefect(key, QStringLiteral("B01")),
        setRunBad(QStringLiteral("3"), key),
        downtimeCauses(key, QStringLiteral("P01")),
        insertDowntime(run.mid(0, 13)),
        updateDowntime(QStringLiteral("5"), QString(), QStringLiteral("1"), d, QString(),
                       QStringLiteral("101010"), key, QStringLiteral("D01")),
        deleteDowntime(key, QStringLiteral("D01")),
        lotList(QStringLiteral("M01"), d),
        lotFirstRegistration(QStringLiteral("M01"), QStringLiteral("L1")),
        olderLot(d, QStringLiteral("M01"), d, QStringLiteral("123")),
        scannedLot(QStringLiteral("M01"), QStringLiteral("L1"), d),
        sheetNumber(QStringLiteral("20261208"), d),
        sheetCount(QStringLiteral("P01"), QStringLiteral("1"), key),
        inspectors(),
        picturePath(QStringLiteral("T01")),
        moldSheetCount(key, d),
        moldSheetLoad(key, d),
        processButtons(QStringLiteral("Where b_eq.ipaddress = '"), QStringLiteral("10.0.0.5"), d),
        results(d, QStringLiteral("10.0.0.5"), QStringLiteral("AND A.process_code = '1000'")),
        labelProduct(QStringLiteral("P01")),
        finishedQty(key),
        runLot(key),
        ticketInsert(run.mid(0, 14)),
        ticketUpdate(run.mid(0, 13)),
        ticketRead(),
        ticketClear(),
        defectHistory(d, QStringLiteral("10.0.0.5"), QString()),
        downtimeHistory(d, QStringLiteral("10.0.0.5"), QString())};
}

}  // namespace plant
