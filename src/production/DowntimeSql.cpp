#include "production/DowntimeSql.h"

#include <QStringList>

#include "foundation/Session.h"
#include "production/CauseRowSql.h"
#include "production/DayReportSql.h"

namespace mes {

QString gfDOWNTIME_CAUSES_SQL(const QString& opSeqSub, const QString& product) {
    return gfSQL_LINES(
        {QStringLiteral("select p_bi.idx As [idx],"),
         QStringLiteral("   '") + gfSQ(opSeqSub) + QStringLiteral("' as [생산실적순번],"),
         QStringLiteral("    '") + gfSQ(product) + QStringLiteral("' As [제품코드],"),
         QStringLiteral("    b_bi1.bigadong_code As [비가동코드],"),
         QStringLiteral("    b_bi.bigadong_name As [비가동명],"),
         QStringLiteral("    ISNULL(p_bi.min,0) As[비가동시간]"),
         QStringLiteral("from B_BIGADONG b_bi1"),
         QStringLiteral("left join B_BIGADONG b_bi on b_bi.bigadong_code = b_bi1.bigadong_code"),
         QStringLiteral("left join P_BIGADONG p_bi on p_bi.Bigadong_Code = b_bi.bigadong_code AND "
                        "p_bi.op_seq_sub= '") +
             gfSQ(opSeqSub) + u'\'',
         QStringLiteral("order by  b_bi1.bigadong_code")});
}

QString gfDOWNTIME_INSERT_SQL(const DowntimeRow& r) {
    const QStringList columns{
        "Prod_No",        "Seq",  "Op_seq",    "Op_seq_sub", "bigadong_code", "employee_su", "Min",
        "EquipMent_Code", "Bigo", "Biga_date", "Last_Date",  "Last_Time",     "User_Id"};
    // Every value quoted, the numbers too.
    QStringList values;
    for (const QString& v : {QString(), QString(), r.opSeqSub.left(11), r.opSeqSub, r.cause,
                             QString::number(r.workers), QString::number(r.minutes), r.equipment,
                             r.remark, r.date, r.date, r.hhmmss, r.userId})
        values << gfQUOTED(v);
    return gfCAUSE_ROW_INSERT_SQL(QStringLiteral("P_BIGADONG"), columns, values,
                                  ValuesClose::AfterLastValue);
}

QString gfDOWNTIME_UPDATE_SQL(const DowntimeRow& r) {
    return gfSQL_LINES(
        QStringList{QStringLiteral("    UPDATE  P_BIGADONG"), QStringLiteral("    SET"),
                    QStringLiteral("        min = ") + QString::number(r.minutes) + u',',
                    QStringLiteral("        BIGO = '") + gfSQ(r.remark) + QStringLiteral("',"),
                    QStringLiteral("        employee_su = '") + QString::number(r.workers) +
                        QStringLiteral("',"),
                    QStringLiteral("        biga_date = '") + gfSQ(r.date) + QStringLiteral("', "),
                    QStringLiteral("        User_id = '") + gfSQ(r.userId) + QStringLiteral("',"),
                    QStringLiteral("        last_date = '") + gfSQ(r.date) + QStringLiteral("',"),
                    QStringLiteral("        last_time = '") + gfSQ(r.hhmmss) + u'\''} +
        gfCAUSE_ROW_WHERE(QStringLiteral("bigadong_code"), r.opSeqSub, r.cause));
}

QString gfDOWNTIME_DELETE_SQL(const QString& opSeqSub, const QString& cause) {
    return gfCAUSE_ROW_DELETE_SQL(QStringLiteral("P_BIGADONG"), QStringLiteral("bigadong_code"),
                                  opSeqSub, cause);
}

}  // namespace mes
