#pragma once

#include <QStringList>

#include "engine/SyntaxTree.h"

namespace engine {

// Questions the rules ask of a statement's tree, and the nodes they write.

bool sameName(const QString& a, const QString& b);  // names compare case-insensitively

// The AND terms of a condition, through nested ANDs (parentheses keep a term whole).
std::vector<const Node*> conjuncts(const Node& condition);
// The terms joined by AND again; one term stands alone.
Node allOf(std::vector<Node> terms);
Node parenthesised(Node n);
Node binaryNode(const QString& op, Node left, Node right);
Node columnNode(const QStringList& parts);
// (SELECT ...) of one SELECT.
Node subqueryOf(Node select);

// qualifier.column of two parts; the parts into *qualifier and *column.
bool isQualified(const Node& n, QString* qualifier = nullptr, QString* column = nullptr);
// A column of one part, its name into *name.
bool isBareColumn(const Node& n, QString* name = nullptr);
// a = b, its sides into *a and *b.
bool isEquality(const Node& n, const Node** a = nullptr, const Node** b = nullptr);
// Every name the subtree holds (columns' parts, tables, aliases) contains name.
bool namesAnywhere(const Node& n, const QString& name);
// The one SELECT of a query without set operation, ORDER BY, DISTINCT or TOP.
Node* plainSelect(Node& query);
// The item's name: its alias, else the column's last part; empty for neither.
QString itemName(const Node& item);
// Upper-case parts of a column, joined: the text a key is compared by.
QString chainText(const Node& column);

}  // namespace engine
