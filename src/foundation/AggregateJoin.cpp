#include "foundation/AggregateJoin.h"

#include <QStringList>

#include "engine/Clauses.h"
#include "engine/JoinPieces.h"

namespace mes {

using namespace engine;

namespace {

int size(const Pieces& s) { return static_cast<int>(s.size()); }

struct Item {
    int from = 0;  // the expression, without its alias
    int to = 0;
    QString name;
    int key = -1;  // the GROUP BY term it shows, or -1 for an aggregate
};

QString chainText(const Pieces& s, int from, int to) {
    QString out;
    for (int j = from; j <= to; ++j) out += pieceName(s[j]).toUpper();
    return out;
}

bool isAggregateCall(const Pieces& s, int from, int to) {
    static const char* const kNames[] = {"MAX", "MIN", "SUM", "COUNT", "AVG"};
    if (from + 1 > to || !isPunct(s[from + 1], '(') || closeParen(s, from + 1) != to) return false;
    for (const char* name : kNames) {
        if (isKw(s[from], name)) return true;
    }
    return false;
}

// Candidates: LEFT [OUTER] JOIN ( SELECT at depth 0.
int nextCandidate(const Pieces& s, int from) {
    int depth = 0;
    for (int j = 0; j < size(s); ++j) {
        if (isPunct(s[j], '(')) ++depth;
        if (isPunct(s[j], ')')) --depth;
        if (depth != 0 || j < from || !isKw(s[j], "LEFT")) continue;
        int k = j + 1;
        if (k < size(s) && isKw(s[k], "OUTER")) ++k;
        if (k + 2 < size(s) && isKw(s[k], "JOIN") && isPunct(s[k + 1], '(') &&
            isKw(s[k + 2], "SELECT"))
            return j;
    }
    return -1;
}

bool hasCompound(const Pieces& s) { return findSetOperator(s, 0) >= 0; }

}  // namespace

bool AggregateJoin::rewrite(Pieces& s) {
    if (hasCompound(s)) return false;
    bool any = false;
    int from = 0;
    for (int left = nextCandidate(s, from); left >= 0; left = nextCandidate(s, from)) {
        const bool done = rewriteAt(s, left);
        any = any || done;
        from = done ? 0 : left + 1;
    }
    return any;
}

bool AggregateJoin::rewriteAt(Pieces& s, int left) {
    const int open = left + (isKw(s[left + 1], "OUTER") ? 3 : 2);
    const int close = closeParen(s, open);
    const int select = open + 1;
    if (isKw(s[select + 1], "DISTINCT") || isKw(s[select + 1], "TOP")) return false;
    const auto [first, last] = selectList(s, select);
    const int fromAt = last + 1;
    if (fromAt >= close || !isKw(s[fromAt], "FROM")) return false;
    const int group = findTop(s, fromAt + 1, {"GROUP"});
    if (group < 0 || !isKw(s[group + 1], "BY") || findTopOrSet(s, group, {"HAVING", "ORDER"}) >= 0)
        return false;
    const int where = findTop(s, fromAt + 1, {"WHERE"});
    if (where > group) return false;
    const auto keys = splitTopLevel(s, group + 2, close - 1);
    QStringList keyTexts;
    for (auto [a, b] : keys) {
        if (!isColumnChain(s, a, b)) return false;
        keyTexts << chainText(s, a, b);
    }

    std::vector<Item> items;
    for (auto [a, b] : splitTopLevel(s, first, last)) {
        Item item;
        const int alias = aliasStart(s, a, b);
        item.from = a;
        item.to = alias >= 0 ? alias - 1 : b;
        if (alias < 0 && !isColumnChain(s, a, b)) return false;
        item.name = pieceName(s[b]);
        if (isColumnChain(s, item.from, item.to))
            item.key = static_cast<int>(keyTexts.indexOf(chainText(s, item.from, item.to)));
        if (item.key < 0 && !isAggregateCall(s, item.from, item.to)) return false;
        items.push_back(item);
    }

    // ) [AS] X ON X.k = Y.c AND ...
    int at = close + 1;
    if (at < size(s) && isKw(s[at], "AS")) ++at;
    if (at + 1 >= size(s) || !isIdentifier(s[at]) || !isKw(s[at + 1], "ON")) return false;
    const QString alias = pieceName(s[at]);
    const int on = at + 1;
    const int onEnd = onConditionEnd(s, on);
    auto itemNamed = [&](const Piece& p) {
        for (size_t k = 0; k < items.size(); ++k) {
            if (sameName(p, items[k].name)) return static_cast<int>(k);
        }
        return -1;
    };
    std::vector<std::pair<int, int>> outer(keys.size(), {-1, -1});  // Y.c per key
    for (auto [a, b] : conjuncts(s, on + 1, onEnd)) {
        if (b - a != 6 || !isOp(s[a + 3], "=") || !isQualifiedColumn(s, a, a + 2) ||
            !isQualifiedColumn(s, a + 4, b))
            return false;
        const bool derivedLeft = sameName(s[a], alias);
        const int mine = derivedLeft ? a : a + 4;
        const int other = derivedLeft ? a + 4 : a;
        if (!sameName(s[mine], alias) || sameName(s[other], alias)) return false;
        // Y must not name anything inside the derived table, or the subquery would capture it.
        if (namesIdentifier(s, open, close, pieceName(s[other]))) return false;
        const int k = itemNamed(s[mine + 2]);
        if (k < 0 || items[k].key < 0) return false;
        outer[items[k].key] = {other, other + 2};
    }
    for (const auto& o : outer) {
        if (o.first < 0) return false;
    }

    // Every use of X elsewhere must be X.column; a bare column name could be X's.
    std::vector<PieceEdit> edits{{left, onEnd, {}}};
    for (int j = 0; j < size(s); ++j) {
        if (j == left)
            j = onEnd;
        else if (j > 0 && isOp(s[j - 1], "."))
            continue;
        else if (sameName(s[j], alias) && j + 1 < size(s) && isOp(s[j + 1], ".")) {
            const int k = j + 2 < size(s) ? itemNamed(s[j + 2]) : -1;
            // A key shows one of the spellings of its group, which one is the server's
            // choice: left to SQLite's own grouping.
            if (k < 0 || items[k].key >= 0) return false;
            const Item& item = items[k];
            Pieces sub = tsqlPieces(QStringLiteral("(SELECT"));
            for (const Piece& p : copyPieces(s, item.from, item.to)) sub.push_back(p);
            const int whereEnd = group - 1;
            for (const Piece& p : copyPieces(s, fromAt, where >= 0 ? where - 1 : whereEnd))
                sub.push_back(p);
            sub.push_back(tsqlPieces(QStringLiteral("WHERE")).front());
            if (where >= 0) {
                for (const Piece& p : tsqlPieces(QStringLiteral("("))) sub.push_back(p);
                for (const Piece& p : copyPieces(s, where + 1, whereEnd)) sub.push_back(p);
                for (const Piece& p : tsqlPieces(QStringLiteral(") AND"))) sub.push_back(p);
            }
            for (size_t key = 0; key < keys.size(); ++key) {
                if (key > 0) sub.push_back(tsqlPieces(QStringLiteral("AND")).front());
                for (const Piece& p : copyPieces(s, keys[key].first, keys[key].second))
                    sub.push_back(p);
                sub.push_back(tsqlPieces(QStringLiteral("=")).front());
                for (const Piece& p : copyPieces(s, outer[key].first, outer[key].second))
                    sub.push_back(p);
            }
            // Every key is pinned to the outer row, so there is one group or none; the
            // grouping is only needed where an empty group must give NULL, not 0.
            if (isKw(s[item.from], "COUNT"))
                for (const Piece& p : copyPieces(s, group, close - 1)) sub.push_back(p);
            sub.push_back(tsqlPieces(QStringLiteral(")")).front());
            edits.push_back({j, j + 2, sub});
            j += 2;
        } else if (itemNamed(s[j]) >= 0 && !(j > 0 && isKw(s[j - 1], "AS")) &&
                   !(j + 1 < size(s) && isOp(s[j + 1], "."))) {
            return false;
        } else if (isOp(s[j], "*") && j > 0 &&
                   (isKw(s[j - 1], "SELECT") || isPunct(s[j - 1], ','))) {
            return false;
        }
    }
    applyEdits(s, std::move(edits));
    return true;
}

}  // namespace mes
