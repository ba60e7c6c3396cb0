#pragma once

#include "engine/SyntaxTree.h"

namespace engine {

// Writes a syntax tree out as SQL: names in SQLite's quoting where they need it,
// keywords upper case, one space between the parts. What the tree holds of T-SQL
// (TOP, its functions) it writes as it stands; the passes before it rewrite that.
class TreePrinter {
  public:
    QString print(const Node& n) const;

    // A name bare when it can stand so, else in double quotes.
    static QString name(const QString& text);

  private:
    QString list(const std::vector<Node>& nodes, int from = 0,
                 const QString& separator = QStringLiteral(", ")) const;
    QString expression(const Node& n) const;
    QString predicate(const Node& n) const;
    QString query(const Node& n) const;
    QString select(const Node& n) const;
    QString statement(const Node& n) const;
    QString block(const Node& n) const;
};

}  // namespace engine
