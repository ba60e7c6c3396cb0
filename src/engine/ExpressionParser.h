#pragma once

#include <functional>

#include "engine/SyntaxTree.h"
#include "engine/TokenCursor.h"

namespace engine {

// Parses the expressions of the T-SQL subset at a cursor, by T-SQL's operator
// precedence (OR < AND < NOT < comparisons < + - & | ^ < * / % < unary). A
// subquery is handed to the query parser given.
class ExpressionParser {
  public:
    using QueryParser = std::function<Node()>;
    ExpressionParser(TokenCursor& c, QueryParser query) : c_(c), query_(std::move(query)) {}

    Node expression();
    // A data type: numeric(10,2), varchar(max), datetime.
    Node type();
    // A column name: a, t.a, s.t.a (t.* when star is allowed).
    Node column(bool star = false);
    // A name token's text, or empty when the token names nothing.
    static QString nameOf(const Token& t);

  private:
    Node orLevel();
    Node andLevel();
    Node notLevel();
    Node predicate();
    Node additive();
    Node multiplicative();
    Node unary();
    Node primary();
    Node call();
    Node caseExpression();
    Node parenthesised();

    TokenCursor& c_;
    QueryParser query_;
};

}  // namespace engine
