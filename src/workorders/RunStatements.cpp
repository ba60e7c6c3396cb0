#include "workorders/RunStatements.h"

#include <QStringList>

#include "foundation/NumberText.h"
#include "foundation/Session.h"
#include "workorders/ListStatements.h"

namespace mes {

QString gfOP_SEQ_SQL(const QDate& workOrderDate) {
    const QString d = workOrderDate.toString(QStringLiteral("yyyyMMdd"));
    return gfLINES({QStringLiteral("SELECT "),
                    QStringLiteral("    CASE WHEN MAX(OP_SEQ) IS NULL THEN '") + d +
                        QStringLiteral("'+'001' ELSE  LEFT(max(OP_SEQ),8) + RIGHT('000' + "
                                       "CAST(RIGHT(MAX(OP_SEQ),3) + 1 AS VARCHAR(12)),3) END"),
                    QStringLiteral("From"), QStringLiteral("    P_SANGSAN_MASTER"),
                    QStringLiteral("WHERE"),
                    QStringLiteral("    OP_SEQ like '") + d + QStringLiteral("%'")});
}

QString gfOP_SEQ_SUB(const QString& opSeq) { return opSeq + QStringLiteral("001"); }

namespace {

QString runInsert(const RunValues& r) {
    static const char* const columns[] = {"Prod_no",      "Seq",           "Op_Seq",
                                          "Op_Seq_sub",   "Process_Code",  "Equipment_Code",
                                          "Product_Code", "Customer_Code", "JisiQty",
                                          "Qty",          "Bad_Qty",       "Sdate",
                                          "Edate",        "Stime",         "Etime",
                                          "Min",          "JISI_DATE",     "jakup_Date",
                                          "employee_Su",  "employee_No",   "Last_date",
                                          "Last_time"};
    const QStringList values{r.prodNo,
                             r.seq,
                             r.opSeq,
                             r.opSeqSub,
                             r.processCode,
                             r.equipmentCode,
                             r.productCode,
                             r.customerCode,
                             gfNUMBER_TEXT(r.orderQty),
                             gfNUMBER_TEXT(r.qty),
                             gfNUMBER_TEXT(r.badQty),
                             r.sdate,
                             r.edate,
                             r.stime,
                             r.etime,
                             QString::number(r.minutes),
                             r.jisiDate,
                             r.jisiDate,
                             QString::number(r.workers),
                             r.workerCode,
                             r.lastDate,
                             r.lastTime,
                             r.userId};
    QStringList l{QStringLiteral("Insert Into  P_SANGSAN_MASTER"), QStringLiteral("(")};
    for (const char* c : columns) l << QStringLiteral("    ") + QLatin1String(c) + QLatin1Char(',');
    l << QStringLiteral("    User_id )") << QStringLiteral(" Values ");
    l << QStringLiteral("    ('") + gfSQ(values.first()) + QStringLiteral("',");
    for (int i = 1; i + 1 < values.size(); ++i)
        l << QStringLiteral("    '") + gfSQ(values[i]) + QStringLiteral("',");
    l << QStringLiteral("    '") + gfSQ(values.last()) + QStringLiteral("')");
    return gfLINES(l);
}

}  // namespace

void lsInsertRun(const RunValues& run, const QString& state, QStringList* list) {
    *list << runInsert(run)
          << gfORDER_STATE_SQL(run.prodNo, run.seq, state) +
                 QStringLiteral("\nAnd (end_yn = '1' Or end_yn Is Null)");
}

QString gfORDER_STATE_SQL(const QString& prodNo, const QString& seq, const QString& state) {
    return gfLINES({QStringLiteral("UPDATE B_JAKUPJISI_MASTER "), QStringLiteral("SET"),
                    QStringLiteral("    end_yn = '") + gfSQ(state) + QLatin1Char('\''),
                    QStringLiteral("Where Prod_no = '") + gfSQ(prodNo) + QLatin1Char('\''),
                    QStringLiteral("And Seq = '") + gfSQ(seq) + QLatin1Char('\'')});
}

}  // namespace mes
