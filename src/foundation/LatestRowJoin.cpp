#include "foundation/LatestRowJoin.h"

#include <QStringList>

#include "engine/Clauses.h"
#include "engine/JoinPieces.h"

namespace mes {

using namespace engine;

namespace {

int size(const Pieces& s) { return static_cast<int>(s.size()); }

// One grouped derived table: ( SELECT items FROM table [WHERE w] GROUP BY keys ) alias
struct Grouped {
    int open = -1;
    int close = -1;
    QString table;
    int whereFrom = -1;  // the condition, or -1
    int whereTo = -1;
    QStringList keys;   // GROUP BY names
    QStringList plain;  // plain columns of the list
    QString maxOf;      // MAX(maxOf) AS maxAs, the last item
    QString maxAs;
    QString alias;
    int end = -1;  // the alias piece
};

bool single(const Pieces& s, int a, int b, QString* name) {
    if (a != b || !isIdentifier(s[a])) return false;
    *name = pieceName(s[a]);
    return true;
}

bool readGrouped(const Pieces& s, int open, Grouped* g) {
    if (open + 1 >= size(s) || !isPunct(s[open], '(') || !isKw(s[open + 1], "SELECT")) return false;
    g->open = open;
    g->close = closeParen(s, open);
    const auto [first, last] = selectList(s, open + 1);
    if (isKw(s[open + 2], "DISTINCT") || isKw(s[open + 2], "TOP")) return false;
    const int from = last + 1;
    const int group = findTop(s, from, {"GROUP"});
    const int where = findTop(s, from, {"WHERE"});
    if (!isKw(s[from], "FROM") || group < 0 || !isKw(s[group + 1], "BY") ||
        findTop(s, group, {"HAVING", "ORDER"}) >= 0 || where > group)
        return false;
    if (!single(s, from + 1, (where >= 0 ? where : group) - 1, &g->table)) return false;
    if (where >= 0) {
        g->whereFrom = where + 1;
        g->whereTo = group - 1;
    }
    for (auto [a, b] : splitTopLevel(s, group + 2, g->close - 1)) {
        QString key;
        if (!single(s, a, b, &key)) return false;
        g->keys << key.toUpper();
    }
    const auto items = splitTopLevel(s, first, last);
    for (size_t k = 0; k + 1 < items.size(); ++k) {
        QString column;
        if (!single(s, items[k].first, items[k].second, &column)) return false;
        g->plain << column.toUpper();
    }
    // MAX ( x ) AS name
    const auto [a, b] = items.back();
    if (b - a != 5 || !isKw(s[a], "MAX") || !isPunct(s[a + 1], '(') || !isPunct(s[a + 3], ')') ||
        !isKw(s[a + 4], "AS") || !single(s, a + 2, a + 2, &g->maxOf) || !single(s, b, b, &g->maxAs))
        return false;
    int at = g->close + 1;
    if (at < size(s) && isKw(s[at], "AS")) ++at;
    if (at >= size(s) || !isIdentifier(s[at])) return false;
    g->alias = pieceName(s[at]);
    g->end = at;
    return true;
}

// x.a = y.b, either way round: the pieces of the side qualified by alias, else -1.
int sideOf(const Pieces& s, std::pair<int, int> term, const QString& alias, const QString& column,
           int* other) {
    const auto [a, b] = term;
    if (b - a != 6 || !isOp(s[a + 3], "=") || !isQualifiedColumn(s, a, a + 2) ||
        !isQualifiedColumn(s, a + 4, b))
        return -1;
    for (int mine : {a, a + 4}) {
        if (sameName(s[mine], alias) && sameName(s[mine + 2], column)) {
            *other = mine == a ? a + 4 : a;
            return mine;
        }
    }
    return -1;
}

// JOIN after at (INNER, RIGHT [OUTER] as asked): the piece after JOIN, or -1.
int joinAfter(const Pieces& s, int at, bool right) {
    int k = at + 1;
    if (right) {
        if (k >= size(s) || !isKw(s[k], "RIGHT")) return -1;
        ++k;
        if (k < size(s) && isKw(s[k], "OUTER")) ++k;
    } else if (k < size(s) && isKw(s[k], "INNER")) {
        ++k;
    }
    return k < size(s) && isKw(s[k], "JOIN") ? k + 1 : -1;
}

// table [AS] alias ON: the ON piece, the alias into *alias.
int tableRef(const Pieces& s, int at, QString* alias) {
    if (at >= size(s) || !isIdentifier(s[at])) return -1;
    int k = at + 1;
    if (k < size(s) && isKw(s[k], "AS")) ++k;
    if (k < size(s) && isIdentifier(s[k])) {
        *alias = pieceName(s[k]);
        ++k;
    } else {
        *alias = pieceName(s[at]);
    }
    return k < size(s) && isKw(s[k], "ON") ? k : -1;
}

Pieces whereTerms(const Pieces& s, const Grouped& g) {
    if (g.whereFrom < 0) return {};
    Pieces out = tsqlPieces(QStringLiteral("("));
    for (const Piece& p : copyPieces(s, g.whereFrom, g.whereTo)) out.push_back(p);
    for (const Piece& p : tsqlPieces(QStringLiteral(") AND"))) out.push_back(p);
    return out;
}

// B's condition adds nothing when it is A's and compares only the date with a literal:
// the rows on A's latest date meet it already. Left out, it no longer keeps SQLite
// from seeking (key, date).
bool impliedByLatestDate(const Pieces& s, const Grouped& a, const Grouped& b) {
    if (b.whereFrom < 0) return true;
    if (a.whereFrom < 0 || b.whereTo - b.whereFrom != 2 || a.whereTo - a.whereFrom != 2)
        return false;
    const int at = b.whereFrom;
    const bool literal = s[at + 2].kind == TokenKind::String || s[at + 2].kind == TokenKind::Number;
    bool comparison = false;
    for (const char* op : {"<", "<=", ">", ">=", "="})
        comparison = comparison || isOp(s[at + 1], op);
    if (!sameName(s[at], a.maxOf) || !comparison || !literal) return false;
    for (int k = 0; k < 3; ++k) {
        if (s[at + k].kind != s[a.whereFrom + k].kind ||
            s[at + k].text.compare(s[a.whereFrom + k].text, Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

}  // namespace

bool LatestRowJoin::rewrite(Pieces& s) {
    int depth = 0;
    for (int j = 0; j + 2 < size(s); ++j) {
        if (isPunct(s[j], '(')) ++depth;
        if (isPunct(s[j], ')')) --depth;
        if (depth == 0 && isKw(s[j], "FROM") && isPunct(s[j + 1], '(') && rewriteAt(s, j + 1))
            return true;
    }
    return false;
}

bool LatestRowJoin::rewriteAt(Pieces& s, int from) {
    Grouped a, b;
    if (!readGrouped(s, from, &a) || a.keys.size() != 1 || a.plain != a.keys) return false;
    const QString key = a.keys.first();
    const int bOpen = joinAfter(s, a.end, false);
    if (bOpen < 0 || !readGrouped(s, bOpen, &b) || b.table.compare(a.table, Qt::CaseInsensitive) ||
        b.plain != QStringList{key, a.maxOf.toUpper()} ||
        (b.keys != b.plain && b.keys != QStringList{b.plain[1], b.plain[0]}))
        return false;
    if (a.alias.compare(b.alias, Qt::CaseInsensitive) == 0) return false;

    // ON A.k = B.k AND A.d = B.d
    const int bOn = b.end + 1;
    if (bOn >= size(s) || !isKw(s[bOn], "ON")) return false;
    const int bOnEnd = onConditionEnd(s, bOn);
    const auto bTerms = conjuncts(s, bOn + 1, bOnEnd);
    if (bTerms.size() != 2) return false;
    int other = -1;
    bool keyMet = false, dateMet = false;
    for (const auto& term : bTerms) {
        if (sideOf(s, term, a.alias, key, &other) >= 0)
            keyMet = sameName(s[other], b.alias) && sameName(s[other + 2], key);
        else if (sideOf(s, term, a.alias, a.maxAs, &other) >= 0)
            dateMet = sameName(s[other], b.alias) && sameName(s[other + 2], a.maxOf);
    }
    if (!keyMet || !dateMet) return false;

    // JOIN c C ON B.i = C.i
    const int cAt = joinAfter(s, bOnEnd, false);
    QString cAlias;
    const int cOn = cAt < 0 ? -1 : tableRef(s, cAt, &cAlias);
    if (cOn < 0) return false;
    const int cOnEnd = onConditionEnd(s, cOn);
    const auto cTerms = conjuncts(s, cOn + 1, cOnEnd);
    int cColumn = -1;
    if (cTerms.size() != 1 || sideOf(s, cTerms[0], b.alias, b.maxAs, &cColumn) < 0 ||
        !sameName(s[cColumn], cAlias))
        return false;

    // RIGHT JOIN m M ON A.k = M.k
    const int mAt = joinAfter(s, cOnEnd, true);
    QString mAlias;
    const int mOn = mAt < 0 ? -1 : tableRef(s, mAt, &mAlias);
    if (mOn < 0) return false;
    const int mOnEnd = onConditionEnd(s, mOn);
    const auto mTerms = conjuncts(s, mOn + 1, mOnEnd);
    int mColumn = -1;
    if (mTerms.size() != 1 || sideOf(s, mTerms[0], a.alias, key, &mColumn) < 0 ||
        !sameName(s[mColumn], mAlias) || namesIdentifier(s, a.open, b.close, mAlias))
        return false;

    // A and B must not be read anywhere else; no bare * may take their columns.
    for (int j = 0; j < size(s); ++j) {
        if (j == from)
            j = mOnEnd;
        else if ((sameName(s[j], a.alias) || sameName(s[j], b.alias)) && j + 1 < size(s) &&
                 isOp(s[j + 1], ".") && !(j > 0 && isOp(s[j - 1], ".")))
            return false;
        else if (isOp(s[j], "*") && j > 0 && (isKw(s[j - 1], "SELECT") || isPunct(s[j - 1], ',')))
            return false;
    }

    const Pieces mKey = copyPieces(s, mColumn, mColumn + 2);
    Pieces with = copyPieces(s, mAt, mOn - 1);
    auto add = [&with](const Pieces& more) { with.insert(with.end(), more.begin(), more.end()); };
    add(tsqlPieces(QStringLiteral("LEFT JOIN")));
    add(copyPieces(s, cAt, cOn - 1));
    add(tsqlPieces(QStringLiteral("ON")));
    add(copyPieces(s, cColumn, cColumn + 2));
    add(tsqlPieces(QStringLiteral("= (SELECT MAX(%1) FROM %2 WHERE").arg(b.maxOf, b.table)));
    if (!impliedByLatestDate(s, a, b)) add(whereTerms(s, b));
    add(tsqlPieces(key + QStringLiteral(" =")));
    add(mKey);
    add(tsqlPieces(QStringLiteral("AND %1 = (SELECT MAX(%1) FROM %2 WHERE").arg(a.maxOf, a.table)));
    add(whereTerms(s, a));
    add(tsqlPieces(key + QStringLiteral(" =")));
    add(mKey);
    add(tsqlPieces(QStringLiteral("))")));
    applyEdits(s, {{from, mOnEnd, with}});
    return true;
}

}  // namespace mes
