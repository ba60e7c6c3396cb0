#pragma once

#include "engine/ExpressionParser.h"

namespace engine {

// Parses a T-SQL batch of the engine's subset into a Batch node: SELECT with its
// set operations, INSERT, UPDATE ... FROM, DELETE, CREATE/DROP/ALTER kept whole,
// and IF ... [BEGIN ... END] [ELSE ...]. Anything else fails with "not supported
// by the embedded engine: " and the construct, or with SQL Server's "Incorrect
// syntax near" for text that is no T-SQL, each with its position.
class StatementParser {
  public:
    StatementParser(const QString& sql, const Tokens& tokens);

    Node batch();

  private:
    std::vector<Node> statements(bool inBlock);
    Node statement();
    Node ifStatement();
    Node branch();
    Node query();
    Node setTerm();
    Node select();
    Node selectItem();
    Node from();
    Node joined();
    QString joinType();
    Node tableSource();
    Node table();
    QString alias();
    Node orderBy();
    Node insert();
    Node update();
    Node remove();
    Node definition();
    Node clause(NodeKind kind);

    QString sql_;
    TokenCursor c_;
    ExpressionParser e_;
};

// The batch's syntax tree; throws EngineError as StatementParser does.
Node parseBatch(const QString& sql);

}  // namespace engine
