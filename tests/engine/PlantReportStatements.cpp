#include "PlantStatements.h"
#include "PlantStatementsText.h"

#include "reports/ReportStatements.h"

namespace plant {

using text::typed;

namespace {

QStringList moldColumns() {
    QStringList c;
    for (int n = 1; n <= 5; ++n) {
        for (const char* stem : {"cylinder", "sacul", "speed", "mm"})
            c << QLatin1String(stem) + QString::number(n);
    }
    c << QStringLiteral("time_s_ju") << QStringLiteral("time_s_ya") << QStringLiteral("time_n_ju")
      << QStringLiteral("time_n_ya") << QStringLiteral("time_h_ju") << QStringLiteral("time_h_ya");
    for (int n = 1; n <= 3; ++n) {
        for (const char* stem : {"cv_ju", "shot_ju", "gadong_ju", "cv_ya", "shot_ya", "gadong_ya"})
            c << QLatin1String(stem) + QString::number(n);
    }
    return c;
}

}  // namespace

QString sheetNumber(const QString& yyyymmdd, const QString& date) {
    return lines(
        {QStringLiteral("SELECT"), QStringLiteral("     Case When max(M_MAI.process_num) is null"),
         QStringLiteral("    Then '") + yyyymmdd + QStringLiteral("' + '001'"),
         QStringLiteral(
             "    else left(max(M_MAI.process_num),8) + Right('000' + "
             "Cast(right(Max(process_num),3) + 1 as varchar),3) End            AS 전표번호"),
         QStringLiteral("FROM Q_CHOJUNGJONGTEST_RESULT M_MAI"),
         QStringLiteral("Where  process_test_date= '") + date + u'\''});
}

QString sheetCount(const QString& product, const QString& shift, const QString& seq) {
    return lines({QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT"),
                  QStringLiteral("WHERE product_code = '") + product + u'\'',
                  QStringLiteral("AND process_juya = ") + shift,
                  QStringLiteral("and seq = '") + seq + u'\''});
}

QString inspectors() {
    return lines({QStringLiteral("SELECT B_EMP.idx,employee_no, employee_Name"),
                  QStringLiteral("From B_EMPLOYEE B_EMP"),
                  QStringLiteral("ORDER BY employee_Name")});
}

QString picturePath(const QString& number) {
    return lines({QStringLiteral("Select"), QStringLiteral("    ISNULL(path,'')"),
                  QStringLiteral("From"), QStringLiteral("    Q_CHOJUNGJONGTEST_STD"),
                  QStringLiteral("Where"),
                  QStringLiteral("    process_test_num = '") + number + u'\''});
}

QString moldSheetCount(const QString& opSeqSub, const QString& date) {
    return lines({QStringLiteral("SELECT COUNT(*) FROM Q_MOLDTEST_RESULT"),
                  QStringLiteral("WHERE op_seq_sub = '") + opSeqSub +
                      QStringLiteral("' AND test_date = '") + date + u'\''});
}

// Today's sheet of the work order: the same key as the count.
QString moldSheetLoad(const QString& opSeqSub, const QString& date) {
    const QStringList columns = moldColumns();
    QStringList l{QStringLiteral("SELECT  ") + columns.first()};
    for (int i = 1; i < columns.size(); ++i) l << QStringLiteral("        ,") + columns[i];
    l << QStringLiteral("From Q_MOLDTEST_RESULT")
      << QStringLiteral("WHERE op_seq_sub = '") + opSeqSub + QStringLiteral("' AND test_date = '") +
             date + u'\'';
    return lines(l);
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
