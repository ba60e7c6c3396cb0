#pragma once

#include "engine/Pieces.h"
#include "engine/SchemaInfo.h"

namespace engine {

// Rewrites the expressions of one statement in place: T-SQL functions to the
// engine's functions, CASE result types, comparisons of a quoted value with a
// computed one, and binary + and - by T-SQL's type rules.
class ExpressionRewriter {
  public:
    explicit ExpressionRewriter(const SchemaInfo& schema) : schema_(schema) {}

    void rewrite(Pieces& s) const;

    // The type an expression has on SQL Server as far as the text tells it.
    TypeSpec staticType(const Pieces& s, int from, int to) const;

  private:
    void rewriteCaseTypes(Pieces& s) const;
    void rewriteFunctions(Pieces& s) const;
    void rewriteCall(Pieces& s, int name) const;
    void rewriteComparisons(Pieces& s) const;
    void rewriteArithmetic(Pieces& s) const;

    const SchemaInfo& schema_;
};

// Wraps s[from..to] in fn( ... , extra) with synthetic pieces; returns the new end.
int wrapCall(Pieces& s, int from, int to, const QString& fn, const QString& extra = QString());

}  // namespace engine
