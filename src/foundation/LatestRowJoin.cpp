#include "foundation/LatestRowJoin.h"

#include <QStringList>

#include "engine/TreeNodes.h"
#include "engine/TreeShapes.h"

namespace mes {

using namespace engine;

namespace {

// One grouped derived table: ( SELECT items FROM table [WHERE w] GROUP BY keys ) alias
struct Grouped {
    const Node* select = nullptr;
    QString table;
    const Node* where = nullptr;  // the condition, or nullptr
    QStringList keys;             // GROUP BY names, upper case
    QStringList plain;            // plain columns of the list, upper case
    QString maxOf;                // MAX(maxOf) AS maxAs, the last item
    QString maxAs;
    QString alias;
};

bool readGrouped(Node& derived, Grouped* g) {
    if (derived.kind != NodeKind::Derived) return false;
    const Node* select = plainSelect(derived.kids[0]);
    if (!select || select->find(NodeKind::Having)) return false;
    const Node* from = select->find(NodeKind::From);
    const Node* group = select->find(NodeKind::GroupBy);
    if (!from || !group || from->kids.size() != 1) return false;
    const Node& table = from->kids[0];
    if (table.kind != NodeKind::Table || table.kids.size() != 1 || !table.text.isEmpty())
        return false;
    g->select = select;
    g->table = table.kids[0].text;
    if (const Node* where = select->find(NodeKind::Where)) g->where = &where->kids[0];
    for (const Node& key : group->kids) {
        QString name;
        if (!isBareColumn(key, &name)) return false;
        g->keys << name.toUpper();
    }
    const std::vector<Node>& items = select->find(NodeKind::SelectList)->kids;
    for (size_t k = 0; k + 1 < items.size(); ++k) {
        QString column;
        if (!items[k].text.isEmpty() || !isBareColumn(items[k].kids[0], &column)) return false;
        g->plain << column.toUpper();
    }
    // MAX ( x ) AS name
    const Node& last = items.back();
    const Node& max = last.kids[0];
    if (last.text.isEmpty() || max.kind != NodeKind::Call || max.text != QLatin1String("MAX") ||
        max.has(Distinct) || max.kids.size() != 1 || !isBareColumn(max.kids[0], &g->maxOf))
        return false;
    g->maxAs = last.text;
    g->alias = derived.text;
    return true;
}

// x.a = y.b, either way round, with the side qualified.column: the other side.
const Node* otherSide(const Node& term, const QString& qualifier, const QString& column) {
    const Node *a = nullptr, *b = nullptr;
    if (!isEquality(term, &a, &b) || !isQualified(*a) || !isQualified(*b)) return nullptr;
    for (auto [mine, other] : {std::pair{a, b}, std::pair{b, a}}) {
        QString q, c;
        isQualified(*mine, &q, &c);
        if (sameName(q, qualifier) && sameName(c, column)) return other;
    }
    return nullptr;
}

bool isColumnOf(const Node* n, const QString& qualifier, const QString& column) {
    QString q, c;
    return n && isQualified(*n, &q, &c) && sameName(q, qualifier) &&
           (column.isEmpty() || sameName(c, column));
}

// table [AS] alias: its alias, the table's name when none.
bool tableAlias(const Node& n, QString* alias) {
    if (n.kind != NodeKind::Table) return false;
    *alias = n.text.isEmpty() ? n.kids.back().text : n.text;
    return true;
}

// B's condition adds nothing when it is A's and compares only the date with a literal:
// the rows on A's latest date meet it already. Left out, it no longer keeps SQLite
// from seeking (key, date).
bool impliedByLatestDate(const Grouped& a, const Grouped& b) {
    if (!b.where) return true;
    if (!a.where) return false;
    const Node &wa = *a.where, &wb = *b.where;
    static const QStringList ops{"<", "<=", ">", ">=", "="};
    QString column, other;
    if (wb.kind != NodeKind::Binary || !ops.contains(wb.text) ||
        !isBareColumn(wb.kids[0], &column) || !sameName(column, a.maxOf) ||
        wb.kids[1].kind != NodeKind::Literal || isNullLiteral(wb.kids[1]))
        return false;
    return wa.kind == NodeKind::Binary && wa.text == wb.text && isBareColumn(wa.kids[0], &other) &&
           sameName(other, column) && wa.kids[1].kind == NodeKind::Literal &&
           sameName(wa.kids[1].text, wb.kids[1].text);
}

// (SELECT MAX(of) FROM table WHERE [(w) AND] key = outer [AND more])
Node latest(const Grouped& g, const QString& key, const Node& outer, Node* more, bool withWhere) {
    std::vector<Node> terms;
    if (withWhere && g.where) terms.push_back(parenthesised(*g.where));
    terms.push_back(binaryNode(QStringLiteral("="), columnNode({key}), outer));
    if (more) terms.push_back(std::move(*more));
    Node max = node(NodeKind::Call, -1, QStringLiteral("MAX"));
    max.kids.push_back(columnNode({g.maxOf}));
    Node item = node(NodeKind::SelectItem, -1);
    item.kids.push_back(std::move(max));
    Node list = node(NodeKind::SelectList, -1);
    list.kids.push_back(std::move(item));
    Node where = node(NodeKind::Where, -1);
    where.kids.push_back(allOf(std::move(terms)));
    Node select = node(NodeKind::Select, -1);
    select.kids.push_back(std::move(list));
    select.kids.push_back(*g.select->find(NodeKind::From));
    select.kids.push_back(std::move(where));
    return subqueryOf(std::move(select));
}

}  // namespace

bool LatestRowJoin::rewrite(Node& statement) {
    Node* query = statement.kind == NodeKind::Insert ? statement.find(NodeKind::Query) : &statement;
    if (!query || query->kind != NodeKind::Query || query->kids[0].kind != NodeKind::Select)
        return false;
    Node* from = query->kids[0].find(NodeKind::From);
    if (!from) return false;
    // Down the left side of the FROM's first source, where A stands last.
    for (Node* n = &from->kids[0]; n->kind == NodeKind::Join; n = &n->kids[0])
        if (rewriteAt(statement, *n)) return true;
    return false;
}

bool LatestRowJoin::rewriteAt(Node& statement, Node& right) {
    // RIGHT JOIN m M ON A.k = M.k over JOIN c C ON B.i = C.i over A JOIN B ON ...
    if (right.text != QLatin1String("RIGHT JOIN")) return false;
    Node& cJoin = right.kids[0];
    if (cJoin.kind != NodeKind::Join || cJoin.text != QLatin1String("JOIN")) return false;
    Node& bJoin = cJoin.kids[0];
    if (bJoin.kind != NodeKind::Join || bJoin.text != QLatin1String("JOIN")) return false;
    Grouped a, b;
    if (!readGrouped(bJoin.kids[0], &a) || a.keys.size() != 1 || a.plain != a.keys) return false;
    const QString key = a.keys.first();
    if (!readGrouped(bJoin.kids[1], &b) || !sameName(b.table, a.table) ||
        b.plain != QStringList{key, a.maxOf.toUpper()} ||
        (b.keys != b.plain && b.keys != QStringList{b.plain[1], b.plain[0]}))
        return false;
    if (sameName(a.alias, b.alias)) return false;

    // ON A.k = B.k AND A.d = B.d
    const auto bTerms = conjuncts(bJoin.kids[2]);
    if (bTerms.size() != 2) return false;
    bool keyMet = false, dateMet = false;
    for (const Node* term : bTerms) {
        if (const Node* other = otherSide(*term, a.alias, key))
            keyMet = isColumnOf(other, b.alias, key);
        else if (const Node* date = otherSide(*term, a.alias, a.maxAs))
            dateMet = isColumnOf(date, b.alias, a.maxOf);
    }
    if (!keyMet || !dateMet) return false;

    // JOIN c C ON B.i = C.i
    QString cAlias, mAlias;
    if (!tableAlias(cJoin.kids[1], &cAlias)) return false;
    const auto cTerms = conjuncts(cJoin.kids[2]);
    const Node* cColumn = cTerms.size() == 1 ? otherSide(*cTerms[0], b.alias, b.maxAs) : nullptr;
    if (!isColumnOf(cColumn, cAlias, QString())) return false;

    // RIGHT JOIN m M ON A.k = M.k
    if (!tableAlias(right.kids[1], &mAlias)) return false;
    const auto mTerms = conjuncts(right.kids[2]);
    const Node* mColumn = mTerms.size() == 1 ? otherSide(*mTerms[0], a.alias, key) : nullptr;
    if (!isColumnOf(mColumn, mAlias, QString()) || namesAnywhere(bJoin.kids[0], mAlias) ||
        namesAnywhere(bJoin.kids[1], mAlias))
        return false;

    // A and B must not be read anywhere else; no bare * may take their columns.
    bool elsewhere = false;
    visitExcept(statement, &right, [&](const Node& n) {
        const bool qualified = n.kind == NodeKind::Column && n.kids.size() >= 2;
        elsewhere =
            elsewhere ||
            (qualified && (sameName(n.kids[0].text, a.alias) || sameName(n.kids[0].text, b.alias)));
        elsewhere =
            elsewhere || (n.kind == NodeKind::SelectItem && n.kids[0].kind == NodeKind::Star);
    });
    if (elsewhere) return false;

    const Node mKey = *mColumn;
    Node dateTerm =
        binaryNode(QStringLiteral("="), columnNode({a.maxOf}), latest(a, key, mKey, nullptr, true));
    Node condition = binaryNode(QStringLiteral("="), *cColumn,
                                latest(b, key, mKey, &dateTerm, !impliedByLatestDate(a, b)));
    Node join = node(NodeKind::Join, right.pos, QStringLiteral("LEFT JOIN"));
    join.kids.push_back(std::move(right.kids[1]));
    join.kids.push_back(std::move(cJoin.kids[1]));
    join.kids.push_back(std::move(condition));
    right = std::move(join);
    return true;
}

}  // namespace mes
