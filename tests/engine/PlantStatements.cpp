#include "PlantStatements.h"
#include "PlantStatementsText.h"

#include <QDate>

#include "production/DayReportSql.h"
#include "workorders/ListStatements.h"
#include "workorders/OrderStatements.h"
#include "workorders/RunStatements.h"

namespace plant {

using text::typed;

QString lines(const QStringList& parts) {
    QString out;
    for (const QString& p : parts) out += u'\n' + p;
    return out;
}

QString clockQuery() {
    return lines({QStringLiteral("select convert(char(10),getdate(),120) As SDATE,"),
                  QStringLiteral("convert(char(8),getdate(),114) as STIME")});
}

namespace {

QDate isoDate(const QString& d) { return QDate::fromString(d, QStringLiteral("yyyy-MM-dd")); }
QDate compactDate(const QString& d) { return QDate::fromString(d, QStringLiteral("yyyyMMdd")); }

}  // namespace

QString customerButtons() { return mes::gfLIST_CUSTOMERS_SQL(); }

// The list's week rule counts back seven days from today.
QString orderList(const QString& weekAgo, const QString& serchSql) {
    return mes::gfLIST_SQL(serchSql, isoDate(weekAgo).addDays(7));
}

QString dateButtons(const QString& customer, const QString& weekAgo) {
    return mes::gfLIST_DATES_SQL(typed(customer), isoDate(weekAgo).addDays(7));
}

QString setIssued(const QString& seq, const QString& flag) {
    return mes::gfISSUED_SQL(typed(seq), typed(flag));
}

QString runKeyOfOrder(const QString& seq) { return mes::gfRUN_OF_ORDER_SQL(typed(seq)); }

QString deleteRuns(const QString& seq) { return mes::gfDELETE_ORDER_LIST(typed(seq)).at(0); }

QString deleteOrder(const QString& seq) { return mes::gfDELETE_ORDER_LIST(typed(seq)).at(1); }

QString opSeqCounter(const QString& d) { return mes::gfOP_SEQ_SQL(compactDate(d)); }

namespace {

// v[17] (jakup_Date) is not taken: the start writes the order date there.
QStringList startList(const QStringList& v) {
    mes::RunValues r;
    r.prodNo = typed(v[0]);
    r.seq = typed(v[1]);
    r.opSeq = typed(v[2]);
    r.opSeqSub = typed(v[3]);
    r.processCode = typed(v[4]);
    r.equipmentCode = typed(v[5]);
    r.productCode = typed(v[6]);
    r.customerCode = typed(v[7]);
    r.orderQty = v[8].toDouble();
    r.qty = v[9].toDouble();
    r.badQty = v[10].toDouble();
    r.sdate = typed(v[11]);
    r.edate = typed(v[12]);
    r.stime = typed(v[13]);
    r.etime = typed(v[14]);
    r.minutes = v[15].toInt();
    r.jisiDate = typed(v[16]);
    r.workers = v[18].toShort();
    r.workerCode = typed(v[19]);
    r.lastDate = typed(v[20]);
    r.lastTime = typed(v[21]);
    r.userId = typed(v[22]);
    QStringList start;
    mes::lsInsertRun(r, QStringLiteral("2"), &start);
    return start;
}

}  // namespace

QString insertRun(const QStringList& v) { return startList(v).at(0); }

QString startState(const QStringList& v) { return startList(v).at(1); }

QString productsOfCustomer(const QString& customer) { return mes::gfPRODUCTS_SQL(typed(customer)); }

QString prodNoCounter(const QString& d) { return mes::gfPROD_NO_SQL(compactDate(d)); }

// The registration writes cproduct_code from the product and fixed plan, order,
// state and sunbun values: v[3], v[6..8] and v[11] are not taken.
QString insertOrder(const QString& prodNo, const QStringList& v) {
    mes::OrderValues o;
    o.processCode = typed(v[0]);
    o.jisiDate = typed(v[1]);
    o.equipmentCode = typed(v[2]);
    o.productCode = typed(v[4]);
    o.customerCode = typed(v[5]);
    o.workers = v[9].toInt();
    o.shift = v[10].toShort();
    o.lastDate = typed(v[12]);
    o.lastTime = typed(v[13]);
    o.userId = typed(v[14]);
    QStringList registration;
    mes::lsInsertOrder(typed(prodNo), o, &registration);
    return registration.at(0);
}

QString runQuery(const QString& equipment, const QString& opSeqSub) {
    return mes::gfDAYREPORT_RUN_SQL(typed(equipment), typed(opSeqSub));
}

QString bomBatch(const QString& product, const QString& opSeqSub) {
    return mes::gfDAYREPORT_BOM_SQL(typed(product), typed(opSeqSub));
}

QString orderTotals(const QString& seq) { return mes::gfDAYREPORT_TOTALS_SQL(typed(seq)); }

}  // namespace plant
