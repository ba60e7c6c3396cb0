#include "engine/Clauses.h"

namespace engine {

namespace {

int size(const Pieces& s) { return static_cast<int>(s.size()); }

}  // namespace

namespace {

int findAtLevel(const Pieces& s, int from, std::initializer_list<const char*> keywords, bool orSet,
                int* levelEnd) {
    int depth = 0;
    for (int j = from; j < size(s); ++j) {
        if (isPunct(s[j], '(')) ++depth;
        if (isPunct(s[j], ')') && --depth < 0) {
            if (levelEnd) *levelEnd = j;
            return -1;
        }
        if (depth == 0) {
            if (orSet && isSetOperator(s[j])) return j;
            for (const char* k : keywords) {
                if (isKw(s[j], k)) return j;
            }
        }
    }
    if (levelEnd) *levelEnd = size(s);
    return -1;
}

}  // namespace

int findTop(const Pieces& s, int from, std::initializer_list<const char*> keywords, int* levelEnd) {
    return findAtLevel(s, from, keywords, false, levelEnd);
}

int findTopOrSet(const Pieces& s, int from, std::initializer_list<const char*> keywords,
                 int* levelEnd) {
    return findAtLevel(s, from, keywords, true, levelEnd);
}

std::pair<int, int> selectList(const Pieces& s, int k) {
    int first = k + 1;
    while (first < size(s) && (isKw(s[first], "DISTINCT") || isKw(s[first], "ALL"))) ++first;
    int end = size(s);
    const int stop = findTopOrSet(
        s, first, {"FROM", "INTO", "WHERE", "GROUP", "HAVING", "ORDER", "LIMIT"}, &end);
    return {first, (stop >= 0 ? stop : end) - 1};
}

int aliasStart(const Pieces& s, int first, int last) {
    if (last <= first) return -1;
    const Piece& p = s[last];
    if (!(isIdentifier(p) || p.kind == TokenKind::String)) return -1;
    if (isKw(s[last - 1], "AS")) return last - 1;
    if (isOp(s[last - 1], ".")) return -1;
    return endsOperand(s[last - 1]) && p.kind != TokenKind::String ? last : -1;
}

bool isColumnChain(const Pieces& s, int first, int last) {
    for (int j = first; j <= last; ++j) {
        if (!((j - first) % 2 == 0 ? isIdentifier(s[j]) : isOp(s[j], "."))) return false;
    }
    return (last - first) % 2 == 0;
}

std::vector<std::pair<int, int>> caseResults(const Pieces& s, int caseAt) {
    const int end = caseEnd(s, caseAt);
    std::vector<std::pair<int, int>> results;
    int depth = 0, open = -1;
    for (int j = caseAt + 1; j <= end; ++j) {
        const bool top = depth == 0;
        if (isPunct(s[j], '(') || isKw(s[j], "CASE")) ++depth;
        if (isPunct(s[j], ')') || (isKw(s[j], "END") && j != end)) --depth;
        if (!top) continue;
        if (isKw(s[j], "WHEN") || isKw(s[j], "ELSE") || j == end) {
            if (open >= 0) results.emplace_back(open, j - 1);
            open = -1;
        }
        if (isKw(s[j], "THEN") || isKw(s[j], "ELSE")) open = j + 1;
    }
    return results;
}

}  // namespace engine
