#include "production/LotSql.h"

#include <QStringList>

#include "foundation/Session.h"
#include "production/DayReportSql.h"

namespace mes {

namespace {

QStringList lotGroups(const QString& productCode, const QString& today, const QString& lotLine) {
    return {
        lotLine,
        QStringLiteral("                    IsNull(Sum(S_PS.ipgo_su), 0) - "
                       "IsNull(Sum(S_PS.culgo_su), 0) as [재고],"),
        QStringLiteral("                    MIN(S_PS.reg_date) As reg_date,"),
        QStringLiteral("                    MIN(S_PS.idx) As idx,"),
        QStringLiteral("                    CASE WHEN S_PS.lot_no LIKE '%선진행재고%' THEN '1'"),
        QStringLiteral("                    ELSE '2' END AS gubun"),
        QStringLiteral("            From S_PRODUCT_STORE S_PS"),
        QStringLiteral("            WHERE S_PS.product_code = '") + gfSQ(productCode) + u'\'',
        QStringLiteral("            AND S_PS.reg_date <= '") + gfSQ(today) + u'\'',
        QStringLiteral("            GROUP BY S_PS.lot_no"),
        QStringLiteral(
            "            Having IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) > 0")};
}

}  // namespace

QString gfLOT_FIRST_SQL(const QString& productCode, const QString& today) {
    QStringList l{QStringLiteral("SELECT  TOP 1 AA.lot_no,"), QStringLiteral("        AA.재고"),
                  QStringLiteral("FROM (")};
    l << lotGroups(productCode, today,
                   QStringLiteral("            SELECT  ISNULL(S_PS.lot_no,0) as lot_no ,"));
    l << QStringLiteral(") AA") << QStringLiteral("ORDER BY AA.gubun,AA.lot_no");
    return gfSQL_LINES(l);
}

QString gfLOT_NEXT_SQL(const QString& productCode, const QString& today) {
    QStringList l =
        lotGroups(productCode, today, QStringLiteral("            SELECT  S_PS.lot_no,"));
    l << QStringLiteral("            ORDER BY gubun, S_PS.lot_no");
    return gfSQL_LINES(l);
}

}  // namespace mes
