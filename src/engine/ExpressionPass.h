#pragma once

#include "engine/TreeTypes.h"

namespace engine {

// Rewrites the expressions of one statement's tree: CASE result types, T-SQL
// functions to the engine's functions, comparisons (ComparisonPass), then
// binary +, - and * by T-SQL's type rules.
class ExpressionPass {
  public:
    ExpressionPass(const SchemaInfo& schema, Node& statement)
        : statement_(statement), types_(schema, statement) {}

    void run();

  private:
    void caseTypes(Node& n) const;
    void function(Node& n) const;
    void cast(Node& n) const;
    void convert(Node& n) const;
    static void arithmetic(Node& n);

    Node& statement_;
    const TreeTypes types_;
};

}  // namespace engine
