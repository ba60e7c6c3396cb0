#pragma once

#include "engine/SyntaxTree.h"

namespace mes {

// The latest row of a key in a ledger, written as
//   FROM (SELECT k, MAX(d) AS d FROM t WHERE wa GROUP BY k) A
//   JOIN (SELECT k, d, MAX(i) AS i FROM t WHERE wb GROUP BY k, d) B
//        ON A.k = B.k AND A.d = B.d
//   JOIN c C ON B.i = C.i
//   RIGHT JOIN m M ON A.k = M.k
// groups the whole ledger twice. When A and B are used nowhere else it is read as
//   FROM m M LEFT JOIN c C ON C.i = (SELECT MAX(i) FROM t WHERE (wb) AND k = M.k
//        AND d = (SELECT MAX(d) FROM t WHERE (wa) AND k = M.k))
// which gives the same rows (M's row with NULLs when the key has no row) and which
// an index on (k, d) answers with two seeks.
class LatestRowJoin {
  public:
    // Whether the join was rewritten.
    static bool rewrite(engine::Node& statement);

  private:
    static bool rewriteAt(engine::Node& statement, engine::Node& join);
};

}  // namespace mes
