#pragma once

#include "engine/SchemaInfo.h"
#include "engine/SyntaxTree.h"

namespace engine {

// The statement shapes SQLite writes otherwise: values stored as the column types
// take them, UPDATE ... FROM with the target among the tables, DELETE's FROM,
// computed result columns named "", text ordering by CI_AS, and TOP as LIMIT.
class StatementPass {
  public:
    explicit StatementPass(const SchemaInfo& schema) : schema_(schema) {}

    // Before the expressions are rewritten.
    void shape(Node& statement) const;
    // After.
    static void finish(Node& statement);

  private:
    void insert(Node& n) const;
    void update(Node& n) const;
    static void remove(const Node& n);
    static void nameResultColumns(Node& query);
    void convertValues(const std::vector<Node*>& values, const QString& table,
                       const QStringList& columns) const;

    const SchemaInfo& schema_;
};

}  // namespace engine
