#include "engine/StatementPass.h"

#include "engine/EngineError.h"
#include "engine/TreeNodes.h"
#include "engine/TreePrinter.h"
#include "engine/UpdateFrom.h"

namespace engine {

namespace {

// The first SELECT of a query, left of any set operation.
Node& firstSelect(Node& query) {
    Node* n = &query.kids[0];
    while (n->kind == NodeKind::SetOperation) n = &n->kids[0];
    return *n;
}

void forEachSelect(Node& n, const std::function<void(Node&)>& f) {
    if (n.kind == NodeKind::Select) return f(n);
    if (n.kind == NodeKind::Query) return forEachSelect(n.kids[0], f);
    if (n.kind == NodeKind::SetOperation) {
        forEachSelect(n.kids[0], f);
        forEachSelect(n.kids[1], f);
    }
}

bool isStar(const Node& n) {
    return n.kind == NodeKind::Star ||
           (n.kind == NodeKind::Column && n.kids.back().kind == NodeKind::Star);
}

}  // namespace

void StatementPass::shape(Node& n) const {
    switch (n.kind) {
        case NodeKind::Insert:
            insert(n);
            break;
        case NodeKind::Update:
            update(n);
            break;
        case NodeKind::Delete:
            remove(n);
            break;
        case NodeKind::Query:
            nameResultColumns(n);
            break;
        default:
            break;
    }
}

void StatementPass::convertValues(const std::vector<Node*>& values, const QString& table,
                                  const QStringList& columns) const {
    for (int k = 0; k < static_cast<int>(values.size()) && k < columns.size(); ++k) {
        const QString type = schema_.declaredType(table, columns[k]);
        if (!type.isEmpty()) wrap(*values[k], QStringLiteral("tsql_to"), {type});
    }
}

void StatementPass::insert(Node& n) const {
    const QString table = n.kids[0].kids.back().text;
    QStringList columns;
    if (const Node* list = n.find(NodeKind::ColumnList)) {
        for (const Node& name : list->kids) columns << name.text;
    } else {
        columns = schema_.columns(table);
    }
    if (Node* values = n.find(NodeKind::Values)) {
        for (Node& row : values->kids) {
            std::vector<Node*> items;
            for (Node& v : row.kids) items.push_back(&v);
            convertValues(items, table, columns);
        }
        return;
    }
    // Every part of a set operation stores into the same columns.
    forEachSelect(*n.find(NodeKind::Query), [&](Node& select) {
        std::vector<Node*> items;
        for (Node& item : select.find(NodeKind::SelectList)->kids) {
            if (isStar(item.kids[0]))
                unsupportedAt(QStringLiteral("INSERT ... SELECT *"), item.pos);
            items.push_back(&item.kids[0]);
        }
        convertValues(items, table, columns);
    });
}

void StatementPass::update(Node& n) const {
    const Node& target = n.kids[0];
    if (target.kids.size() != 1)
        unsupportedAt(QStringLiteral("UPDATE target %1").arg(TreePrinter().print(target)),
                      target.pos);
    const QString table = n.find(NodeKind::From) ? updateFrom(n) : target.kids[0].text;
    // SQLite takes no qualifier before a SET column.
    QStringList columns;
    std::vector<Node*> values;
    for (Node& a : n.find(NodeKind::SetList)->kids) {
        Node& column = a.kids[0];
        column.kids.erase(column.kids.begin(), column.kids.end() - 1);
        columns << column.kids[0].text;
        values.push_back(&a.kids[1]);
    }
    convertValues(values, table, columns);
}

void StatementPass::remove(const Node& n) {
    const Node* from = n.find(NodeKind::From);
    if (!from) return;
    unsupportedAt(n.text == QLatin1String("FROM") ? QStringLiteral("DELETE ... FROM ... FROM")
                                                  : QStringLiteral("DELETE alias FROM table"),
                  from->pos);
}

void StatementPass::nameResultColumns(Node& query) {
    // SQL Server names a computed column without alias "", SQLite by its text.
    for (Node& item : firstSelect(query).find(NodeKind::SelectList)->kids) {
        const Node& e = item.kids[0];
        if (item.text.isEmpty() && e.kind != NodeKind::Column && e.kind != NodeKind::Star)
            item.flags |= EmptyAlias;
    }
}

void StatementPass::finish(Node& statement) {
    visit(statement, [](Node& n) {
        if (n.kind == NodeKind::OrderItem && !isNumberLiteral(n.kids[0])) collate(n.kids[0]);
        if (n.kind != NodeKind::Top) return;
        if (!isIntegerLiteral(n.kids[0]))
            unsupportedAt(QStringLiteral("TOP with an expression"), n.pos);
    });
}

}  // namespace engine
