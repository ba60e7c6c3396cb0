#include "production/EndRunSql.h"

#include "foundation/Session.h"
#include "production/DayReportSql.h"

namespace mes {

QString gfEND_GUARD_SQL(const QString& orderNo) {
    return gfSQL_LINES({QStringLiteral("UPDATE P_SM"), QStringLiteral("SET"),
                        QStringLiteral("    end_yn = CASE WHEN P_SM.end_yn = '2' THEN '2' "
                                       "ELSE CAST('작업이 이미 종료되었습니다.' AS INT) END"),
                        QStringLiteral("FROM B_JAKUPJISI_MASTER P_SM"),
                        QStringLiteral("Where P_SM.Seq = '") + gfSQ(orderNo) + u'\''});
}

QString gfORDER_STATE_SQL(const QString& orderNo) {
    return gfSQL_LINES({QStringLiteral("SELECT end_yn FROM B_JAKUPJISI_MASTER"),
                        QStringLiteral("WHERE Seq = '") + gfSQ(orderNo) + u'\''});
}

void lsEndUpdate(QStringList& list, const EndUpdate& e) {
    const QString good = QString::number(e.good);
    const QString bad = QString::number(e.bad);
    list << gfSQL_LINES({QStringLiteral("UPDATE P_SM "), QStringLiteral("SET"),
                         QStringLiteral("    order_Qty =  ") + good + u',',
                         QStringLiteral("    Qty = ") + good + u',',
                         QStringLiteral("    Bad_Qty = ") + bad + u',',
                         QStringLiteral("    end_yn = '") + gfSQ(e.finishFlag) + u'\'',
                         QStringLiteral("FROM B_JAKUPJISI_MASTER P_SM"),
                         QStringLiteral("Where P_SM.Seq = '") + gfSQ(e.orderNo) + u'\''});
    QStringList l{QStringLiteral("UPDATE P_SM"), QStringLiteral("SET"),
                  QStringLiteral("    Qty=") + good + u',',
                  QStringLiteral("    Bad_Qty=") + bad + u','};
    const std::pair<const char*, QString> quoted[] = {
        {"    Unit_code ='", e.unit},
        {"    EDATE='", e.endDate},
        {"    ETIME='", e.endTime},
        {"    SDATE='", e.startDate},
        {"    STIME='", e.startTime},
        {"    MIN='", QString::number(e.minutes)},
        {"    EMPLOYEE_SU ='", QString::number(e.workers)},
        {"    employee_no ='", e.employeeNo},
        {"    Last_date='", e.lastDate},
        {"    Last_time='", e.lastTime},
        {"    User_id='", e.user}};
    for (const auto& [head, v] : quoted)
        l << QString::fromUtf8(head) + gfSQ(v) +
                 (head == quoted[10].first ? QStringLiteral("'") : QStringLiteral("',"));
    l << QStringLiteral("FROM P_SANGSAN_MASTER P_SM") << QStringLiteral("WHERE")
      << QStringLiteral("    P_SM.Op_seq_sub='") + gfSQ(e.runKey) + u'\'';
    list << gfSQL_LINES(l);
}

}  // namespace mes
