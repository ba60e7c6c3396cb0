#pragma once

#include "engine/SyntaxTree.h"

namespace mes {

// LEFT JOIN (SELECT key AS k, MAX(x) AS m ... FROM t [WHERE w] GROUP BY key) X
// ON X.k = Y.col [AND ...] over the whole group key: SQLite would build the whole
// aggregate to look up a few rows. Each X.column is read instead by a correlated
// subquery (SELECT MAX(x) FROM t WHERE (w) AND key = Y.col), which an index on the
// key answers. A COUNT keeps the GROUP BY, so that a key without rows gives NULL,
// as the outer join does. Shapes the rewrite cannot prove equal (other conditions,
// unqualified names, *, the key column read outside) are left alone.
class AggregateJoin {
  public:
    // Whether any join was rewritten.
    static bool rewrite(engine::Node& statement);

  private:
    static bool rewriteAt(engine::Node& statement, engine::Node& join);
};

}  // namespace mes
