#include "engine/TreeShapes.h"

#include "engine/TreeNodes.h"

namespace engine {

namespace {

void collectTerms(const Node& n, std::vector<const Node*>& out) {
    if (n.kind == NodeKind::Binary && n.text == QLatin1String("AND")) {
        collectTerms(n.kids[0], out);
        collectTerms(n.kids[1], out);
        return;
    }
    out.push_back(&n);
}

}  // namespace

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

std::vector<const Node*> conjuncts(const Node& condition) {
    std::vector<const Node*> out;
    collectTerms(condition, out);
    return out;
}

Node binaryNode(const QString& op, Node left, Node right) {
    Node n = node(NodeKind::Binary, left.pos, op);
    n.kids.push_back(std::move(left));
    n.kids.push_back(std::move(right));
    return n;
}

Node allOf(std::vector<Node> terms) {
    Node all = std::move(terms.at(0));
    for (size_t k = 1; k < terms.size(); ++k)
        all = binaryNode(QStringLiteral("AND"), std::move(all), std::move(terms[k]));
    return all;
}

Node parenthesised(Node n) {
    Node p = node(NodeKind::Paren, n.pos);
    p.kids.push_back(std::move(n));
    return p;
}

Node columnNode(const QStringList& parts) {
    Node n = node(NodeKind::Column, -1);
    for (const QString& p : parts) n.kids.push_back(node(NodeKind::Name, -1, p));
    return n;
}

Node subqueryOf(Node select) {
    Node query = node(NodeKind::Query, select.pos);
    query.kids.push_back(std::move(select));
    Node n = node(NodeKind::Subquery, query.pos);
    n.kids.push_back(std::move(query));
    return n;
}

bool isQualified(const Node& n, QString* qualifier, QString* column) {
    if (n.kind != NodeKind::Column || n.kids.size() != 2 || n.kids[1].kind != NodeKind::Name)
        return false;
    if (qualifier) *qualifier = n.kids[0].text;
    if (column) *column = n.kids[1].text;
    return true;
}

bool isBareColumn(const Node& n, QString* name) {
    if (n.kind != NodeKind::Column || n.kids.size() != 1 || n.kids[0].kind != NodeKind::Name)
        return false;
    if (name) *name = n.kids[0].text;
    return true;
}

bool isEquality(const Node& n, const Node** a, const Node** b) {
    if (n.kind != NodeKind::Binary || n.text != QLatin1String("=")) return false;
    if (a) *a = &n.kids[0];
    if (b) *b = &n.kids[1];
    return true;
}

bool namesAnywhere(const Node& n, const QString& name) {
    bool found = false;
    visit(n, [&](const Node& k) {
        const bool named = k.kind == NodeKind::Name || k.kind == NodeKind::Table ||
                           k.kind == NodeKind::Derived || k.kind == NodeKind::SelectItem;
        found = found || (named && sameName(k.text, name));
    });
    return found;
}

Node* plainSelect(Node& query) {
    if (query.kind != NodeKind::Query || query.kids.size() != 1) return nullptr;
    Node& select = query.kids[0];
    if (select.kind != NodeKind::Select || select.has(Distinct) || select.find(NodeKind::Top))
        return nullptr;
    return &select;
}

QString itemName(const Node& item) {
    if (!item.text.isEmpty()) return item.text;
    const Node& e = item.kids[0];
    return e.kind == NodeKind::Column && e.kids.back().kind == NodeKind::Name ? e.kids.back().text
                                                                              : QString();
}

QString chainText(const Node& column) {
    QString out;
    for (const Node& part : column.kids) out += part.text.toUpper() + u'.';
    return out;
}

}  // namespace engine
