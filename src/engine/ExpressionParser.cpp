#include "engine/ExpressionParser.h"

#include "engine/Keywords.h"
#include "engine/Tokenizer.h"

namespace engine {

namespace {

// Begins where its left operand begins.
Node binary(const QString& op, Node left, Node right) {
    Node n = node(NodeKind::Binary, left.pos, op);
    n.kids.push_back(std::move(left));
    n.kids.push_back(std::move(right));
    return n;
}

bool isComparison(const Token& t) {
    return t.kind == TokenKind::Operator && isComparisonOperator(t.text);
}

}  // namespace

QString ExpressionParser::nameOf(const Token& t) {
    if (t.kind == TokenKind::Bracketed || t.kind == TokenKind::Quoted ||
        t.kind == TokenKind::TempName)
        return identifierName(t);
    if (t.kind == TokenKind::Word && !isReservedWord(t.text)) return t.text;
    return QString();
}

Node ExpressionParser::expression() { return orLevel(); }

Node ExpressionParser::orLevel() {
    Node left = andLevel();
    while (c_.atKeyword("OR")) {
        c_.take();
        left = binary(QStringLiteral("OR"), std::move(left), andLevel());
    }
    return left;
}

Node ExpressionParser::andLevel() {
    Node left = notLevel();
    while (c_.atKeyword("AND")) {
        c_.take();
        left = binary(QStringLiteral("AND"), std::move(left), notLevel());
    }
    return left;
}

Node ExpressionParser::notLevel() {
    if (!c_.atKeyword("NOT")) return predicate();
    Node n = node(NodeKind::Unary, c_.take().pos, QStringLiteral("NOT"));
    n.kids.push_back(notLevel());
    return n;
}

Node ExpressionParser::predicate() {
    Node value = additive();
    if (isComparison(c_.peek())) {
        const Token op = c_.take();
        return binary(op.text, std::move(value), additive());
    }
    const int pos = value.pos;
    const bool negated = c_.atKeyword("NOT") && (c_.atKeyword("BETWEEN", 1) ||
                                                 c_.atKeyword("IN", 1) || c_.atKeyword("LIKE", 1));
    if (negated) c_.take();
    Node n = node(NodeKind::Literal, pos);
    if (c_.skipKeyword("BETWEEN")) {
        n.kind = NodeKind::Between;
        n.kids.push_back(std::move(value));
        n.kids.push_back(additive());
        c_.expectKeyword("AND");
        n.kids.push_back(additive());
    } else if (c_.skipKeyword("IN")) {
        n.kind = NodeKind::In;
        n.kids.push_back(std::move(value));
        c_.expectPunct('(');
        if (c_.atKeyword("SELECT")) {
            n.kids.push_back(query_());
        } else {
            do n.kids.push_back(expression());
            while (c_.skipPunct(','));
        }
        c_.expectPunct(')');
    } else if (c_.skipKeyword("LIKE")) {
        n.kind = NodeKind::Like;
        n.kids.push_back(std::move(value));
        n.kids.push_back(additive());
        if (c_.skipKeyword("ESCAPE")) n.kids.push_back(additive());
    } else if (!negated && c_.skipKeyword("IS")) {
        n.kind = NodeKind::IsNull;
        if (c_.skipKeyword("NOT")) n.flags |= Not;
        c_.expectKeyword("NULL");
        n.kids.push_back(std::move(value));
        return n;
    } else {
        return value;
    }
    if (negated) n.flags |= Not;
    return n;
}

Node ExpressionParser::additive() {
    Node left = multiplicative();
    for (;;) {
        const Token& t = c_.peek();
        const bool op = t.kind == TokenKind::Operator &&
                        (t.text == QLatin1String("+") || t.text == QLatin1String("-") ||
                         t.text == QLatin1String("&") || t.text == QLatin1String("|") ||
                         t.text == QLatin1String("^"));
        if (!op) return left;
        const Token taken = c_.take();
        left = binary(taken.text, std::move(left), multiplicative());
    }
}

Node ExpressionParser::multiplicative() {
    Node left = unary();
    while (c_.atOperator("*") || c_.atOperator("/") || c_.atOperator("%")) {
        const Token taken = c_.take();
        left = binary(taken.text, std::move(left), unary());
    }
    return left;
}

Node ExpressionParser::unary() {
    if (!(c_.atOperator("-") || c_.atOperator("+") || c_.atOperator("~"))) return primary();
    const Token op = c_.take();
    Node n = node(NodeKind::Unary, op.pos, op.text);
    n.kids.push_back(unary());
    return n;
}

Node ExpressionParser::primary() {
    const Token& t = c_.peek();
    switch (t.kind) {
        case TokenKind::Number:
        case TokenKind::String:
        case TokenKind::NString:
            return node(NodeKind::Literal, c_.take().pos, t.text);
        case TokenKind::Variable:
            c_.unsupportedHere(QStringLiteral("variable %1").arg(t.text));
        case TokenKind::Punct:
            if (c_.atPunct('(')) return parenthesised();
            c_.syntaxError();
        case TokenKind::Operator:
            if (c_.atOperator("*")) return node(NodeKind::Star, c_.take().pos);
            c_.syntaxError();
        default:
            break;
    }
    if (c_.atKeyword("NULL")) return node(NodeKind::Literal, c_.take().pos, QStringLiteral("NULL"));
    if (c_.atKeyword("CASE")) return caseExpression();
    if (c_.atKeyword("EXISTS")) {
        Node n = node(NodeKind::Exists, c_.take().pos);
        c_.expectPunct('(');
        if (!c_.atKeyword("SELECT")) c_.syntaxError();
        n.kids.push_back(query_());
        c_.expectPunct(')');
        return n;
    }
    // LEFT and RIGHT are reserved for joins but name functions too.
    const bool callable =
        t.kind == TokenKind::Word &&
        (!isReservedWord(t.text) || c_.atKeyword("LEFT") || c_.atKeyword("RIGHT"));
    if (callable && c_.atPunct('(', 1)) return call();
    if (nameOf(t).isEmpty()) c_.syntaxError();
    return column();
}

Node ExpressionParser::column(bool star) {
    Node n = node(NodeKind::Column, c_.pos());
    for (;;) {
        const QString name = nameOf(c_.peek());
        if (name.isEmpty()) c_.syntaxError();
        n.kids.push_back(node(NodeKind::Name, c_.take().pos, name));
        if (!c_.atOperator(".")) return n;
        c_.take();
        if (star && c_.atOperator("*")) {
            n.kids.push_back(node(NodeKind::Star, c_.take().pos));
            return n;
        }
    }
}

Node ExpressionParser::call() {
    const Token name = c_.take();
    c_.expectPunct('(');
    const QString upper = name.text.toUpper();
    if (upper == QLatin1String("CAST")) {
        Node n = node(NodeKind::Cast, name.pos, upper);
        n.kids.push_back(expression());
        c_.expectKeyword("AS");
        n.kids.push_back(type());
        c_.expectPunct(')');
        return n;
    }
    Node n = node(NodeKind::Call, name.pos, upper);
    if (c_.skipPunct(')')) return n;
    if (c_.skipKeyword("DISTINCT")) n.flags |= Distinct;
    // CONVERT's first argument is a type.
    n.kids.push_back(upper == QLatin1String("CONVERT") ? type() : expression());
    while (c_.skipPunct(',')) n.kids.push_back(expression());
    c_.expectPunct(')');
    return n;
}

Node ExpressionParser::type() {
    const Token& t = c_.peek();
    if (t.kind != TokenKind::Word && t.kind != TokenKind::Bracketed) c_.syntaxError();
    Node n = node(NodeKind::Type, t.pos, identifierName(t));
    c_.take();
    if (!c_.skipPunct('(')) return n;
    n.text += u'(';
    for (;;) {
        const Token& size = c_.peek();
        if (size.kind != TokenKind::Number && !c_.atKeyword("MAX")) c_.syntaxError();
        n.text += c_.take().text;
        if (c_.skipPunct(')')) break;
        c_.expectPunct(',');
        n.text += u',';
    }
    n.text += u')';
    return n;
}

Node ExpressionParser::caseExpression() {
    Node n = node(NodeKind::Case, c_.take().pos);
    if (!c_.atKeyword("WHEN")) n.kids.push_back(expression());
    if (!c_.atKeyword("WHEN")) c_.syntaxError();
    while (c_.atKeyword("WHEN")) {
        Node when = node(NodeKind::When, c_.take().pos);
        when.kids.push_back(expression());
        c_.expectKeyword("THEN");
        when.kids.push_back(expression());
        n.kids.push_back(std::move(when));
    }
    if (c_.atKeyword("ELSE")) {
        Node otherwise = node(NodeKind::Else, c_.take().pos);
        otherwise.kids.push_back(expression());
        n.kids.push_back(std::move(otherwise));
    }
    c_.expectKeyword("END");
    return n;
}

Node ExpressionParser::parenthesised() {
    const int pos = c_.take().pos;
    Node n = node(c_.atKeyword("SELECT") ? NodeKind::Subquery : NodeKind::Paren, pos);
    n.kids.push_back(n.kind == NodeKind::Subquery ? query_() : expression());
    c_.expectPunct(')');
    return n;
}

}  // namespace engine
