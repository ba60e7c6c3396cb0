#include "engine/StatementParser.h"

#include "engine/EngineError.h"
#include "engine/Keywords.h"
#include "engine/Tokenizer.h"

namespace engine {

namespace {

bool atStatementStart(const TokenCursor& c) {
    return c.peek().kind == TokenKind::Word && isStatementStart(c.peek().text);
}

}  // namespace

StatementParser::StatementParser(const QString& sql, const Tokens& tokens)
    : sql_(sql), c_(tokens), e_(c_, [this] { return query(); }) {
    // Clauses of other dialects, or of T-SQL beyond the subset, wherever they stand.
    for (const Token& t : tokens) {
        if (t.kind == TokenKind::Word && isRefusedClauseWord(t.text))
            unsupportedAt(QStringLiteral("%1 clause").arg(t.text.toUpper()), t.pos);
    }
}

Node parseBatch(const QString& sql) { return StatementParser(sql, tokenize(sql)).batch(); }

Node StatementParser::batch() {
    Node n = node(NodeKind::Batch, 0);
    n.kids = statements(false);
    if (!c_.atEnd()) {
        if (c_.atKeyword("END")) c_.unsupportedHere(QStringLiteral("END without BEGIN"));
        c_.unsupportedHere(QStringLiteral("ELSE without IF"));
    }
    return n;
}

std::vector<Node> StatementParser::statements(bool inBlock) {
    std::vector<Node> out;
    while (!c_.atEnd()) {
        if (c_.skipPunct(';')) continue;
        if (c_.atKeyword("ELSE") || (c_.atKeyword("END") && inBlock)) break;
        if (c_.atKeyword("END")) c_.unsupportedHere(QStringLiteral("END without BEGIN"));
        out.push_back(statement());
        out.back().end = c_.lastEnd();
        // A statement ends at ";", at the next statement or at the block's end.
        if (!c_.atEnd() && !c_.atPunct(';') && !atStatementStart(c_) && !c_.atKeyword("END") &&
            !c_.atKeyword("ELSE"))
            c_.syntaxError();
    }
    return out;
}

Node StatementParser::statement() {
    if (c_.atKeyword("IF")) return ifStatement();
    if (c_.atKeyword("SELECT")) return query();
    if (c_.atKeyword("INSERT")) return insert();
    if (c_.atKeyword("UPDATE")) return update();
    if (c_.atKeyword("DELETE")) return remove();
    if (c_.atKeyword("CREATE") || c_.atKeyword("DROP") || c_.atKeyword("ALTER"))
        return definition();
    if (c_.atKeyword("BEGIN")) {
        if (c_.atKeyword("TRAN", 1) || c_.atKeyword("TRANSACTION", 1))
            c_.unsupportedHere(QStringLiteral("BEGIN TRANSACTION inside a statement"));
        c_.unsupportedHere(QStringLiteral("BEGIN ... END outside IF"));
    }
    if (c_.peek().kind == TokenKind::Word)
        c_.unsupportedHere(QStringLiteral("statement %1").arg(c_.peek().text.toUpper()));
    c_.syntaxError();
}

Node StatementParser::ifStatement() {
    Node n = node(NodeKind::If, c_.take().pos);
    if (atStatementStart(c_) || c_.atEnd())
        c_.unsupportedHere(QStringLiteral("IF without a condition"));
    n.kids.push_back(e_.expression());
    n.kids.back().end = c_.lastEnd();
    n.kids.push_back(branch());
    while (c_.skipPunct(';')) {
    }
    if (c_.skipKeyword("ELSE")) n.kids.push_back(branch());
    return n;
}

Node StatementParser::branch() {
    Node n = node(NodeKind::Block, c_.pos());
    if (c_.atEnd()) c_.unsupportedHere(QStringLiteral("IF without a statement"));
    if (!c_.skipKeyword("BEGIN")) {
        n.kids.push_back(statement());
        n.kids.back().end = c_.lastEnd();
        return n;
    }
    n.kids = statements(true);
    if (!c_.skipKeyword("END")) c_.unsupportedHere(QStringLiteral("BEGIN without END"));
    return n;
}

Node StatementParser::query() {
    Node n = node(NodeKind::Query, c_.pos());
    Node body = setTerm();
    while (c_.atKeyword("UNION") || c_.atKeyword("EXCEPT")) {
        const Token op = c_.take();
        QString text = op.text.toUpper();
        if (c_.skipKeyword("ALL")) text += QStringLiteral(" ALL");
        Node set = node(NodeKind::SetOperation, body.pos, text);
        set.kids.push_back(std::move(body));
        set.kids.push_back(setTerm());
        body = std::move(set);
    }
    n.kids.push_back(std::move(body));
    if (c_.atKeyword("ORDER")) n.kids.push_back(orderBy());
    return n;
}

// INTERSECT binds tighter than UNION and EXCEPT.
Node StatementParser::setTerm() {
    Node left = select();
    while (c_.atKeyword("INTERSECT")) {
        c_.take();
        Node set = node(NodeKind::SetOperation, left.pos, QStringLiteral("INTERSECT"));
        set.kids.push_back(std::move(left));
        set.kids.push_back(select());
        left = std::move(set);
    }
    return left;
}

Node StatementParser::select() {
    if (c_.atPunct('('))
        c_.unsupportedHere(QStringLiteral("a parenthesised part of a set operation"));
    Node n = node(NodeKind::Select, c_.pos());
    c_.expectKeyword("SELECT");
    if (c_.skipKeyword("DISTINCT")) n.flags |= Distinct;
    c_.skipKeyword("ALL");
    if (c_.atKeyword("TOP")) {
        Node top = node(NodeKind::Top, c_.take().pos);
        if (c_.skipPunct('(')) {
            top.kids.push_back(e_.expression());
            c_.expectPunct(')');
        } else if (c_.peek().kind == TokenKind::Number) {
            Node count{NodeKind::Literal, c_.peek().text, c_.pos()};
            c_.take();
            top.kids.push_back(std::move(count));
        } else {
            c_.syntaxError();
        }
        if (c_.atKeyword("PERCENT")) c_.unsupportedHere(QStringLiteral("TOP ... PERCENT"));
        n.kids.push_back(std::move(top));
    }
    Node list = node(NodeKind::SelectList, c_.pos());
    do list.kids.push_back(selectItem());
    while (c_.skipPunct(','));
    n.kids.push_back(std::move(list));
    if (c_.atKeyword("INTO")) c_.unsupportedHere(QStringLiteral("SELECT ... INTO"));
    if (c_.atKeyword("FROM")) n.kids.push_back(from());
    if (c_.atKeyword("WHERE")) n.kids.push_back(clause(NodeKind::Where));
    if (c_.atKeyword("GROUP")) {
        Node group = node(NodeKind::GroupBy, c_.take().pos);
        c_.expectKeyword("BY");
        do group.kids.push_back(e_.expression());
        while (c_.skipPunct(','));
        n.kids.push_back(std::move(group));
    }
    if (c_.atKeyword("HAVING")) n.kids.push_back(clause(NodeKind::Having));
    return n;
}

Node StatementParser::clause(NodeKind kind) {
    Node n = node(kind, c_.take().pos);
    n.kids.push_back(e_.expression());
    return n;
}

Node StatementParser::selectItem() {
    Node n = node(NodeKind::SelectItem, c_.pos());
    // alias = expression
    if (!ExpressionParser::nameOf(c_.peek()).isEmpty() && c_.atOperator("=", 1)) {
        n.text = ExpressionParser::nameOf(c_.take());
        c_.take();
        n.kids.push_back(e_.expression());
        return n;
    }
    const bool qualifiedStar = !ExpressionParser::nameOf(c_.peek()).isEmpty() &&
                               c_.atOperator(".", 1) && c_.atOperator("*", 2);
    n.kids.push_back(qualifiedStar ? e_.column(true) : e_.expression());
    if (c_.peek().kind == TokenKind::String && !c_.atKeyword("AS")) {
        n.text = stringValue(c_.take());
        return n;
    }
    n.text = alias();
    return n;
}

// [AS] name, or nothing.
QString StatementParser::alias() {
    const bool as = c_.skipKeyword("AS");
    if (as && c_.peek().kind == TokenKind::String) return stringValue(c_.take());
    const QString name = ExpressionParser::nameOf(c_.peek());
    if (name.isEmpty() || c_.peek().kind == TokenKind::TempName) {
        if (as) c_.syntaxError();
        return QString();
    }
    c_.take();
    return name;
}

Node StatementParser::orderBy() {
    Node n = node(NodeKind::OrderBy, c_.take().pos);
    c_.expectKeyword("BY");
    do {
        Node item = node(NodeKind::OrderItem, c_.pos());
        item.kids.push_back(e_.expression());
        if (c_.skipKeyword("DESC"))
            item.flags |= Descending;
        else
            c_.skipKeyword("ASC");
        n.kids.push_back(std::move(item));
    } while (c_.skipPunct(','));
    return n;
}

Node StatementParser::from() {
    Node n = node(NodeKind::From, c_.take().pos);
    do n.kids.push_back(joined());
    while (c_.skipPunct(','));
    return n;
}

// The join keywords at the cursor, taken, as JOIN, LEFT JOIN ...; empty when none.
QString StatementParser::joinType() {
    if (c_.skipKeyword("JOIN")) return QStringLiteral("JOIN");
    if (c_.skipKeyword("INNER")) {
        c_.expectKeyword("JOIN");
        return QStringLiteral("JOIN");
    }
    for (const char* side : {"LEFT", "RIGHT", "FULL", "CROSS"}) {
        if (!c_.skipKeyword(side)) continue;
        if (QLatin1String(side) != QLatin1String("CROSS")) c_.skipKeyword("OUTER");
        c_.expectKeyword("JOIN");
        return QLatin1String(side) + QStringLiteral(" JOIN");
    }
    return QString();
}

Node StatementParser::joined() {
    Node left = tableSource();
    for (;;) {
        const QString type = joinType();
        if (type.isEmpty()) return left;
        Node join = node(NodeKind::Join, left.pos, type);
        join.kids.push_back(std::move(left));
        join.kids.push_back(tableSource());
        if (type != QLatin1String("CROSS JOIN")) {
            c_.expectKeyword("ON");
            join.kids.push_back(e_.expression());
        }
        left = std::move(join);
    }
}

Node StatementParser::tableSource() {
    if (c_.atPunct('(')) {
        const int pos = c_.take().pos;
        if (!c_.atKeyword("SELECT")) {
            Node inner = node(NodeKind::Paren, pos);
            inner.kids.push_back(joined());
            c_.expectPunct(')');
            return inner;
        }
        Node n = node(NodeKind::Derived, pos);
        n.kids.push_back(query());
        c_.expectPunct(')');
        n.text = alias();
        if (n.text.isEmpty()) c_.syntaxError();
        return n;
    }
    Node n = table();
    n.text = alias();
    return n;
}

Node StatementParser::table() {
    Node n = node(NodeKind::Table, c_.pos());
    n.kids = e_.column().kids;
    return n;
}

Node StatementParser::insert() {
    Node n = node(NodeKind::Insert, c_.take().pos);
    c_.skipKeyword("INTO");
    n.kids.push_back(table());
    if (c_.atPunct('(')) {
        Node columns = node(NodeKind::ColumnList, c_.take().pos);
        do {
            const QString name = ExpressionParser::nameOf(c_.peek());
            if (name.isEmpty()) c_.syntaxError();
            columns.kids.push_back(node(NodeKind::Name, c_.take().pos, name));
        } while (c_.skipPunct(','));
        c_.expectPunct(')');
        n.kids.push_back(std::move(columns));
    }
    if (c_.atKeyword("SELECT")) {
        n.kids.push_back(query());
        return n;
    }
    if (c_.atKeyword("DEFAULT")) c_.unsupportedHere(QStringLiteral("INSERT ... DEFAULT VALUES"));
    if (c_.atKeyword("EXEC") || c_.atKeyword("EXECUTE"))
        c_.unsupportedHere(QStringLiteral("INSERT ... EXEC"));
    Node values = node(NodeKind::Values, c_.pos());
    c_.expectKeyword("VALUES");
    do {
        Node row = node(NodeKind::Row, c_.pos());
        c_.expectPunct('(');
        do row.kids.push_back(e_.expression());
        while (c_.skipPunct(','));
        c_.expectPunct(')');
        values.kids.push_back(std::move(row));
    } while (c_.skipPunct(','));
    n.kids.push_back(std::move(values));
    return n;
}

Node StatementParser::update() {
    Node n = node(NodeKind::Update, c_.take().pos);
    if (c_.atKeyword("TOP")) c_.unsupportedHere(QStringLiteral("UPDATE TOP"));
    n.kids.push_back(table());
    Node set = node(NodeKind::SetList, c_.pos());
    c_.expectKeyword("SET");
    do {
        if (c_.peek().kind == TokenKind::Variable)
            c_.unsupportedHere(QStringLiteral("variable %1").arg(c_.peek().text));
        Node assignment = node(NodeKind::Assignment, c_.pos());
        assignment.kids.push_back(e_.column());
        if (!c_.atOperator("=")) c_.syntaxError();
        c_.take();
        assignment.kids.push_back(e_.expression());
        set.kids.push_back(std::move(assignment));
    } while (c_.skipPunct(','));
    n.kids.push_back(std::move(set));
    if (c_.atKeyword("FROM")) n.kids.push_back(from());
    if (c_.atKeyword("WHERE")) n.kids.push_back(clause(NodeKind::Where));
    return n;
}

Node StatementParser::remove() {
    Node n = node(NodeKind::Delete, c_.take().pos);
    if (c_.atKeyword("TOP")) c_.unsupportedHere(QStringLiteral("DELETE TOP"));
    if (c_.skipKeyword("FROM")) n.text = QStringLiteral("FROM");
    n.kids.push_back(table());
    if (c_.atKeyword("FROM")) n.kids.push_back(from());
    if (c_.atKeyword("WHERE")) n.kids.push_back(clause(NodeKind::Where));
    return n;
}

// Kept as written up to ";" or the next statement at its level.
Node StatementParser::definition() {
    const int start = c_.pos();
    int depth = 0, end = start;
    do {
        if (c_.atPunct('(')) ++depth;
        if (c_.atPunct(')')) --depth;
        const Token& t = c_.take();
        end = t.pos + int(t.text.size());
    } while (!c_.atEnd() && !c_.atPunct(';') && !(depth == 0 && atStatementStart(c_)));
    return node(NodeKind::Definition, start, sql_.mid(start, end - start));
}

}  // namespace engine
