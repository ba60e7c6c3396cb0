#include "foundation/GroupKeyFilter.h"

#include <QHash>

#include "engine/Clauses.h"
#include "engine/JoinPieces.h"

namespace mes {

using namespace engine;

namespace {

int size(const Pieces& s) { return static_cast<int>(s.size()); }

bool isLiteral(const Piece& p) {
    return p.kind == TokenKind::String || p.kind == TokenKind::NString ||
           p.kind == TokenKind::Number;
}

QString columnKey(const Pieces& s, int i) {
    return pieceName(s[i]).toUpper() + u'.' + pieceName(s[i + 2]).toUpper();
}

QString chainText(const Pieces& s, int from, int to) {
    QString out;
    for (int j = from; j <= to; ++j) out += pieceName(s[j]).toUpper();
    return out;
}

// alias.column = literal (either way round) for each top-level AND term of s[from..to].
QHash<QString, int> pinnedColumns(const Pieces& s, int from, int to) {
    QHash<QString, int> out;
    for (auto [a, b] : conjuncts(s, from, to)) {
        if (b - a != 4 || !isOp(s[a + 1 + (isLiteral(s[a]) ? 0 : 2)], "=")) continue;
        if (isLiteral(s[a]) && isQualifiedColumn(s, a + 2, b))
            out.insert(columnKey(s, a + 2), a);
        else if (isLiteral(s[b]) && isQualifiedColumn(s, a, a + 2))
            out.insert(columnKey(s, a), b);
    }
    return out;
}

bool hasCompound(const Pieces& s, int from) { return findSetOperator(s, from) >= 0; }

struct Derived {
    int open = 0, close = 0;
    QString alias;
    int on = -1, onEnd = -1;
};

// ( SELECT at depth 0 after FROM or JOIN, with its alias and ON.
std::vector<Derived> derivedTables(const Pieces& s, int to) {
    std::vector<Derived> out;
    for (int j = 0, depth = 0; j + 2 < to; ++j) {
        if (isPunct(s[j], '(')) ++depth;
        if (isPunct(s[j], ')')) --depth;
        if (depth != 0 || !(isKw(s[j], "FROM") || isKw(s[j], "JOIN")) || !isPunct(s[j + 1], '(') ||
            !isKw(s[j + 2], "SELECT"))
            continue;
        Derived d;
        d.open = j + 1;
        d.close = closeParen(s, d.open);
        int at = d.close + 1;
        if (at < size(s) && isKw(s[at], "AS")) ++at;
        if (at >= size(s) || !isIdentifier(s[at])) continue;
        d.alias = pieceName(s[at]).toUpper();
        if (at + 1 < size(s) && isKw(s[at + 1], "ON")) {
            d.on = at + 1;
            d.onEnd = onConditionEnd(s, d.on);
        }
        out.push_back(d);
    }
    return out;
}

// The inner terms for one derived table, or none.
Pieces innerTerms(const Pieces& s, const Derived& d, const QHash<QString, int>& pinned) {
    const int select = d.open + 1;
    if (isKw(s[select + 1], "DISTINCT") || isKw(s[select + 1], "TOP") || hasCompound(s, select + 1))
        return {};
    const int group = findTop(s, select + 1, {"GROUP"});
    if (group < 0 || !isKw(s[group + 1], "BY")) return {};
    const int groupEnd = [&] {
        const int h = findTop(s, group, {"HAVING", "ORDER"});
        return (h >= 0 ? h : d.close) - 1;
    }();
    QHash<QString, std::pair<int, int>> keys;
    for (auto [a, b] : splitTopLevel(s, group + 2, groupEnd)) {
        if (!isColumnChain(s, a, b)) return {};  // a COLLATE or an expression
        keys.insert(chainText(s, a, b), {a, b});
    }
    // The outer column each key is pinned through: A.k itself, or Y.c when A's ON
    // holds A.k = Y.c.
    QHash<QString, int> literalOf;
    for (auto [name, at] : pinned.asKeyValueRange()) {
        if (name.section(u'.', 0, 0) == d.alias) literalOf.insert(name.section(u'.', 1), at);
    }
    if (d.on >= 0) {
        for (auto [a, b] : conjuncts(s, d.on + 1, d.onEnd)) {
            if (b - a != 6 || !isOp(s[a + 3], "=") || !isQualifiedColumn(s, a, a + 2) ||
                !isQualifiedColumn(s, a + 4, b))
                continue;
            const bool mineLeft = pieceName(s[a]).toUpper() == d.alias;
            const int mine = mineLeft ? a : a + 4, other = mineLeft ? a + 4 : a;
            if (pieceName(s[mine]).toUpper() != d.alias) continue;
            const auto p = pinned.constFind(columnKey(s, other));
            if (p != pinned.cend()) literalOf.insert(pieceName(s[mine + 2]).toUpper(), *p);
        }
    }
    Pieces terms;
    const auto [first, last] = selectList(s, select);
    for (auto [a, b] : splitTopLevel(s, first, last)) {
        const int alias = aliasStart(s, a, b);
        const int to = alias >= 0 ? alias - 1 : b;
        if (!isColumnChain(s, a, to)) continue;
        const auto key = keys.constFind(chainText(s, a, to));
        const auto literal = literalOf.constFind(pieceName(s[b]).toUpper());
        if (key == keys.cend() || literal == literalOf.cend()) continue;
        if (!terms.empty()) terms.push_back(tsqlPieces(QStringLiteral("AND")).front());
        for (const Piece& p : copyPieces(s, key->first, key->second)) terms.push_back(p);
        terms.push_back(tsqlPieces(QStringLiteral("=")).front());
        for (const Piece& p : copyPieces(s, *literal, *literal)) terms.push_back(p);
    }
    return terms;
}

}  // namespace

bool GroupKeyFilter::rewrite(Pieces& s) {
    if (hasCompound(s, 1)) return false;
    int levelEnd = size(s);
    const int where = findTop(s, 1, {"WHERE"}, &levelEnd);
    if (where < 0) return false;
    const int whereEnd = [&] {
        const int next = findTop(s, where + 1, {"GROUP", "HAVING", "ORDER"});
        return (next >= 0 ? next : levelEnd) - 1;
    }();
    const QHash<QString, int> pinned = pinnedColumns(s, where + 1, whereEnd);
    if (pinned.isEmpty()) return false;
    std::vector<PieceEdit> edits;
    for (const Derived& d : derivedTables(s, where)) {
        Pieces terms = innerTerms(s, d, pinned);
        if (terms.empty()) continue;
        const int group = findTop(s, d.open + 2, {"GROUP"});
        const int inner = findTop(s, d.open + 2, {"WHERE"});
        Pieces with;
        if (inner >= 0 && inner < group) {
            // WHERE ( w ) AND terms GROUP
            with = tsqlPieces(QStringLiteral("("));
            for (const Piece& p : copyPieces(s, inner + 1, group - 1)) with.push_back(p);
            for (const Piece& p : tsqlPieces(QStringLiteral(") AND"))) with.push_back(p);
            for (const Piece& p : terms) with.push_back(p);
            with.push_back(s[group]);
            edits.push_back({inner + 1, group, with});
        } else {
            with = tsqlPieces(QStringLiteral("WHERE"));
            for (const Piece& p : terms) with.push_back(p);
            with.push_back(s[group]);
            edits.push_back({group, group, with});
        }
    }
    if (edits.empty()) return false;
    applyEdits(s, std::move(edits));
    return true;
}

}  // namespace mes
