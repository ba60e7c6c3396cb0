#include "foundation/AggregateJoin.h"

#include <QStringList>

#include "engine/TreeNodes.h"
#include "engine/TreeShapes.h"

namespace mes {

using namespace engine;

namespace {

struct Item {
    const Node* expression = nullptr;  // without its alias
    QString name;
    int key = -1;  // the GROUP BY term it shows, or -1 for an aggregate
};

bool isAggregateCall(const Node& n) {
    if (n.kind != NodeKind::Call) return false;
    for (const char* name : {"MAX", "MIN", "SUM", "COUNT", "AVG"})
        if (n.text == QLatin1String(name)) return true;
    return false;
}

// The top-level SELECT of the statement, nullptr when there is a set operation.
Node* topSelect(Node& statement) {
    Node* query = statement.kind == NodeKind::Insert ? statement.find(NodeKind::Query) : &statement;
    if (!query || query->kind != NodeKind::Query || query->kids[0].kind != NodeKind::Select)
        return nullptr;
    return &query->kids[0];
}

// The LEFT JOINs of a derived table in the FROM sources, outside parentheses.
void candidates(Node& n, std::vector<Node*>& out) {
    if (n.kind != NodeKind::Join) return;
    candidates(n.kids[0], out);
    if (n.text == QLatin1String("LEFT JOIN") && n.kids[1].kind == NodeKind::Derived)
        out.push_back(&n);
}

}  // namespace

bool AggregateJoin::rewrite(Node& statement) {
    bool any = false;
    for (bool again = true; again;) {
        again = false;
        Node* select = topSelect(statement);
        Node* from = select ? select->find(NodeKind::From) : nullptr;
        if (!from) return any;
        std::vector<Node*> joins;
        for (Node& source : from->kids) candidates(source, joins);
        for (Node* join : joins) {
            if (!rewriteAt(statement, *join)) continue;
            any = again = true;
            break;
        }
    }
    return any;
}

bool AggregateJoin::rewriteAt(Node& statement, Node& join) {
    Node& derived = join.kids[1];
    const Node* select = plainSelect(derived.kids[0]);
    if (!select || select->find(NodeKind::Having)) return false;
    const Node* from = select->find(NodeKind::From);
    const Node* group = select->find(NodeKind::GroupBy);
    if (!from || !group) return false;
    const Node* where = select->find(NodeKind::Where);
    QStringList keyTexts;
    for (const Node& key : group->kids) {
        if (key.kind != NodeKind::Column || key.kids.back().kind == NodeKind::Star) return false;
        keyTexts << chainText(key);
    }

    std::vector<Item> items;
    for (const Node& i : select->find(NodeKind::SelectList)->kids) {
        Item item{&i.kids[0], itemName(i)};
        const bool column = i.kids[0].kind == NodeKind::Column;
        if (item.name.isEmpty() || i.kids[0].kind == NodeKind::Star) return false;
        if (column) item.key = static_cast<int>(keyTexts.indexOf(chainText(i.kids[0])));
        if (item.key < 0 && !isAggregateCall(i.kids[0])) return false;
        items.push_back(item);
    }

    // ON X.k = Y.c AND ...
    const QString alias = derived.text;
    auto itemNamed = [&](const QString& name) {
        for (size_t k = 0; k < items.size(); ++k)
            if (sameName(name, items[k].name)) return static_cast<int>(k);
        return -1;
    };
    std::vector<const Node*> outer(keyTexts.size(), nullptr);  // Y.c per key
    for (const Node* term : conjuncts(join.kids[2])) {
        const Node *l = nullptr, *r = nullptr;
        QString lq, lc, rq, rc;
        if (!isEquality(*term, &l, &r) || !isQualified(*l, &lq, &lc) || !isQualified(*r, &rq, &rc))
            return false;
        const bool derivedLeft = sameName(lq, alias);
        const QString& otherQualifier = derivedLeft ? rq : lq;
        if (derivedLeft == sameName(rq, alias)) return false;
        // Y must not name anything inside the derived table, or the subquery would capture it.
        if (namesAnywhere(derived.kids[0], otherQualifier)) return false;
        const int k = itemNamed(derivedLeft ? lc : rc);
        if (k < 0 || items[k].key < 0) return false;
        outer[items[k].key] = derivedLeft ? r : l;
    }
    for (const Node* o : outer)
        if (!o) return false;

    // Every use of X elsewhere must be X.column; a bare column name could be X's.
    bool refused = false;
    auto check = [&](const Node& n) {
        QString name;
        if (isBareColumn(n, &name) && itemNamed(name) >= 0) refused = true;
        if (n.kind == NodeKind::SelectItem && n.kids[0].kind == NodeKind::Star) refused = true;
        if (n.kind == NodeKind::Column && n.kids.size() >= 2 && sameName(n.kids[0].text, alias)) {
            const int k = n.kids.size() == 2 ? itemNamed(n.kids[1].text) : -1;
            // A key shows one of the spellings of its group, which one is the server's
            // choice: left to SQLite's own grouping.
            if (k < 0 || items[k].key >= 0) refused = true;
        }
    };
    visitExcept(statement, &join, check);
    visit(join.kids[0], check);
    if (refused) return false;

    auto readOf = [&](const Item& item) {
        // Every key is pinned to the outer row, so there is one group or none; the
        // grouping is only needed where an empty group must give NULL, not 0.
        std::vector<Node> terms;
        if (where) terms.push_back(parenthesised(where->kids[0]));
        for (size_t key = 0; key < outer.size(); ++key)
            terms.push_back(binaryNode(QStringLiteral("="), group->kids[key], *outer[key]));
        Node list = node(NodeKind::SelectList, -1);
        Node selected = node(NodeKind::SelectItem, -1);
        selected.kids.push_back(*item.expression);
        list.kids.push_back(std::move(selected));
        Node condition = node(NodeKind::Where, -1);
        condition.kids.push_back(allOf(std::move(terms)));
        Node read = node(NodeKind::Select, -1);
        read.kids.push_back(std::move(list));
        read.kids.push_back(*from);
        read.kids.push_back(std::move(condition));
        if (item.expression->text == QLatin1String("COUNT")) read.kids.push_back(*group);
        return subqueryOf(std::move(read));
    };
    auto replace = [&](auto& self, Node& n) -> void {
        if (&n == &join) return self(self, n.kids[0]);
        if (n.kind == NodeKind::Column && n.kids.size() == 2 && sameName(n.kids[0].text, alias)) {
            n = readOf(items[itemNamed(n.kids[1].text)]);
            return;
        }
        for (Node& k : n.kids) self(self, k);
    };
    replace(replace, statement);
    Node left = std::move(join.kids[0]);
    join = std::move(left);
    return true;
}

}  // namespace mes
