#include "PlantStatements.h"
#include "PlantStatementsText.h"

#include "quality/JajuTestSql.h"
#include "quality/MoldTestSql.h"
#include "reports/ReportStatements.h"

namespace plant {

using text::typed;

QString sheetNumber(const QString& yyyymmdd, const QString& date) {
    return mes::gfJAJU_SHEET_NUMBER_SQL(typed(yyyymmdd), typed(date));
}

QString sheetCount(const QString& product, const QString& shift, const QString& seq) {
    mes::JajuKey key;
    key.seq = typed(seq);
    key.product = typed(product);
    key.shift = shift;
    return mes::gfJAJU_COUNT_SQL(key);
}

QString inspectors() { return mes::gfJAJU_EMPLOYEES_SQL(); }

QString picturePath(const QString& number) { return mes::gfJAJU_PICTURE_SQL(typed(number)); }

QString moldSheetCount(const QString& opSeqSub, const QString& date) {
    return mes::gfMOLD_COUNT_SQL(typed(opSeqSub), typed(date));
}

// Today's sheet of the work order: the same key as the count.
QString moldSheetLoad(const QString& opSeqSub, const QString& date) {
    return mes::gfMOLD_LOAD_SQL(typed(opSeqSub), typed(date));
}

// The two history screens differ in the spelling of the machine's condition.
QString processButtons(const QString& ipClause, const QString& ip, const QString& date) {
    const auto clause = ipClause == QStringLiteral("where B_EQ.ipaddress = '")
                            ? mes::reports::IpClause::Upper
                            : mes::reports::IpClause::Lower;
    return mes::reports::gfPROCESS_BUTTONS_SQL(typed(ip), typed(date), clause);
}

QString results(const QString& date, const QString& ip, const QString& processFilter) {
    return mes::reports::gfRESULTS_SQL(typed(date), typed(ip), processFilter);
}

QString labelProduct(const QString& product) {
    return mes::reports::gfLABEL_PRODUCT_SQL(typed(product));
}

QString finishedQty(const QString& opSeqSub) {
    return mes::reports::gfTICKET_QTY_SQL(typed(opSeqSub));
}

QString runLot(const QString& opSeqSub) { return mes::reports::gfRUN_LOT_SQL(typed(opSeqSub)); }

// The ticket writes the vehicle twice (with and without " - CAR"), the quantity
// as the container count and the run key after the barcode: v[2], v[4] and
// v[13] are not taken.
QString ticketInsert(const QStringList& v) {
    mes::reports::TicketValues t;
    t.processName = typed(v[0]);
    t.carName = typed(v[1]);
    t.goodQty = typed(v[3]);
    t.workDate = typed(v[5]);
    t.productCode = typed(v[6]);
    t.pumbun = typed(v[7]);
    t.productName = typed(v[8]);
    t.lotNo = typed(v[9]);
    t.opSeqSub = typed(v[10]);
    t.employeeName = typed(v[11]);
    t.bigo = typed(v[12]);
    return mes::reports::gfTICKET_INSERT_SQL(t);
}

// The right half: the same values without the third vehicle; v[3] and v[12] are not taken.
QString ticketUpdate(const QStringList& v) {
    mes::reports::TicketValues t;
    t.processName = typed(v[0]);
    t.carName = typed(v[1]);
    t.goodQty = typed(v[2]);
    t.workDate = typed(v[4]);
    t.productCode = typed(v[5]);
    t.pumbun = typed(v[6]);
    t.productName = typed(v[7]);
    t.lotNo = typed(v[8]);
    t.opSeqSub = typed(v[9]);
    t.employeeName = typed(v[10]);
    t.bigo = typed(v[11]);
    return mes::reports::gfTICKET_UPDATE_SQL(t);
}

QString ticketRead() { return mes::reports::gfTICKET_READ_SQL(); }

QString ticketClear() { return mes::reports::gfTICKET_CLEAR_SQL(); }

QString defectHistory(const QString& today, const QString& ip, const QString& processFilter) {
    return mes::reports::gfDEFECT_HISTORY_SQL(typed(today), typed(ip), processFilter);
}

QString downtimeHistory(const QString& today, const QString& ip, const QString& processFilter) {
    return mes::reports::gfDOWNTIME_HISTORY_SQL(typed(today), typed(ip), processFilter);
}

}  // namespace plant
