#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "engine/SchemaInfo.h"
#include "engine/SyntaxTree.h"

namespace engine {

enum class StatementKind { Select, Insert, Update, Delete, Definition };

// A step run on a statement's tree once the passes have rewritten it.
using AfterStep = std::function<void(Node&)>;

// A rewrite of statement shapes that the plain translation would answer slowly,
// given to the engine by whoever knows those shapes and their tables. Its name
// goes into the statement's paths, so that a statement that stops matching is
// found by the name missing, not by a slow screen.
struct TranslationRule {
    QString name;
    std::vector<StatementKind> kinds;  // the statements it looks at
    QStringList unless;                // rules that, once applied, keep this one out
    // On the statement's tree as parsed, rewritten in T-SQL. Returns whether the
    // rule applied; it may set *after to finish once the passes have run.
    std::function<bool(Node& statement, const SchemaInfo& schema, AfterStep* after)> apply;
};

// Applied in their order.
using TranslationRules = std::vector<TranslationRule>;

}  // namespace engine
