#include "workorders/OrderStatements.h"

#include <QStringList>

#include "foundation/Session.h"
#include "workorders/ListStatements.h"

namespace mes {

QString gfPRODUCTS_SQL(const QString& customerCode) {
    return gfLINES(
        {QStringLiteral("Select"), QStringLiteral("    B_PM.Customer_Code As [수주처코드],"),
         QStringLiteral("    B_CU.Customer_Name As [수주처],"),
         QStringLiteral("    B_PM.process_code As [공정코드],"),
         QStringLiteral("    B_PR.process_name As [공정명],"),
         QStringLiteral("    B_PM.equipment_code As [설비코드],"),
         QStringLiteral("    B_EQ.equipment_NAME As [설비명],"),
         QStringLiteral("    B_PM.product_code As [product_code],"),
         QStringLiteral("    B_PM.pumbun As [품번],"),
         QStringLiteral("    B_PM.product_name As [품명]"),
         QStringLiteral("From B_PRODUCT_MASTER B_PM"),
         QStringLiteral("LEFT join B_CUSTOMER B_CU On B_PM.Customer_Code = B_CU.Customer_Code "),
         QStringLiteral("join B_EQUIPMENT B_EQ ON B_PM.equipment_code = B_EQ.equipment_code"),
         QStringLiteral("join B_PROCESS B_PR ON B_PM.process_code = B_PR.process_code"),
         QStringLiteral("WHERE B_PM.Customer_Code = '") + gfSQ(customerCode) + QLatin1Char('\''),
         QStringLiteral("AND B_PM.use_yn = 1")});
}

QString gfPROD_NO_SQL(const QDate& date) {
    const QString d = date.toString(QStringLiteral("yyyyMMdd"));
    return gfLINES({QStringLiteral(" select  CASE wHEN left(MAX(prod_no),8) + Right('000' + "
                                   "Cast(right(Max(prod_no),3) + 1 as varchar(10)),3)"),
                    QStringLiteral("   IS NULL THEN '") + d +
                        QStringLiteral("001' ELSE left(MAX(prod_no),8) + Right('000' + "
                                       "Cast(right(Max(prod_no),3) + 1 as varchar(10)),3) END"),
                    QStringLiteral(" From B_JAKUPJISI_MASTER"),
                    QStringLiteral(" Where PROD_NO like '") + d + QStringLiteral("%'")});
}

void lsInsertOrder(const QString& prodNo, const OrderValues& o, QStringList* list) {
    static const char* const columns[] = {
        "prod_no",        "seq",           "process_code", "jisi_date",
        "equipment_code", "cproduct_code", "product_code", "customer_code",
        "Plan_Qty",       "order_qty",     "end_yn",       "employee_Su",
        "Juya_Gubun",     "sunbun",        "last_date",    "last_time"};
    auto value = [](const QString& v) {
        return QStringLiteral("    '") + gfSQ(v) + QStringLiteral("',");
    };
    QStringList l{QStringLiteral("Insert into B_JAKUPJISI_MASTER"), QStringLiteral(" ( ")};
    for (const char* c : columns) l << QStringLiteral("   ") + QLatin1String(c) + QLatin1Char(',');
    l << QStringLiteral("   user_id)") << QStringLiteral("Values") << QStringLiteral("(");
    l << value(prodNo);
    l << QStringLiteral("    '") + gfSQ(prodNo) + QStringLiteral("'+'") + gfSQ(o.seqSuffix) +
             QStringLiteral("',");
    l << value(o.processCode) << value(o.jisiDate) << value(o.equipmentCode.trimmed())
      << value(o.productCode) << value(o.productCode) << value(o.customerCode)
      << QStringLiteral("    '0',") << QStringLiteral("    '0',") << QStringLiteral("    '1',")
      << value(QString::number(o.workers)) << value(QString::number(o.shift))
      << QStringLiteral("    '1',") << value(o.lastDate) << value(o.lastTime);
    l << QStringLiteral("    '") + gfSQ(o.userId) + QLatin1Char('\'') << QStringLiteral(")");
    *list << gfLINES(l);
}

}  // namespace mes
