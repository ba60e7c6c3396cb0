#pragma once

#include <QStringList>

#include "engine/SyntaxTree.h"

namespace engine {

// Nodes the tree passes write, and questions they ask of literals.

// A text as a T-SQL (and SQLite) string literal, quotes doubled.
QString quoted(const QString& text);

Node literal(const QString& text);                     // as it is written: 'x', 12, NULL
Node stringLiteral(const QString& value);              // the value quoted
Node call(const QString& fn, std::vector<Node> args);  // marked Synthetic

// n becomes fn(n, extras...), each extra a string literal.
void wrap(Node& n, const QString& fn, const QStringList& extras = {});
// n becomes (n COLLATE CI_AS): one primary for every later pass.
void collate(Node& n);

bool isStringLiteral(const Node& n);  // 'x' or N'x'
bool isNumberLiteral(const Node& n);
bool isIntegerLiteral(const Node& n);
bool isNullLiteral(const Node& n);
QString literalValue(const Node& n);  // the text of a string literal

// n and every node below it, each node before its kids; f may replace a node's
// kids, which are then visited as they stand.
template <class F>
void visit(Node& n, F&& f) {
    f(n);
    for (Node& k : n.kids) visit(k, f);
}
template <class F>
void visit(const Node& n, F&& f) {
    f(n);
    for (const Node& k : n.kids) visit(k, f);
}

// The same, leaving out the subtree at skip.
template <class F>
void visitExcept(const Node& n, const Node* skip, F&& f) {
    if (&n == skip) return;
    f(n);
    for (const Node& k : n.kids) visitExcept(k, skip, f);
}

}  // namespace engine
