#pragma once

#include "engine/Pieces.h"
#include "engine/SchemaInfo.h"
#include "engine/StaticTypes.h"

namespace engine {

// Rewrites the expressions of one statement in place: T-SQL functions to the
// engine's functions, CASE result types, comparisons by T-SQL's type precedence
// and collation, binary +, - and * by T-SQL's type rules, and SUM of NUMERIC
// values in exact decimals.
class ExpressionRewriter {
  public:
    explicit ExpressionRewriter(const SchemaInfo& schema) : schema_(schema) {}

    void rewrite(Pieces& s) const;

  private:
    void rewriteCaseTypes(Pieces& s, const StaticTypes& types) const;
    void rewriteFunctions(Pieces& s, const StaticTypes& types) const;
    void rewriteCall(Pieces& s, int name, const StaticTypes& types) const;
    void rewriteArithmetic(Pieces& s) const;

    const SchemaInfo& schema_;
};

}  // namespace engine
