#include "production/BadQtySql.h"

#include <QStringList>

#include "foundation/Session.h"
#include "production/DayReportSql.h"

namespace mes {

namespace {
QString quoted(const QString& v) { return u'\'' + gfSQ(v) + u'\''; }
}  // namespace

QString gfBAD_CAUSES_SQL(const QString& opSeqSub, const QString& process, const QString& product) {
    return gfSQL_LINES(
        {QStringLiteral("   Select"), QStringLiteral("    PBAD.idx as [IDX],"),
         QStringLiteral("    '") + gfSQ(opSeqSub) + QStringLiteral("' as [생산실적순번],"),
         QStringLiteral("    '") + gfSQ(process) + QStringLiteral("' As [공정코드],"),
         QStringLiteral("    '") + gfSQ(product) + QStringLiteral("' As [제품코드],"),
         QStringLiteral("    BPRO.ProcessBad_code as [공정불량코드],"),
         QStringLiteral("    BPRO.PROCESSBAD_NAME As [공정불량명],"),
         QStringLiteral("    ISNULL(Bad_Qty,0) As[불량수량],"),
         QStringLiteral("    isnull(PBAD.bigo,'') as [비고]"),
         QStringLiteral("  From B_PROCESSBAD BPRO"),
         QStringLiteral("  LEFT JOIN P_BADQTY PBAD ON BPRO.ProcessBad_code = PBAD.ProcessBad_code "
                        "AND PBAD.op_seq_sub= '") +
             gfSQ(opSeqSub) + u'\'',
         QStringLiteral("LEFT JOIN"),
         QStringLiteral("    B_PROCESSBAD1 B_PR1 ON BPRO.processbad_code = B_PR1.processbad_code"),
         QStringLiteral("where B_PR1.process_code = '") + gfSQ(process) + u'\'',
         QStringLiteral("ORDER BY BPRO.processbad_name")});
}

QString gfBAD_INSERT_SQL(const BadQtyRow& r) {
    static const char* const columns[] = {
        "Prod_No",     "Seq",          "Op_seq",         "Op_seq_sub", "ProcessBad_code",
        "Bad_Qty",     "Process_Code", "EquipMent_Code", "Bigo",       "Product_code",
        "Employee_no", "Last_Date",    "Last_Time",      "User_Id"};
    // The quantity is a number and goes without quotes.
    const QStringList values{quoted({}),         quoted({}),          quoted(r.opSeqSub.left(11)),
                             quoted(r.opSeqSub), quoted(r.cause),     QString::number(r.qty),
                             quoted(r.process),  quoted(r.equipment), quoted(r.remark),
                             quoted(r.product),  quoted(r.employee),  quoted(r.date),
                             quoted(r.hhmmss),   quoted(r.employee)};
    QStringList l{QStringLiteral("INSERT INTO P_BADQTY"), QStringLiteral("(")};
    for (int i = 0; i < 14; ++i)
        l << QStringLiteral("    ") + QLatin1String(columns[i]) +
                 (i == 13 ? QString() : QStringLiteral(","));
    l << QStringLiteral(")") << QStringLiteral("Values") << QStringLiteral("(");
    for (int i = 0; i < 14; ++i)
        l << QStringLiteral("    ") + values[i] + (i == 13 ? QString() : QStringLiteral(","));
    l << QStringLiteral(")");
    return gfSQL_LINES(l);
}

QString gfBAD_UPDATE_SQL(const BadQtyRow& r) {
    return gfSQL_LINES(
        {QStringLiteral("    UPDATE  P_BADQTY"), QStringLiteral("    SET"),
         QStringLiteral("        BAD_QTY = ") + QString::number(r.qty) + u',',
         QStringLiteral("        BIGO = '") + gfSQ(r.remark) + QStringLiteral("',"),
         QStringLiteral("        Employee_no = '") + gfSQ(r.employee) + QStringLiteral("',"),
         QStringLiteral("        User_id = '") + gfSQ(r.employee) + QStringLiteral("',"),
         QStringLiteral("        last_date = '") + gfSQ(r.date) + QStringLiteral("',"),
         QStringLiteral("        last_time = '") + gfSQ(r.hhmmss) + u'\'',
         QStringLiteral("    WHERE op_seq_sub = '") + gfSQ(r.opSeqSub) + u'\'',
         QStringLiteral("    and processbad_code = '") + gfSQ(r.cause) + u'\''});
}

QString gfBAD_DELETE_SQL(const QString& opSeqSub, const QString& cause) {
    return gfSQL_LINES({QStringLiteral("    DELETE  P_BADQTY"),
                        QStringLiteral("    WHERE op_seq_sub = '") + gfSQ(opSeqSub) + u'\'',
                        QStringLiteral("    and processbad_code = '") + gfSQ(cause) + u'\''});
}

QString gfRUN_BAD_SQL(qint32 total, const QString& opSeqSub) {
    return gfSQL_LINES({QStringLiteral("UPDATE P_SM"), QStringLiteral("SET"),
                        QStringLiteral("    Bad_Qty = ") + QString::number(total),
                        QStringLiteral("FROM P_SANGSAN_MASTER P_SM"), QStringLiteral("WHERE"),
                        QStringLiteral("    P_SM.Op_seq_sub='") + gfSQ(opSeqSub) + u'\''});
}

}  // namespace mes
