#include "production/StopSql.h"

#include <QStringList>

#include "foundation/Session.h"
#include "production/DayReportSql.h"

namespace mes {

QString gfSTOP_INSERT_SQL(const StopStart& s) {
    static const char* const columns[] = {
        "Prod_No",       "Seq",       "Op_seq",    "Op_seq_sub", "EquipMent_Code",
        "Bigadong_Code", "Biga_Date", "Sdate",     "Stime",      "Employee_su",
        "Bigo",          "Last_Date", "Last_Time", "User_Id"};
    const QStringList values{
        QString(), QString(), s.opSeqSub.left(11), s.opSeqSub, s.equipment, QString(), s.orderDate,
        s.date,    s.hhmm,    QString(),           QString(),  s.date,      s.hhmmss,  s.userId};
    QStringList l{QStringLiteral("  INSERT INTO P_BIGADONG"), QStringLiteral("  (")};
    for (int i = 0; i < 14; ++i)
        l << QStringLiteral("    ") + QLatin1String(columns[i]) +
                 (i == 13 ? QString() : QStringLiteral(","));
    l << QStringLiteral("  )") << QStringLiteral("Values") << QStringLiteral("(");
    for (int i = 0; i < 14; ++i)
        l << u'\'' + gfSQ(values[i]) + (i == 13 ? QStringLiteral("')") : QStringLiteral("',"));
    return gfSQL_LINES(l);
}

QString gfSTOP_CLOSE_SQL(const QString& date, const QString& hhmm, const QString& equipment,
                         const QString& opSeqSub) {
    return gfSQL_LINES(
        {QStringLiteral("UPDATE P_BIGADONG"), QStringLiteral("SET edate = '") + gfSQ(date) + u'\'',
         QStringLiteral("    ,etime = '") + gfSQ(hhmm) + u'\'',
         QStringLiteral("    ,min = datediff(minute,SDATE + ' ' + Stime , getdate())"),
         QStringLiteral("From P_BIGADONG"),
         QStringLiteral("WHERE equipment_code = '") + gfSQ(equipment) + u'\'',
         QStringLiteral("AND OP_SEQ_SUB = '") + gfSQ(opSeqSub) + u'\'',
         QStringLiteral("AND Etime IS NULL"),
         // Cause rows have no Etime either; their minutes are typed, not timed.
         QStringLiteral("AND ISNULL(Bigadong_Code,'') = ''")});
}

QString gfREAL_TIME_SQL(const QString& flag, const QString& equipment) {
    return gfSQL_LINES({QStringLiteral("UPDATE REAL_TIME"),
                        QStringLiteral("SET bigadong = '") + gfSQ(flag) + QStringLiteral("',"),
                        QStringLiteral("    work_time = getdate()"),
                        QStringLiteral("WHERE equipment_code = '") + gfSQ(equipment) + u'\''});
}

}  // namespace mes
