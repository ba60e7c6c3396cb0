#include "quality/JajuTestSql.h"

#include "foundation/Session.h"
#include "production/DayReportSql.h"

namespace mes {

namespace {

QString q(const QString& v) { return u'\'' + gfSQ(v) + u'\''; }

// "    name = 'value'," lines, the last without the comma.
QStringList assignments(const QList<QPair<QString, QString>>& pairs) {
    QStringList l;
    for (int i = 0; i < pairs.size(); ++i) {
        l << QStringLiteral("    ") + pairs[i].first + QStringLiteral(" = ") + pairs[i].second +
                 (i + 1 < pairs.size() ? QStringLiteral(",") : QString());
    }
    return l;
}

QString insert(const QString& table, const QList<QPair<QString, QString>>& pairs) {
    QStringList names, values;
    for (const auto& p : pairs) {
        names << p.first;
        values << p.second;
    }
    return gfSQL_LINES({QStringLiteral("Insert into ") + table + QStringLiteral(" ("),
                        QStringLiteral("    ") + names.join(QStringLiteral(", ")),
                        QStringLiteral(") VALUES ("), QStringLiteral("    ") + values.join(", "),
                        QStringLiteral(")")});
}

// The sheet of a key, as the save counts it.
QStringList sheetOf(const JajuKey& k) {
    return {QStringLiteral("WHERE product_code = '") + gfSQ(k.product) + u'\'',
            QStringLiteral("AND process_juya = ") + k.shift,
            QStringLiteral("and seq = '") + gfSQ(k.seq) + u'\''};
}

}  // namespace

QString gfJAJU_SHIFT_CODE(const QString& shiftText) {
    return shiftText == QStringLiteral("주간") ? QStringLiteral("1") : QStringLiteral("0");
}

QString gfJAJU_QUERY_SQL(const JajuKey& k) {
    QStringList l{QStringLiteral("SELECT"),
                  QStringLiteral("    Q_SSS.process_test_num_sub AS [세부출하검사번호],"),
                  QStringLiteral("    ISNULL(B_TT.testlist_type_name,'') AS [유형명],"),
                  QStringLiteral("    Q_SSS.testlist_code AS [검사항목코드],"),
                  QStringLiteral("    ISNULL(B_T.testlist_name,'') AS [항목명],"),
                  QStringLiteral("    ISNULL(Q_SSS.spec_std,'') AS [기준],"),
                  QStringLiteral("    ISNULL(Q_SSS.spec_min,'') AS [MIN],"),
                  QStringLiteral("    ISNULL(Q_SSS.spec_max,'') AS [MAX],"),
                  QStringLiteral("    ISNULL(Q_SSS.spec_unit,'') AS [단위],"),
                  QStringLiteral("    ISNULL(Q_SSS.process_test_gu,'') AS [검사구],"),
                  QStringLiteral("    Q_SSS.process_siryo_su AS [시료수],")};
    for (int n = 1; n <= 9; ++n) l << QStringLiteral("    ISNULL(Q_SRS.x%1,'') AS [x%1],").arg(n);
    l << QStringLiteral("    ISNULL(Q_SRS.process_check,'') AS [검사확인],")
      << QStringLiteral("    ISNULL(Q_SRS.process_test_result_sub,'') AS [판정],")
      << QStringLiteral("    ISNULL(Q_SRS.contents_sub,'') AS [비고],")
      << QStringLiteral("    ISNULL(Q_SR.process_tester_id,'') AS [검사자사번],")
      << QStringLiteral("    ISNULL(Q_SR.process_test_check,'') AS [등록완료유무],")
      << QStringLiteral("    ISNULL(B_EMP.employee_name,'') AS [검사자]")
      << QStringLiteral("FROM Q_CHOJUNGJONGTEST_STD Q_SS")
      << QStringLiteral(
             "JOIN Q_CHOJUNGJONGTEST_STD_SUB Q_SSS ON Q_SS.process_test_num = "
             "Q_SSS.process_test_num")
      << QStringLiteral("LEFT JOIN B_TESTLIST B_T ON Q_SSS.testlist_code = B_T.testlist_code")
      << QStringLiteral(
             "LEFT JOIN B_TESTLIST_TYPE B_TT ON B_T.testlist_type_code = "
             "B_TT.testlist_type_code")
      << QStringLiteral(
             "LEFT JOIN Q_CHOJUNGJONGTEST_RESULT Q_SR ON Q_SR.product_code = "
             "Q_SS.product_code AND Q_SR.process_test_num = Q_SS.process_test_num")
      << QStringLiteral("    AND Q_SR.process_juya = '") + k.shift +
             QStringLiteral("' AND Q_SR.seq = '") + gfSQ(k.seq) + u'\''
      << QStringLiteral(
             "LEFT JOIN Q_CHOJUNGJONGTEST_RESULT_SUB Q_SRS ON Q_SRS.process_test_num_sub "
             "= Q_SSS.process_test_num_sub AND Q_SRS.process_num = Q_SR.process_num")
      << QStringLiteral("    AND q_srs.seq = '") + gfSQ(k.seq) + u'\''
      // The item rows' own key: the look-up seeks instead of reading them all.
      << QStringLiteral(
             "    AND Q_SRS.product_code = Q_SS.product_code AND Q_SRS.process_juya = '") +
             k.shift + u'\''
      << QStringLiteral("LEFT JOIN B_EMPLOYEE B_EMP ON Q_SR.process_tester_id = B_EMP.employee_no")
      << QStringLiteral(
             "LEFT JOIN B_JAKUPJISI_MASTER B_JM ON B_JM.product_code = Q_SS.product_code")
      << QStringLiteral("    AND B_JM.seq = '") + gfSQ(k.seq) + u'\''
      << QStringLiteral("LEFT JOIN B_PRODUCT_MASTER B_PM ON Q_SS.product_code = B_PM.product_code")
      << QStringLiteral("LEFT JOIN B_CAR B_C ON B_PM.car_code = B_C.car_code")
      << QStringLiteral("WHERE Q_SS.product_code = '") + gfSQ(k.product) + u'\''
      << QStringLiteral("AND Q_SS.process_test_num = '") + gfSQ(k.testNum) + u'\''
      << QStringLiteral("AND Q_SS.reg_yn = '1'") << QStringLiteral("ORDER BY Q_SSS.sortby");
    return gfSQL_LINES(l);
}

QString gfJAJU_SHEET_NUMBER_SQL(const QString& yyyymmdd, const QString& date) {
    return gfSQL_LINES(
        {QStringLiteral("SELECT"), QStringLiteral("     Case When max(M_MAI.process_num) is null"),
         QStringLiteral("    Then '") + gfSQ(yyyymmdd) + QStringLiteral("' + '001'"),
         QStringLiteral(
             "    else left(max(M_MAI.process_num),8) + Right('000' + "
             "Cast(right(Max(process_num),3) + 1 as varchar),3) End            AS 전표번호"),
         QStringLiteral("FROM Q_CHOJUNGJONGTEST_RESULT M_MAI"),
         QStringLiteral("Where  process_test_date= '") + gfSQ(date) + u'\''});
}

QString gfJAJU_COUNT_SQL(const JajuKey& k) {
    return gfSQL_LINES(
        QStringList{QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT")} + sheetOf(k));
}

QString gfJAJU_STANDARD_SQL(const QString& product) {
    return gfSQL_LINES({QStringLiteral("SELECT ISNULL(MIN(process_test_num),'')"),
                        QStringLiteral("FROM Q_CHOJUNGJONGTEST_STD"),
                        QStringLiteral("WHERE product_code = '") + gfSQ(product) + u'\'',
                        QStringLiteral("AND reg_yn = '1'")});
}

QString gfJAJU_SHEET_OF_SQL(const JajuKey& k) {
    return gfSQL_LINES(QStringList{QStringLiteral("SELECT ISNULL(MAX(process_num),'')"),
                                   QStringLiteral("FROM Q_CHOJUNGJONGTEST_RESULT")} +
                       sheetOf(k));
}

QString gfJAJU_ORDER_QTY_SQL(const QString& seq) {
    return gfSQL_LINES({QStringLiteral("SELECT ISNULL(order_qty,0)"),
                        QStringLiteral("FROM B_JAKUPJISI_MASTER"),
                        QStringLiteral("WHERE seq = '") + gfSQ(seq) + u'\''});
}

QString gfJAJU_PICTURE_SQL(const QString& testNum) {
    return gfSQL_LINES({QStringLiteral("Select"), QStringLiteral("    ISNULL(path,'')"),
                        QStringLiteral("From"), QStringLiteral("    Q_CHOJUNGJONGTEST_STD"),
                        QStringLiteral("Where"),
                        QStringLiteral("    process_test_num = '") + gfSQ(testNum) + u'\''});
}

QString gfJAJU_EMPLOYEES_SQL() {
    return gfSQL_LINES({QStringLiteral("SELECT B_EMP.idx,employee_no, employee_Name"),
                        QStringLiteral("From B_EMPLOYEE B_EMP"),
                        QStringLiteral("ORDER BY employee_Name")});
}

QString gfJAJU_UPDATE_SQL(const JajuKey& k, const JajuSheet& s) {
    QStringList l{QStringLiteral("UPDATE Q_CHOJUNGJONGTEST_RESULT"), QStringLiteral("SET")};
    l << assignments({{QStringLiteral("process_test_check"), q(s.check)},
                      {QStringLiteral("process_test_result"), q(s.result)},
                      {QStringLiteral("process_test_select"), q(QStringLiteral("0"))},
                      {QStringLiteral("process_test_su"), q(s.qty)},
                      {QStringLiteral("process_tester_id"), q(s.tester)},
                      {QStringLiteral("lot_no"), q({})},
                      {QStringLiteral("bigo"), q({})},
                      {QStringLiteral("process_pass_su"), q(s.passQty)},
                      {QStringLiteral("process_bad_su"), q(s.badQty)},
                      {QStringLiteral("last_date"), q(s.date)},
                      {QStringLiteral("last_time"), q(s.hhmmss)},
                      {QStringLiteral("user_id"), q(s.user)}});
    l << QStringLiteral("WHERE  product_code = ") + q(k.product)
      << QStringLiteral("AND process_juya = ") + k.shift
      << QStringLiteral("AND process_test_num = ") + q(k.testNum)
      << QStringLiteral("AND seq = ") + q(k.seq);
    return gfSQL_LINES(l);
}

QString gfJAJU_ITEM_UPDATE_SQL(const JajuKey& k, const JajuSheet& s, const JajuItem& item) {
    QList<QPair<QString, QString>> set;
    for (int n = 0; n < 9; ++n) set.append({QStringLiteral("x%1").arg(n + 1), q(item.x.value(n))});
    set.append({QStringLiteral("process_check"), q(item.check)});
    set.append({QStringLiteral("process_test_result_sub"), q(item.result)});
    set.append({QStringLiteral("contents_sub"), q(item.remark)});
    set.append({QStringLiteral("last_date"), q(s.date)});
    set.append({QStringLiteral("last_time"), q(s.hhmmss)});
    set.append({QStringLiteral("time"), q({})});
    set.append({QStringLiteral("user_id"), q(s.user)});
    QStringList l{QStringLiteral("UPDATE Q_CHOJUNGJONGTEST_RESULT_SUB"), QStringLiteral("SET")};
    l << assignments(set) << QStringLiteral("WHERE  product_code = ") + q(k.product)
      << QStringLiteral("and process_juya = ") + k.shift
      << QStringLiteral("AND process_test_num_sub = ") + q(item.testNumSub)
      << QStringLiteral("AND seq = ") + q(k.seq);
    return gfSQL_LINES(l);
}

QString gfJAJU_INSERT_SQL(const JajuKey& k, const JajuSheet& s) {
    return insert(QStringLiteral("Q_CHOJUNGJONGTEST_RESULT"),
                  {{QStringLiteral("prod_no"), q({})},
                   {QStringLiteral("seq"), q(k.seq)},
                   {QStringLiteral("product_code"), q(k.product)},
                   {QStringLiteral("process_test_num"), q(k.testNum)},
                   {QStringLiteral("process_test_check"), q(s.check)},
                   {QStringLiteral("process_test_result"), q(s.result)},
                   {QStringLiteral("process_test_select"), q(QStringLiteral("0"))},
                   {QStringLiteral("process_test_su"), q(s.qty)},
                   {QStringLiteral("process_tester_id"), q(s.tester)},
                   {QStringLiteral("lot_no"), q({})},
                   {QStringLiteral("process_test_date"), q(s.testDate)},
                   {QStringLiteral("process_pass_su"), q(s.passQty)},
                   {QStringLiteral("process_bad_su"), q(s.badQty)},
                   {QStringLiteral("process_num"), q(s.number)},
                   {QStringLiteral("process_juya"), k.shift},
                   {QStringLiteral("bigo"), q({})},
                   {QStringLiteral("last_date"), q(s.date)},
                   {QStringLiteral("last_time"), q(s.hhmmss)},
                   {QStringLiteral("user_id"), q(s.user)}});
}

namespace {

QList<QPair<QString, QString>> itemValues(const JajuKey& k, const JajuSheet& s,
                                          const JajuItem& item) {
    QList<QPair<QString, QString>> v{{QStringLiteral("seq"), q(k.seq)},
                                     {QStringLiteral("process_test_num"), q(k.testNum)},
                                     {QStringLiteral("process_test_num_sub"), q(item.testNumSub)},
                                     {QStringLiteral("process_test_date"), q(s.testDate)},
                                     {QStringLiteral("product_code"), q(k.product)},
                                     {QStringLiteral("process_num"), q(s.number)}};
    for (int n = 0; n < 9; ++n) v.append({QStringLiteral("x%1").arg(n + 1), q(item.x.value(n))});
    v.append({QStringLiteral("process_check"), q(item.check)});
    v.append({QStringLiteral("process_test_result_sub"), q(item.result)});
    v.append({QStringLiteral("process_juya"), q(k.shift)});
    v.append({QStringLiteral("contents_sub"), q(item.remark)});
    v.append({QStringLiteral("last_date"), q(s.date)});
    v.append({QStringLiteral("last_time"), q(s.hhmmss)});
    v.append({QStringLiteral("user_id"), q(s.user)});
    return v;
}

}  // namespace

QString gfJAJU_ITEM_INSERT_SQL(const JajuKey& k, const JajuSheet& s, const JajuItem& item) {
    return insert(QStringLiteral("Q_CHOJUNGJONGTEST_RESULT_SUB"), itemValues(k, s, item));
}

QString gfJAJU_ITEM_ADD_SQL(const JajuKey& k, const JajuSheet& s, const JajuItem& item) {
    QStringList names, values;
    for (const auto& [name, value] : itemValues(k, s, item)) {
        names << name;
        values << value;
    }
    return gfSQL_LINES(
        {QStringLiteral("Insert into Q_CHOJUNGJONGTEST_RESULT_SUB ("),
         QStringLiteral("    ") + names.join(QStringLiteral(", ")), QStringLiteral(") SELECT"),
         QStringLiteral("    ") + values.join(QStringLiteral(", ")),
         QStringLiteral("WHERE NOT EXISTS (SELECT 1 FROM Q_CHOJUNGJONGTEST_RESULT_SUB"),
         QStringLiteral("    WHERE product_code = ") + q(k.product) +
             QStringLiteral(" AND process_juya = ") + k.shift +
             QStringLiteral(" AND process_test_num_sub = ") + q(item.testNumSub),
         QStringLiteral("    AND seq = ") + q(k.seq) + QStringLiteral(" AND process_num = ") +
             q(s.number) + u')'});
}

QStringList gfJAJU_DELETE_SQL(const JajuKey& k) {
    QStringList out;
    for (const char* table : {"Q_CHOJUNGJONGTEST_RESULT", "Q_CHOJUNGJONGTEST_RESULT_sub"}) {
        out << gfSQL_LINES({QStringLiteral("DELETE ") + QLatin1String(table),
                            QStringLiteral("WHERE process_test_num = '") + gfSQ(k.testNum) + u'\'',
                            QStringLiteral("AND product_code = '") + gfSQ(k.product) + u'\'',
                            QStringLiteral("AND process_juya = ") + k.shift,
                            QStringLiteral("AND seq = '") + gfSQ(k.seq) + u'\''});
    }
    return out;
}

}  // namespace mes
