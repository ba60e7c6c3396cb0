#include "production/DowntimeSql.h"

#include <QStringList>

#include "foundation/Session.h"
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
    static const char* const columns[] = {
        "Prod_No",        "Seq",  "Op_seq",    "Op_seq_sub", "bigadong_code", "employee_su", "Min",
        "EquipMent_Code", "Bigo", "Biga_date", "Last_Date",  "Last_Time",     "User_Id"};
    const QStringList values{QString(),
                             QString(),
                             r.opSeqSub.left(11),
                             r.opSeqSub,
                             r.cause,
                             QString::number(r.workers),
                             QString::number(r.minutes),
                             r.equipment,
                             r.remark,
                             r.date,
                             r.date,
                             r.hhmmss,
                             r.userId};
    QStringList l{QStringLiteral("INSERT INTO P_BIGADONG"), QStringLiteral("(")};
    for (int i = 0; i < 13; ++i)
        l << QStringLiteral("    ") + QLatin1String(columns[i]) +
                 (i == 12 ? QString() : QStringLiteral(","));
    l << QStringLiteral(")") << QStringLiteral("Values") << QStringLiteral("(");
    for (int i = 0; i < 13; ++i)
        l << QStringLiteral("    '") + gfSQ(values[i]) +
                 (i == 12 ? QStringLiteral("')") : QStringLiteral("',"));
    return gfSQL_LINES(l);
}

QString gfDOWNTIME_UPDATE_SQL(const DowntimeRow& r) {
    return gfSQL_LINES(
        {QStringLiteral("    UPDATE  P_BIGADONG"), QStringLiteral("    SET"),
         QStringLiteral("        min = ") + QString::number(r.minutes) + u',',
         QStringLiteral("        BIGO = '") + gfSQ(r.remark) + QStringLiteral("',"),
         QStringLiteral("        employee_su = '") + QString::number(r.workers) +
             QStringLiteral("',"),
         QStringLiteral("        biga_date = '") + gfSQ(r.date) + QStringLiteral("', "),
         QStringLiteral("        User_id = '") + gfSQ(r.userId) + QStringLiteral("',"),
         QStringLiteral("        last_date = '") + gfSQ(r.date) + QStringLiteral("',"),
         QStringLiteral("        last_time = '") + gfSQ(r.hhmmss) + u'\'',
         QStringLiteral("    WHERE op_seq_sub = '") + gfSQ(r.opSeqSub) + u'\'',
         QStringLiteral("    and bigadong_code = '") + gfSQ(r.cause) + u'\''});
}

QString gfDOWNTIME_DELETE_SQL(const QString& opSeqSub, const QString& cause) {
    return gfSQL_LINES({QStringLiteral("    DELETE  P_BIGADONG"),
                        QStringLiteral("    WHERE op_seq_sub = '") + gfSQ(opSeqSub) + u'\'',
                        QStringLiteral("    and bigadong_code = '") + gfSQ(cause) + u'\''});
}

}  // namespace mes
