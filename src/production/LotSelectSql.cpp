#include "production/LotSelectSql.h"

#include <QStringList>

#include "foundation/Session.h"
#include "production/DayReportSql.h"

namespace mes {

namespace {

QStringList stockTable(const QString& today) {
    return {
        QStringLiteral("left join   (Select S_PS.product_code As product_code,    --(입출고량"),
        QStringLiteral(
            "            cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2)) As ipgo_su,"),
        QStringLiteral(
            "            cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) As culgo_su,"),
        QStringLiteral("            lot_no                        As lot_no,"),
        QStringLiteral("            MAX(reg_date)  As reg_date"),
        QStringLiteral("        From S_PRODUCT_STORE S_PS"),
        QStringLiteral("        Where reg_date <= '") + gfSQ(today) + u'\'',
        QStringLiteral(
            "        Group By S_PS.product_code, lot_no) A on A.product_code = B_MA.product_code")};
}

}  // namespace

QString gfLOTSEL_LIST_SQL(const QString& material, const QString& today) {
    QStringList l{QStringLiteral("SELECT"),
                  QStringLiteral("     A.lot_no      AS [LOT NO],"),
                  QStringLiteral("     Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0) As [재고],"),
                  QStringLiteral("     B_MA.product_code as [제품코드],"),
                  QStringLiteral("     LEFT(A.lot_no,2) as [LOT구분1],"),
                  QStringLiteral("     ISNUMERIC(SUBSTRING(A.lot_no, 3, 1)) As [LOT구분2]"),
                  QStringLiteral("FROM B_PRODUCT_MASTER B_MA"),
                  QStringLiteral("LEFT Join B_CAR B_CAR ON B_CAR.car_code = B_MA.car_code")};
    l << stockTable(today);
    l << QStringLiteral(
             "left join M_MATERIAL_IPHA m_mi on m_mi.product_code = B_MA.product_code and "
             "m_mi.lot_no = a.lot_no        ")
      << QStringLiteral("Where 1 = 1 And use_yn = 1")
      << QStringLiteral("AND B_MA.product_code = '") + gfSQ(material) + u'\''
      << QStringLiteral("AND A.reg_date <= '") + gfSQ(today) +
             QStringLiteral("' AND A.lot_no IS NOT NULL")
      << QStringLiteral("AND (Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)) > 0")
      << QStringLiteral("Order By [LOT구분1],[LOT구분2]");
    return gfSQL_LINES(l);
}

QString gfLOTSEL_FIRST_SQL(const QString& material, const QString& lot) {
    return gfSQL_LINES({QStringLiteral("SELECT  MIN(reg_date) as [LOT생성날짜],"),
                        QStringLiteral("        MIN(IDX) As IDX"),
                        QStringLiteral("From S_PRODUCT_STORE"),
                        QStringLiteral("where product_code = '") + gfSQ(material) +
                            QStringLiteral("' and lot_no = '") + gfSQ(lot) + u'\''});
}

QString gfLOTSEL_OLDER_SQL(const QString& workDate, const QString& material,
                           const QString& firstDate, const QString& firstIdx) {
    return gfSQL_LINES(
        {QStringLiteral("SELECT  TOP 1 lot_no As lot_no"),
         QStringLiteral("From S_PRODUCT_STORE S_PS"),
         QStringLiteral("Where reg_date <= '") + gfSQ(workDate) +
             QStringLiteral("' and product_code = '") + gfSQ(material) + u'\'',
         QStringLiteral("Group By S_PS.product_code, lot_no"),
         QStringLiteral("Having (cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2)) - "
                        "cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) = 0 And lot_no Is "
                        "Null) Or (cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2)) - "
                        "cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) > 0)"),
         QStringLiteral("AND MIN(reg_date) <= '") + gfSQ(firstDate) +
             QStringLiteral("' and MIN(idx) < '") + gfSQ(firstIdx) + u'\'',
         QStringLiteral("ORDER BY MIN(reg_date), MIN(idx)")});
}

QString gfLOTSEL_SCAN_SQL(const QString& material, const QString& lot, const QString& today) {
    QStringList l{QStringLiteral("        Select"),
                  QStringLiteral("    Isnull(a.ipgo_su,0)  as [입고수량]"),
                  QStringLiteral("FROM B_PRODUCT_MASTER B_MA")};
    l << stockTable(today);
    l << QStringLiteral("JOIN B_PRODUCT_MASTER B_PM ON B_PM.product_code = A.product_code")
      << QStringLiteral("LEFT JOIN B_ABC ON B_ABC.abc = B_PM.abc")
      << QStringLiteral("where A.product_code = '") + gfSQ(material) + u'\''
      << QStringLiteral("  and A.lot_no = '") + gfSQ(lot) + u'\''
      << QStringLiteral(
             "  and ((Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)  = 0 and  a.lot_no is  null ) or  "
             "Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)  <> 0 )")
      << QStringLiteral("order by a.lot_no");
    return gfSQL_LINES(l);
}

}  // namespace mes
