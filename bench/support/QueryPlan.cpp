#include "QueryPlan.h"

#include <sqlite3.h>

#include <QHash>
#include <QRegularExpression>
#include <functional>

#include "engine/Database.h"

namespace mesbench {

namespace {

// Tables and their aliases as the translated statement names them.
QHash<QString, QString> tablesByName(const QString& sql) {
    static const QRegularExpression named(
        QStringLiteral(
            R"(\b(?:FROM|JOIN|UPDATE|INTO)\s+["\[]?(\w+)["\]]?(?:\s+(?:AS\s+)?["\[]?(\w+)["\]]?)?)"),
        QRegularExpression::CaseInsensitiveOption);
    QHash<QString, QString> out;
    for (auto it = named.globalMatch(sql); it.hasNext();) {
        const auto m = it.next();
        out.insert(m.captured(1).toUpper(), m.captured(1).toUpper());
        if (!m.captured(2).isEmpty()) out.insert(m.captured(2).toUpper(), m.captured(1).toUpper());
    }
    return out;
}

// The table or alias a plan line reads: "SCAN x", "SEARCH x USING ...", and the
// older "SCAN TABLE t AS x".
QString readTable(const QString& detail, const QHash<QString, QString>& tables) {
    static const QRegularExpression reads(
        QStringLiteral(R"(^(?:SCAN|SEARCH) (?:TABLE )?(\w+)(?: AS (\w+))?)"));
    const auto m = reads.match(detail);
    if (!m.hasMatch()) return {};
    return tables.value(m.captured(1).toUpper());
}

}  // namespace

QStringList QueryPlan::growingTables() {
    return {QStringLiteral("B_JAKUPJISI_MASTER"), QStringLiteral("P_SANGSAN_MASTER"),
            QStringLiteral("P_BADQTY"),           QStringLiteral("P_BIGADONG"),
            QStringLiteral("S_PRODUCT_STORE"),    QStringLiteral("P_PRODUCT_STORE"),
            QStringLiteral("S_LOT_HISTORY"),      QStringLiteral("P_PRODUCT_IPGO"),
            QStringLiteral("M_MATERIAL_IPHA"),    QStringLiteral("Q_MOLDTEST_RESULT")};
}

QueryPlan QueryPlan::of(engine::Database& database, const QString& tsql) {
    QueryPlan plan;
    try {
        const auto batch = database.translation(tsql);
        std::function<void(const std::vector<engine::BatchStep>&)> walk =
            [&](const std::vector<engine::BatchStep>& steps) {
                for (const auto& step : steps) {
                    plan.explain(database, step.statement.sql);
                    if (step.isIf)
                        walk(plan.holds(database, step.statement.sql) ? step.thenSteps
                                                                      : step.elseSteps);
                }
            };
        walk(batch->steps);
    } catch (const engine::EngineError& e) {
        plan.error_ = e.message();
    }
    return plan;
}

void QueryPlan::explain(engine::Database& database, const QString& sql) {
    sqlite3* db = database.handle();
    const QByteArray text = QByteArray("EXPLAIN QUERY PLAN ") + sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, text.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        error_ = QString::fromUtf8(sqlite3_errmsg(db));
        return;
    }
    const QHash<QString, QString> tables = tablesByName(sql);
    Statement statement{sql, {}};
    QHash<int, int> depthOf;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const int id = sqlite3_column_int(stmt, 0);
        const int parent = sqlite3_column_int(stmt, 1);
        const int depth = parent == 0 ? 0 : depthOf.value(parent) + 1;
        depthOf.insert(id, depth);
        const QString detail =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
        statement.lines.append({depth, detail, readTable(detail, tables)});
    }
    sqlite3_finalize(stmt);
    statements_.append(statement);
}

bool QueryPlan::holds(engine::Database& database, const QString& condition) {
    // The engine's conditions are SELECTs of 1 or 0.
    const auto out = database.executeNative(condition);
    return !out.isEmpty() && !out.first().result.rows.isEmpty() &&
           out.first().result.rows.first().value(0).toLongLong() == 1;
}

QString QueryPlan::text() const {
    QString out;
    for (int i = 0; i < statements_.size(); ++i) {
        out += QStringLiteral("statement %1 of %2\n").arg(i + 1).arg(statements_.size());
        if (qEnvironmentVariableIsSet("MES_BENCH_SQL")) out += statements_[i].sql + u'\n';
        for (const Line& line : statements_[i].lines)
            out += QString(line.depth * 3, u' ') + QStringLiteral("|--") + line.detail + u'\n';
    }
    if (!error_.isEmpty()) out += QStringLiteral("error: ") + error_ + u'\n';
    return out;
}

QStringList QueryPlan::scansOf(const QStringList& tables) const {
    QStringList out;
    for (const Statement& statement : statements_) {
        for (const Line& line : statement.lines) {
            const bool whole = line.detail.startsWith(QLatin1String("SCAN ")) ||
                               line.detail.contains(QLatin1String("AUTOMATIC"));
            if (whole && tables.contains(line.table, Qt::CaseInsensitive))
                out << line.table + QStringLiteral(": ") + line.detail;
        }
    }
    return out;
}

}  // namespace mesbench
