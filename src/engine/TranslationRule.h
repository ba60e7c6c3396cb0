#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "engine/Pieces.h"
#include "engine/SchemaInfo.h"

namespace engine {

enum class StatementKind { Select, Insert, Update, Delete, Definition };

// A step run on a statement once its expressions are rewritten.
using AfterStep = std::function<void(Pieces&)>;

// A rewrite of statement shapes that the plain translation would answer slowly,
// given to the engine by whoever knows those shapes and their tables. Its name
// goes into the statement's paths, so that a statement that stops matching is
// found by the name missing, not by a slow screen.
struct TranslationRule {
    QString name;
    std::vector<StatementKind> kinds;  // the statements it looks at
    QStringList unless;                // rules that, once applied, keep this one out
    // On the statement as written (names already in SQLite's quoting). Returns
    // whether the rule applied; it may set *after to finish once the expressions
    // are rewritten.
    std::function<bool(Pieces& s, const SchemaInfo& schema, AfterStep* after)> before;
};

// Applied in their order.
using TranslationRules = std::vector<TranslationRule>;

}  // namespace engine
