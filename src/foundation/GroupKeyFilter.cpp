#include "foundation/GroupKeyFilter.h"

#include <QHash>

#include "engine/TreeShapes.h"

namespace mes {

using namespace engine;

namespace {

bool isValueLiteral(const Node& n) {
    return n.kind == NodeKind::Literal &&
           n.text.compare(QLatin1String("NULL"), Qt::CaseInsensitive);
}

QString columnKey(const Node& column) {
    return column.kids[0].text.toUpper() + u'.' + column.kids[1].text.toUpper();
}

// alias.column = literal (either way round) for each AND term of the condition.
QHash<QString, const Node*> pinnedColumns(const Node& condition) {
    QHash<QString, const Node*> out;
    for (const Node* term : conjuncts(condition)) {
        const Node *a = nullptr, *b = nullptr;
        if (!isEquality(*term, &a, &b)) continue;
        if (isValueLiteral(*a) && isQualified(*b)) out.insert(columnKey(*b), a);
        if (isValueLiteral(*b) && isQualified(*a)) out.insert(columnKey(*a), b);
    }
    return out;
}

struct Derived {
    Node* table;
    const Node* on;  // the condition of the join it is the right side of, or nullptr
};

// The derived tables of the FROM sources, outside parentheses.
void derivedTables(Node& n, const Node* on, std::vector<Derived>& out) {
    if (n.kind == NodeKind::Derived) out.push_back({&n, on});
    if (n.kind != NodeKind::Join) return;
    derivedTables(n.kids[0], nullptr, out);
    derivedTables(n.kids[1], n.kids.size() > 2 ? &n.kids[2] : nullptr, out);
}

// The inner terms for one derived table, or none.
std::vector<Node> innerTerms(const Derived& d, const QHash<QString, const Node*>& pinned) {
    const Node* select = plainSelect(d.table->kids[0]);
    const Node* group = select ? select->find(NodeKind::GroupBy) : nullptr;
    if (!group) return {};
    QHash<QString, const Node*> keys;
    for (const Node& key : group->kids) {
        if (key.kind != NodeKind::Column || key.kids.back().kind == NodeKind::Star) return {};
        keys.insert(chainText(key), &key);
    }
    // The outer column each key is pinned through: A.k itself, or Y.c when A's ON
    // holds A.k = Y.c.
    const QString alias = d.table->text.toUpper();
    QHash<QString, const Node*> literalOf;
    for (auto [name, literal] : pinned.asKeyValueRange()) {
        if (name.section(u'.', 0, 0) == alias) literalOf.insert(name.section(u'.', 1), literal);
    }
    if (d.on) {
        for (const Node* term : conjuncts(*d.on)) {
            const Node *a = nullptr, *b = nullptr;
            if (!isEquality(*term, &a, &b) || !isQualified(*a) || !isQualified(*b)) continue;
            const bool mineLeft = a->kids[0].text.toUpper() == alias;
            const Node* mine = mineLeft ? a : b;
            const Node* other = mineLeft ? b : a;
            if (mine->kids[0].text.toUpper() != alias) continue;
            const auto p = pinned.constFind(columnKey(*other));
            if (p != pinned.cend()) literalOf.insert(mine->kids[1].text.toUpper(), *p);
        }
    }
    std::vector<Node> terms;
    for (const Node& item : select->find(NodeKind::SelectList)->kids) {
        const Node& e = item.kids[0];
        if (e.kind != NodeKind::Column || e.kids.back().kind == NodeKind::Star) continue;
        const auto key = keys.constFind(chainText(e));
        const auto literal = literalOf.constFind(itemName(item).toUpper());
        if (key == keys.cend() || literal == literalOf.cend()) continue;
        terms.push_back(binaryNode(QStringLiteral("="), **key, **literal));
    }
    return terms;
}

}  // namespace

bool GroupKeyFilter::rewrite(Node& statement) {
    if (statement.kind != NodeKind::Query || statement.kids[0].kind != NodeKind::Select)
        return false;
    Node& select = statement.kids[0];
    const Node* where = select.find(NodeKind::Where);
    Node* from = select.find(NodeKind::From);
    if (!where || !from) return false;
    const QHash<QString, const Node*> pinned = pinnedColumns(where->kids[0]);
    if (pinned.isEmpty()) return false;
    std::vector<Derived> tables;
    // As the statement is written: after FROM or a JOIN, not after a comma.
    derivedTables(from->kids[0], nullptr, tables);
    bool any = false;
    for (const Derived& d : tables) {
        std::vector<Node> terms = innerTerms(d, pinned);
        if (terms.empty()) continue;
        Node& inner = d.table->kids[0].kids[0];
        if (Node* w = inner.find(NodeKind::Where)) {
            // WHERE ( w ) AND terms
            terms.insert(terms.begin(), parenthesised(std::move(w->kids[0])));
            w->kids[0] = allOf(std::move(terms));
        } else {
            Node w2 = node(NodeKind::Where, -1);
            w2.kids.push_back(allOf(std::move(terms)));
            // WHERE stands after FROM, before GROUP BY.
            auto at = inner.kids.begin();
            while (at != inner.kids.end() && at->kind != NodeKind::GroupBy) ++at;
            inner.kids.insert(at, std::move(w2));
        }
        any = true;
    }
    return any;
}

}  // namespace mes
