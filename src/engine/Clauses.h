#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "engine/Pieces.h"

namespace engine {

// First piece at depth 0 (relative to from) that is one of the keywords, or -1.
// A ")" that closes the enclosing level ends the search; levelEnd receives it
// (or the statement's end).
int findTop(const Pieces& s, int from, std::initializer_list<const char*> keywords,
            int* levelEnd = nullptr);
// The same for the keywords or a set operator (the clause ends there too).
int findTopOrSet(const Pieces& s, int from, std::initializer_list<const char*> keywords,
                 int* levelEnd = nullptr);
// The first set operator at from's level, or -1; levelEnd as findTop's.
inline int findSetOperator(const Pieces& s, int from, int* levelEnd = nullptr) {
    return findTopOrSet(s, from, {}, levelEnd);
}

// The select list of the SELECT at k: [first, last], after DISTINCT or ALL.
std::pair<int, int> selectList(const Pieces& s, int k);

// Where a select item's alias begins (the AS or the alias name), or -1 when it has none.
int aliasStart(const Pieces& s, int first, int last);

// name, alias.name, schema.table.name
bool isColumnChain(const Pieces& s, int first, int last);

// The result expressions of the CASE at caseAt: after THEN and after ELSE.
std::vector<std::pair<int, int>> caseResults(const Pieces& s, int caseAt);

}  // namespace engine
