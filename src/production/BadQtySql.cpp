#include "production/BadQtySql.h"

#include <QStringList>

#include "foundation/Session.h"
#include "production/CauseRowSql.h"
#include "production/DayReportSql.h"

namespace mes {

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
    const QStringList columns{
        "Prod_No",     "Seq",          "Op_seq",         "Op_seq_sub", "ProcessBad_code",
        "Bad_Qty",     "Process_Code", "EquipMent_Code", "Bigo",       "Product_code",
        "Employee_no", "Last_Date",    "Last_Time",      "User_Id"};
    // The quantity is a number and goes without quotes.
    const QStringList values{
        gfQUOTED({}),         gfQUOTED({}),          gfQUOTED(r.opSeqSub.left(11)),
        gfQUOTED(r.opSeqSub), gfQUOTED(r.cause),     QString::number(r.qty),
        gfQUOTED(r.process),  gfQUOTED(r.equipment), gfQUOTED(r.remark),
        gfQUOTED(r.product),  gfQUOTED(r.employee),  gfQUOTED(r.date),
        gfQUOTED(r.hhmmss),   gfQUOTED(r.employee)};
    return gfCAUSE_ROW_INSERT_SQL(QStringLiteral("P_BADQTY"), columns, values,
                                  ValuesClose::OwnLine);
}

QString gfBAD_UPDATE_SQL(const BadQtyRow& r) {
    return gfSQL_LINES(
        QStringList{
            QStringLiteral("    UPDATE  P_BADQTY"), QStringLiteral("    SET"),
            QStringLiteral("        BAD_QTY = ") + QString::number(r.qty) + u',',
            QStringLiteral("        BIGO = '") + gfSQ(r.remark) + QStringLiteral("',"),
            QStringLiteral("        Employee_no = '") + gfSQ(r.employee) + QStringLiteral("',"),
            QStringLiteral("        User_id = '") + gfSQ(r.employee) + QStringLiteral("',"),
            QStringLiteral("        last_date = '") + gfSQ(r.date) + QStringLiteral("',"),
            QStringLiteral("        last_time = '") + gfSQ(r.hhmmss) + u'\''} +
        gfCAUSE_ROW_WHERE(QStringLiteral("processbad_code"), r.opSeqSub, r.cause));
}

QString gfBAD_DELETE_SQL(const QString& opSeqSub, const QString& cause) {
    return gfCAUSE_ROW_DELETE_SQL(QStringLiteral("P_BADQTY"), QStringLiteral("processbad_code"),
                                  opSeqSub, cause);
}

QString gfRUN_BAD_SQL(qint32 total, const QString& opSeqSub) {
    return gfSQL_LINES({QStringLiteral("UPDATE P_SM"), QStringLiteral("SET"),
                        QStringLiteral("    Bad_Qty = ") + QString::number(total),
                        QStringLiteral("FROM P_SANGSAN_MASTER P_SM"), QStringLiteral("WHERE"),
                        QStringLiteral("    P_SM.Op_seq_sub='") + gfSQ(opSeqSub) + u'\''});
}

}  // namespace mes
