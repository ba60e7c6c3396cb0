#pragma once

#include "engine/SyntaxTree.h"

namespace mes {

// A grouped derived table filtered outside on a key of its grouping:
//   ... JOIN (SELECT k AS k, SUM(x) AS s FROM t [WHERE w] GROUP BY k, ...) A ON A.k = Y.c
//   WHERE Y.c = 'v'            (or WHERE A.k = 'v')
// SQLite pushes no outer term into a grouping on a column of another collation than
// BINARY, so it groups the whole of t and throws all but one group away. The term
// is put inside as well:
//   (SELECT ... FROM t WHERE (w) AND k = 'v' GROUP BY k, ...) A
// Groups of other keys fail the outer term anyway, and the kept group's rows are all
// kept, as the inner term compares in the grouping's own collation; so the rows are
// the same. Derived tables with TOP, DISTINCT or a set operation are left alone.
class GroupKeyFilter {
  public:
    // Whether any derived table was given a term.
    static bool rewrite(engine::Node& statement);
};

}  // namespace mes
