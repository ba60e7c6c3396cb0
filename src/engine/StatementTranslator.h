#pragma once

#include "engine/SchemaInfo.h"
#include "engine/SyntaxTree.h"
#include "engine/TranslationRule.h"

namespace engine {

struct TranslatedStatement {
    StatementKind kind = StatementKind::Select;
    QString sql;        // SQLite text
    QStringList paths;  // the names of the rules applied to it
};

// Translates one parsed T-SQL statement into SQLite's dialect: the given rules on
// its tree as parsed, then the passes over its tree (statement shapes,
// expressions, comparisons) and the printer. Throws EngineError naming anything it
// does not support.
class StatementTranslator {
  public:
    StatementTranslator(const SchemaInfo& schema, const TranslationRules& rules)
        : schema_(schema), rules_(rules) {}

    TranslatedStatement translate(const Node& statement) const;

  private:
    bool applyRules(Node& tree, TranslatedStatement& out, std::vector<AfterStep>& afters) const;

    const SchemaInfo& schema_;
    const TranslationRules& rules_;
};

}  // namespace engine
