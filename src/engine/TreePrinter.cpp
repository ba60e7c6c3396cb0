#include "engine/TreePrinter.h"

#include <sqlite3.h>
#include <QStringList>

#include "engine/Keywords.h"

namespace engine {

namespace {

// A letter or _ first, then letters, digits and _.
bool canStandBare(const QString& text) {
    if (text.isEmpty()) return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool ascii = c < 0x80;
        const bool letter = ascii
                                ? (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'
                                : text[i].isLetter();
        const bool digit = ascii ? c >= u'0' && c <= u'9' : text[i].isLetterOrNumber();
        if (!letter && (i == 0 || !digit)) return false;
    }
    return true;
}

QString negated(const Node& n, const char* keyword) {
    return n.has(Not) ? QStringLiteral(" NOT %1 ").arg(QLatin1String(keyword))
                      : QStringLiteral(" %1 ").arg(QLatin1String(keyword));
}

}  // namespace

QString TreePrinter::name(const QString& text) {
    if (canStandBare(text) && !isReservedWord(text)) {
        const QByteArray utf8 = text.toUtf8();
        if (!sqlite3_keyword_check(utf8.constData(), static_cast<int>(utf8.size()))) return text;
    }
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString TreePrinter::list(const std::vector<Node>& nodes, int from,
                          const QString& separator) const {
    QStringList parts;
    for (int i = from; i < static_cast<int>(nodes.size()); ++i) parts << print(nodes[i]);
    return parts.join(separator);
}

QString TreePrinter::print(const Node& n) const {
    switch (n.kind) {
        case NodeKind::Query:
        case NodeKind::SetOperation:
        case NodeKind::Select:
            return query(n);
        case NodeKind::Insert:
        case NodeKind::Update:
        case NodeKind::Delete:
        case NodeKind::Definition:
        case NodeKind::If:
        case NodeKind::Block:
        case NodeKind::Batch:
            return statement(n);
        default:
            return expression(n);
    }
}

QString TreePrinter::expression(const Node& n) const {
    switch (n.kind) {
        case NodeKind::Verbatim:
            return n.text;
        case NodeKind::Literal:
            return sqlite_ && (n.text.startsWith(u'N') || n.text.startsWith(u'n')) &&
                           n.text.size() > 1 && n.text[1] == u'\''
                       ? n.text.mid(1)
                       : n.text;
        case NodeKind::Variable:
        case NodeKind::Type:
            return n.text;
        case NodeKind::Name:
            return name(n.text);
        case NodeKind::Star:
            return QStringLiteral("*");
        case NodeKind::Column:
            return list(n.kids, 0, QStringLiteral("."));
        case NodeKind::Table:
            return list(n.kids, 0, QStringLiteral(".")) +
                   (n.text.isEmpty() ? QString() : u' ' + name(n.text));
        case NodeKind::Call:
            return n.text + u'(' + (n.has(Distinct) ? QStringLiteral("DISTINCT ") : QString()) +
                   list(n.kids) + u')';
        case NodeKind::Cast:
            return QStringLiteral("CAST(%1 AS %2)").arg(print(n.kids[0]), print(n.kids[1]));
        case NodeKind::Case: {
            QString out = QStringLiteral("CASE");
            for (const Node& k : n.kids) {
                if (k.kind == NodeKind::When)
                    out +=
                        QStringLiteral(" WHEN %1 THEN %2").arg(print(k.kids[0]), print(k.kids[1]));
                else if (k.kind == NodeKind::Else)
                    out += QStringLiteral(" ELSE ") + print(k.kids[0]);
                else
                    out += u' ' + print(k);
            }
            return out + QStringLiteral(" END");
        }
        case NodeKind::Unary: {
            if (n.text == QLatin1String("NOT")) return QStringLiteral("NOT ") + print(n.kids[0]);
            const QString operand = print(n.kids[0]);
            // "- -1" must not become a comment.
            return n.text + (operand.startsWith(u'-') ? QStringLiteral(" ") : QString()) + operand;
        }
        case NodeKind::Binary:
            return print(n.kids[0]) + u' ' + n.text + u' ' + print(n.kids[1]);
        case NodeKind::Paren:
            return u'(' + print(n.kids[0]) + u')';
        case NodeKind::Collate:
            return u'(' + print(n.kids[0]) + QStringLiteral(" COLLATE ") + n.text + u')';
        case NodeKind::Subquery:
            return u'(' + print(n.kids[0]) + u')';
        case NodeKind::Exists:
            return QStringLiteral("EXISTS (") + print(n.kids[0]) + u')';
        default:
            return predicate(n);
    }
}

QString TreePrinter::predicate(const Node& n) const {
    switch (n.kind) {
        case NodeKind::Between:
            return print(n.kids[0]) + negated(n, "BETWEEN") + print(n.kids[1]) +
                   QStringLiteral(" AND ") + print(n.kids[2]);
        case NodeKind::In:
            return print(n.kids[0]) + negated(n, "IN") + u'(' + list(n.kids, 1) + u')';
        case NodeKind::Like:
            return print(n.kids[0]) + negated(n, "LIKE") + print(n.kids[1]) +
                   (n.kids.size() > 2 ? QStringLiteral(" ESCAPE ") + print(n.kids[2]) : QString());
        case NodeKind::IsNull:
            return print(n.kids[0]) +
                   (n.has(Not) ? QStringLiteral(" IS NOT NULL") : QStringLiteral(" IS NULL"));
        case NodeKind::SelectItem:
            if (n.has(EmptyAlias)) return print(n.kids[0]) + QStringLiteral(" AS \"\"");
            return print(n.kids[0]) +
                   (n.text.isEmpty() ? QString() : QStringLiteral(" AS ") + name(n.text));
        case NodeKind::OrderItem:
            return print(n.kids[0]) + (n.has(Descending) ? QStringLiteral(" DESC") : QString());
        case NodeKind::Derived:
            return u'(' + print(n.kids[0]) + QStringLiteral(") ") + name(n.text);
        case NodeKind::Join:
            return print(n.kids[0]) + u' ' + n.text + u' ' + print(n.kids[1]) +
                   (n.kids.size() > 2 ? QStringLiteral(" ON ") + print(n.kids[2]) : QString());
        case NodeKind::OrderBy:
            return QStringLiteral("ORDER BY ") + list(n.kids);
        case NodeKind::Row:
            return u'(' + list(n.kids) + u')';
        case NodeKind::Assignment:
            return print(n.kids[0]) + QStringLiteral(" = ") + print(n.kids[1]);
        case NodeKind::When:
        case NodeKind::Else:
        default:
            return QString();
    }
}

QString TreePrinter::query(const Node& n) const {
    if (n.kind == NodeKind::Select) return select(n);
    if (n.kind == NodeKind::Query) {
        QString out = print(n.kids[0]) + (n.kids.size() > 1 ? u' ' + print(n.kids[1]) : QString());
        // LIMIT stands after the ORDER BY of the SELECT's level.
        const Node* top =
            n.kids[0].kind == NodeKind::Select ? n.kids[0].find(NodeKind::Top) : nullptr;
        if (sqlite_ && top) out += QStringLiteral(" LIMIT ") + print(top->kids[0]);
        return out;
    }
    // SQLite reads set operations left to right, with no parentheses around a part.
    const Node& right = n.kids[1];
    const QString rightText =
        right.kind == NodeKind::SetOperation
            ? QStringLiteral("SELECT * FROM (%1) intersected").arg(print(right))
            : print(right);
    return print(n.kids[0]) + u' ' + n.text + u' ' + rightText;
}

QString TreePrinter::select(const Node& n) const {
    QStringList parts{QStringLiteral("SELECT")};
    if (n.has(Distinct)) parts << QStringLiteral("DISTINCT");
    for (const Node& k : n.kids) {
        switch (k.kind) {
            case NodeKind::Top:
                if (!sqlite_) parts << QStringLiteral("TOP (%1)").arg(print(k.kids[0]));
                break;
            case NodeKind::SelectList:
                parts << list(k.kids);
                break;
            case NodeKind::From:
                parts << QStringLiteral("FROM ") + list(k.kids);
                break;
            case NodeKind::Where:
                parts << QStringLiteral("WHERE ") + print(k.kids[0]);
                break;
            case NodeKind::GroupBy:
                parts << QStringLiteral("GROUP BY ") + list(k.kids);
                break;
            case NodeKind::Having:
                parts << QStringLiteral("HAVING ") + print(k.kids[0]);
                break;
            case NodeKind::OrderBy:
                parts << QStringLiteral("ORDER BY ") + list(k.kids);
                break;
            default:
                break;
        }
    }
    return parts.join(u' ');
}

QString TreePrinter::statement(const Node& n) const {
    switch (n.kind) {
        case NodeKind::Definition:
            return n.text;
        case NodeKind::Insert: {
            QString out = QStringLiteral("INSERT INTO ") + print(n.kids[0]);
            for (size_t i = 1; i < n.kids.size(); ++i) {
                const Node& k = n.kids[i];
                if (k.kind == NodeKind::ColumnList)
                    out += QStringLiteral(" (") + list(k.kids) + u')';
                if (k.kind == NodeKind::Values) out += QStringLiteral(" VALUES ") + list(k.kids);
                if (k.kind == NodeKind::Query) out += u' ' + print(k);
            }
            return out;
        }
        case NodeKind::Update:
        case NodeKind::Delete: {
            QString out = n.kind == NodeKind::Update
                              ? QStringLiteral("UPDATE ") + target(n.kids[0])
                              : QStringLiteral("DELETE FROM ") + target(n.kids[0]);
            for (size_t i = 1; i < n.kids.size(); ++i) {
                const Node& k = n.kids[i];
                if (k.kind == NodeKind::SetList) out += QStringLiteral(" SET ") + list(k.kids);
                if (k.kind == NodeKind::From) out += QStringLiteral(" FROM ") + list(k.kids);
                if (k.kind == NodeKind::Where) out += QStringLiteral(" WHERE ") + print(k.kids[0]);
            }
            return out;
        }
        case NodeKind::If: {
            QString out = QStringLiteral("IF ") + print(n.kids[0]) + u' ' + block(n.kids[1]);
            if (n.kids.size() > 2) out += QStringLiteral(" ELSE ") + block(n.kids[2]);
            return out;
        }
        case NodeKind::Block:
            return block(n);
        default:
            return list(n.kids, 0, QStringLiteral(";\n"));
    }
}

QString TreePrinter::target(const Node& table) const {
    if (!sqlite_ || table.text.isEmpty()) return print(table);
    return list(table.kids, 0, QStringLiteral(".")) + QStringLiteral(" AS ") + name(table.text);
}

QString TreePrinter::block(const Node& n) const {
    return QStringLiteral("BEGIN ") + list(n.kids, 0, QStringLiteral("; ")) +
           QStringLiteral(" END");
}

}  // namespace engine
