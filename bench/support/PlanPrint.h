#pragma once

#include <QString>
#include <functional>
#include <initializer_list>

namespace engine {
class Database;
}

namespace mesbench {

class QueryPlan;

struct NamedStatement {
    const char* name;
    QString sql;
};

// What a failed plan shows: its message alone, or the statements explained so
// far followed by the message.
enum class PlanFailure { MessageOnly, AfterPartialPlan };

// True the first time a key is seen in this run: each benchmark prints its plans
// once per size (and case), not once per repetition.
bool firstPrint(const QString& key);

// "Query plan, <heading>:" and the plan on stderr, each line that reads a whole
// history table flagged "SCAN OF A BIG TABLE".
void printPlan(const QString& heading, const QueryPlan& plan,
               PlanFailure failure = PlanFailure::MessageOnly);

// The plan of each statement, headed by heading(name).
void printPlans(engine::Database& database, std::initializer_list<NamedStatement> statements,
                const std::function<QString(const QString&)>& heading,
                PlanFailure failure = PlanFailure::MessageOnly);

}  // namespace mesbench
