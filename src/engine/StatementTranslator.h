#pragma once

#include "engine/Pieces.h"
#include "engine/SchemaInfo.h"
#include "engine/TranslationRule.h"

namespace engine {

struct TranslatedStatement {
    StatementKind kind = StatementKind::Select;
    QString sql;        // SQLite text
    QStringList paths;  // the names of the rules applied to it
};

// Translates one T-SQL statement (its pieces) into SQLite's dialect: statement
// shapes (UPDATE ... FROM, DELETE without FROM, TOP), stored values converted to
// the column types, text ordering by the CI_AS collation, and the expression
// rewrites, with the given rules around them. Throws EngineError naming anything
// it does not support.
class StatementTranslator {
  public:
    StatementTranslator(const SchemaInfo& schema, const TranslationRules& rules)
        : schema_(schema), rules_(rules) {}

    TranslatedStatement translate(Pieces s) const;

  private:
    void normalize(Pieces& s) const;
    void rewriteInsert(Pieces& s) const;
    void rewriteUpdate(Pieces& s) const;
    void rewriteDelete(Pieces& s) const;
    void nameResultColumns(Pieces& s) const;
    void collateOrderBy(Pieces& s) const;
    void rewriteTop(Pieces& s) const;
    void convertItems(Pieces& s, const std::vector<std::pair<int, int>>& items,
                      const QString& table, const QStringList& columns) const;

    const SchemaInfo& schema_;
    const TranslationRules& rules_;
};

}  // namespace engine
