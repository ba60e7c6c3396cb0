#include "PlanPrint.h"

#include <QSet>
#include <cstdio>

#include "QueryPlan.h"

namespace mesbench {

bool firstPrint(const QString& key) {
    static QSet<QString> printed;
    if (printed.contains(key)) return false;
    printed.insert(key);
    return true;
}

void printPlan(const QString& heading, const QueryPlan& plan, PlanFailure failure) {
    const bool partial = failure == PlanFailure::AfterPartialPlan;
    std::fprintf(stderr, "\nQuery plan, %s:\n%s", qPrintable(heading),
                 qPrintable(plan.ok() || partial ? plan.text() : plan.error()));
    for (const QString& scan : plan.bigTableScans())
        std::fprintf(stderr, "SCAN OF A BIG TABLE: %s\n", qPrintable(scan));
}

void printPlans(engine::Database& database, std::initializer_list<NamedStatement> statements,
                const std::function<QString(const QString&)>& heading, PlanFailure failure) {
    for (const NamedStatement& s : statements)
        printPlan(heading(QLatin1String(s.name)), QueryPlan::of(database, s.sql), failure);
}

}  // namespace mesbench
