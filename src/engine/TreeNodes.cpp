#include "engine/TreeNodes.h"

#include "engine/EngineError.h"

namespace engine {

QString quoted(const QString& text) {
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

Node literal(const QString& text) { return Node{NodeKind::Literal, text, -1, -1, Synthetic}; }

Node stringLiteral(const QString& value) { return literal(quoted(value)); }

Node call(const QString& fn, std::vector<Node> args) {
    Node n{NodeKind::Call, fn, -1, -1, Synthetic};
    n.kids = std::move(args);
    return n;
}

void wrap(Node& n, const QString& fn, const QStringList& extras) {
    std::vector<Node> args;
    args.push_back(std::move(n));
    for (const QString& e : extras) args.push_back(stringLiteral(e));
    n = call(fn, std::move(args));
}

void collate(Node& n) {
    Node c{NodeKind::Collate, QStringLiteral("CI_AS"), n.pos, -1, Synthetic};
    c.kids.push_back(std::move(n));
    n = std::move(c);
}

bool isStringLiteral(const Node& n) {
    return n.kind == NodeKind::Literal &&
           (n.text.startsWith(u'\'') || n.text.startsWith(QLatin1String("N'")) ||
            n.text.startsWith(QLatin1String("n'")));
}

bool isNullLiteral(const Node& n) {
    return n.kind == NodeKind::Literal &&
           n.text.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0;
}

bool isNumberLiteral(const Node& n) {
    return n.kind == NodeKind::Literal && !isStringLiteral(n) && !isNullLiteral(n);
}

bool isIntegerLiteral(const Node& n) {
    return isNumberLiteral(n) && !n.text.contains(u'.') &&
           !n.text.contains(u'e', Qt::CaseInsensitive);
}

QString literalValue(const Node& n) {
    const int open = static_cast<int>(n.text.indexOf(u'\''));
    return n.text.mid(open + 1, n.text.size() - open - 2)
        .replace(QLatin1String("''"), QLatin1String("'"));
}

}  // namespace engine
