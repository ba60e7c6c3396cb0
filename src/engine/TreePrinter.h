#pragma once

#include "engine/SyntaxTree.h"

namespace engine {

// Writes a syntax tree out as SQL: names in SQLite's quoting where they need it,
// keywords upper case, one space between the parts. As T-SQL it writes the tree as
// it stands; as SQLite it writes TOP as LIMIT, N'' strings as plain ones and the
// aliases of UPDATE and DELETE with AS, the passes before it having rewritten the
// rest.
class TreePrinter {
  public:
    enum Dialect { Tsql, Sqlite };
    explicit TreePrinter(Dialect dialect = Tsql) : sqlite_(dialect == Sqlite) {}

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
    QString target(const Node& table) const;

    bool sqlite_;
};

}  // namespace engine
