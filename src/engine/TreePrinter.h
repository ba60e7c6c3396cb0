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
    void write(const Node& n, QString& out) const;
    void list(const std::vector<Node>& nodes, QString& out, size_t from = 0,
              QLatin1String separator = QLatin1String(", ")) const;
    void expression(const Node& n, QString& out) const;
    void predicate(const Node& n, QString& out) const;
    void query(const Node& n, QString& out) const;
    void select(const Node& n, QString& out) const;
    void statement(const Node& n, QString& out) const;
    void block(const Node& n, QString& out) const;
    void target(const Node& table, QString& out) const;

    bool sqlite_;
};

}  // namespace engine
