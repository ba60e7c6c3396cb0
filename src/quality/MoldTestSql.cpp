#include "quality/MoldTestSql.h"

#include <QLocale>
#include <QRegularExpression>

#include "foundation/Session.h"
#include "production/DayReportSql.h"

namespace mes {

namespace {

QString keyCondition(const QString& opSeqSub, const QString& date) {
    return QStringLiteral("WHERE op_seq_sub = '") + gfSQ(opSeqSub) +
           QStringLiteral("' AND test_date = '") + gfSQ(date) + u'\'';
}

QStringList stages(std::initializer_list<const char*> stems, int count) {
    QStringList c;
    for (int n = 1; n <= count; ++n) {
        for (const char* stem : stems) c << QLatin1String(stem) + QString::number(n);
    }
    return c;
}

const QStringList& times() {
    static const QStringList t{QStringLiteral("time_s_ju"), QStringLiteral("time_s_ya"),
                               QStringLiteral("time_n_ju"), QStringLiteral("time_n_ya"),
                               QStringLiteral("time_h_ju"), QStringLiteral("time_h_ya")};
    return t;
}

const QStringList& counts() {
    static const QStringList c =
        stages({"cv_ju", "shot_ju", "gadong_ju", "cv_ya", "shot_ya", "gadong_ya"}, 3);
    return c;
}

const QStringList& stageColumns() {
    static const QStringList c = stages({"cylinder", "sacul", "speed", "mm"}, 5);
    return c;
}

// The update lists the times first, then the stages and the counts.
const QStringList& updateOrder() {
    static const QStringList c = times() + stageColumns() + counts();
    return c;
}

// The value of column, checked: nothing when it is not a number.
std::optional<QString> number(const MoldSheet& sheet, const QString& column, QString* bad) {
    const QString v = sheet.values.value(column);
    if (v.isEmpty() || gfIS_NUMBER_TOKEN(v)) return v;
    if (bad) *bad = column;
    return std::nullopt;
}

}  // namespace

const QStringList& gfMOLD_COLUMNS() {
    static const QStringList c = stageColumns() + times() + counts();
    return c;
}

QString gfMOLD_LOAD_SQL(const QString& opSeqSub, const QString& date) {
    const QStringList& columns = gfMOLD_COLUMNS();
    QStringList l{QStringLiteral("SELECT  ") + columns.first()};
    for (int i = 1; i < columns.size(); ++i) l << QStringLiteral("        ,") + columns[i];
    l << QStringLiteral("From Q_MOLDTEST_RESULT") << keyCondition(opSeqSub, date);
    return gfSQL_LINES(l);
}

QString gfMOLD_COUNT_SQL(const QString& opSeqSub, const QString& date) {
    return gfSQL_LINES(
        {QStringLiteral("SELECT COUNT(*) FROM Q_MOLDTEST_RESULT"), keyCondition(opSeqSub, date)});
}

bool gfIS_NUMBER_TOKEN(const QString& value) {
    static const QRegularExpression re(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    return re.match(value).hasMatch();
}

QString gfMOLD_VALUE_TEXT(const QVariant& value) {
    if (value.typeId() != QMetaType::Double) return value.toString();
    return QLocale::c().toString(value.toDouble(), 'f', QLocale::FloatingPointShortest);
}

std::optional<QString> gfMOLD_INSERT_SQL(const MoldSheet& sheet, QString* badColumn) {
    QStringList l{QStringLiteral("INSERT INTO Q_MOLDTEST_RESULT("),
                  QStringLiteral("    op_seq_sub"), QStringLiteral("    ,product_code"),
                  QStringLiteral("    ,test_date")};
    for (const QString& c : gfMOLD_COLUMNS()) l << QStringLiteral("    ,") + c;
    l << QStringLiteral("    )VALUES(") << QStringLiteral("    '") + gfSQ(sheet.opSeqSub) + u'\''
      << QStringLiteral("    ,'") + gfSQ(sheet.product) + u'\''
      << QStringLiteral("    ,'") + gfSQ(sheet.date) + u'\'';
    for (const QString& c : gfMOLD_COLUMNS()) {
        const std::optional<QString> v = number(sheet, c, badColumn);
        if (!v) return std::nullopt;
        l << (v->isEmpty() ? QStringLiteral("    ,NULL") : QStringLiteral("    ,") + *v);
    }
    l << QStringLiteral(")");
    return gfSQL_LINES(l);
}

std::optional<QString> gfMOLD_UPDATE_SQL(const MoldSheet& sheet, QString* badColumn) {
    QStringList l{QStringLiteral("UPDATE Q_MOLDTEST_RESULT"), QStringLiteral("SET"),
                  QStringLiteral("    test_date = '") + gfSQ(sheet.date) + u'\''};
    for (const QString& c : updateOrder()) {
        const std::optional<QString> v = number(sheet, c, badColumn);
        if (!v) return std::nullopt;
        if (v->isEmpty()) continue;
        const QString lead = c.startsWith(QLatin1String("cylinder")) ? QStringLiteral("    , ")
                                                                     : QStringLiteral("    ,");
        l << lead + c + QStringLiteral(" = ") + *v;
    }
    l << keyCondition(sheet.opSeqSub, sheet.date);
    return gfSQL_LINES(l);
}

}  // namespace mes
