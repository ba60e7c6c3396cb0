#include "engine/TreePrinter.h"

#include <sqlite3.h>

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

}  // namespace

QString TreePrinter::name(const QString& text) {
    if (canStandBare(text) && !isReservedWord(text)) {
        const QByteArray utf8 = text.toUtf8();
        if (!sqlite3_keyword_check(utf8.constData(), static_cast<int>(utf8.size()))) return text;
    }
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString TreePrinter::print(const Node& n) const {
    QString out;
    out.reserve(256);
    write(n, out);
    return out;
}

void TreePrinter::list(const std::vector<Node>& nodes, QString& out, size_t from,
                       QLatin1String separator) const {
    for (size_t i = from; i < nodes.size(); ++i) {
        if (i > from) out += separator;
        write(nodes[i], out);
    }
}

void TreePrinter::write(const Node& n, QString& out) const {
    switch (n.kind) {
        case NodeKind::Query:
        case NodeKind::SetOperation:
        case NodeKind::Select:
            return query(n, out);
        case NodeKind::Insert:
        case NodeKind::Update:
        case NodeKind::Delete:
        case NodeKind::Definition:
        case NodeKind::If:
        case NodeKind::Block:
        case NodeKind::Batch:
            return statement(n, out);
        default:
            return expression(n, out);
    }
}

void TreePrinter::expression(const Node& n, QString& out) const {
    switch (n.kind) {
        case NodeKind::Verbatim:
        case NodeKind::Variable:
        case NodeKind::Type:
            out += n.text;
            return;
        case NodeKind::Literal: {
            const bool national = (n.text.startsWith(u'N') || n.text.startsWith(u'n')) &&
                                  n.text.size() > 1 && n.text[1] == u'\'';
            out += sqlite_ && national ? QStringView(n.text).mid(1) : QStringView(n.text);
            return;
        }
        case NodeKind::Name:
            out += name(n.text);
            return;
        case NodeKind::Star:
            out += u'*';
            return;
        case NodeKind::Column:
            return list(n.kids, out, 0, QLatin1String("."));
        case NodeKind::Table:
            list(n.kids, out, 0, QLatin1String("."));
            if (!n.text.isEmpty()) out += u' ' + name(n.text);
            return;
        case NodeKind::Call:
            out += n.text + u'(';
            if (n.has(Distinct)) out += QLatin1String("DISTINCT ");
            list(n.kids, out);
            out += u')';
            return;
        case NodeKind::Cast:
            out += QLatin1String("CAST(");
            write(n.kids[0], out);
            out += QLatin1String(" AS ");
            write(n.kids[1], out);
            out += u')';
            return;
        case NodeKind::Case:
            out += QLatin1String("CASE");
            for (const Node& k : n.kids) {
                if (k.kind == NodeKind::When) {
                    out += QLatin1String(" WHEN ");
                    write(k.kids[0], out);
                    out += QLatin1String(" THEN ");
                    write(k.kids[1], out);
                } else if (k.kind == NodeKind::Else) {
                    out += QLatin1String(" ELSE ");
                    write(k.kids[0], out);
                } else {
                    out += u' ';
                    write(k, out);
                }
            }
            out += QLatin1String(" END");
            return;
        case NodeKind::Unary: {
            if (n.text == QLatin1String("NOT")) {
                out += QLatin1String("NOT ");
                return write(n.kids[0], out);
            }
            out += n.text;
            const qsizetype at = out.size();
            write(n.kids[0], out);
            // "- -1" must not become a comment.
            if (out.size() > at && out[at] == u'-') out.insert(at, u' ');
            return;
        }
        case NodeKind::Binary:
            write(n.kids[0], out);
            out += u' ' + n.text + u' ';
            return write(n.kids[1], out);
        case NodeKind::Paren:
        case NodeKind::Subquery:
            out += u'(';
            write(n.kids[0], out);
            out += u')';
            return;
        case NodeKind::Collate:
            out += u'(';
            write(n.kids[0], out);
            out += QLatin1String(" COLLATE ") + n.text + u')';
            return;
        case NodeKind::Exists:
            out += QLatin1String("EXISTS (");
            write(n.kids[0], out);
            out += u')';
            return;
        default:
            return predicate(n, out);
    }
}

void TreePrinter::predicate(const Node& n, QString& out) const {
    auto keyword = [&](const char* k) {
        out += n.has(Not) ? QLatin1String(" NOT ") : QLatin1String(" ");
        out += QLatin1String(k) + u' ';
    };
    switch (n.kind) {
        case NodeKind::Between:
            write(n.kids[0], out);
            keyword("BETWEEN");
            write(n.kids[1], out);
            out += QLatin1String(" AND ");
            return write(n.kids[2], out);
        case NodeKind::In:
            write(n.kids[0], out);
            keyword("IN");
            out += u'(';
            list(n.kids, out, 1);
            out += u')';
            return;
        case NodeKind::Like:
            write(n.kids[0], out);
            keyword("LIKE");
            write(n.kids[1], out);
            if (n.kids.size() > 2) {
                out += QLatin1String(" ESCAPE ");
                write(n.kids[2], out);
            }
            return;
        case NodeKind::IsNull:
            write(n.kids[0], out);
            out += n.has(Not) ? QLatin1String(" IS NOT NULL") : QLatin1String(" IS NULL");
            return;
        case NodeKind::SelectItem:
            write(n.kids[0], out);
            if (n.has(EmptyAlias))
                out += QLatin1String(" AS \"\"");
            else if (!n.text.isEmpty())
                out += QLatin1String(" AS ") + name(n.text);
            return;
        case NodeKind::OrderItem:
            write(n.kids[0], out);
            if (n.has(Descending)) out += QLatin1String(" DESC");
            return;
        case NodeKind::Derived:
            out += u'(';
            write(n.kids[0], out);
            out += QLatin1String(") ") + name(n.text);
            return;
        case NodeKind::Join:
            write(n.kids[0], out);
            out += u' ' + n.text + u' ';
            write(n.kids[1], out);
            if (n.kids.size() > 2) {
                out += QLatin1String(" ON ");
                write(n.kids[2], out);
            }
            return;
        case NodeKind::OrderBy:
            out += QLatin1String("ORDER BY ");
            return list(n.kids, out);
        case NodeKind::Row:
            out += u'(';
            list(n.kids, out);
            out += u')';
            return;
        case NodeKind::Assignment:
            write(n.kids[0], out);
            out += QLatin1String(" = ");
            return write(n.kids[1], out);
        default:
            return;
    }
}

void TreePrinter::query(const Node& n, QString& out) const {
    if (n.kind == NodeKind::Select) return select(n, out);
    if (n.kind == NodeKind::Query) {
        write(n.kids[0], out);
        if (n.kids.size() > 1) {
            out += u' ';
            write(n.kids[1], out);
        }
        // LIMIT stands after the ORDER BY of the SELECT's level.
        const Node* top =
            n.kids[0].kind == NodeKind::Select ? n.kids[0].find(NodeKind::Top) : nullptr;
        if (sqlite_ && top) {
            out += QLatin1String(" LIMIT ");
            write(top->kids[0], out);
        }
        return;
    }
    // SQLite reads set operations left to right, with no parentheses around a part.
    write(n.kids[0], out);
    out += u' ' + n.text + u' ';
    const Node& right = n.kids[1];
    if (right.kind != NodeKind::SetOperation) return write(right, out);
    out += QLatin1String("SELECT * FROM (");
    write(right, out);
    out += QLatin1String(") intersected");
}

void TreePrinter::select(const Node& n, QString& out) const {
    out += QLatin1String("SELECT");
    if (n.has(Distinct)) out += QLatin1String(" DISTINCT");
    for (const Node& k : n.kids) {
        switch (k.kind) {
            case NodeKind::Top:
                if (sqlite_) break;
                out += QLatin1String(" TOP (");
                write(k.kids[0], out);
                out += u')';
                break;
            case NodeKind::SelectList:
                out += u' ';
                list(k.kids, out);
                break;
            case NodeKind::From:
                out += QLatin1String(" FROM ");
                list(k.kids, out);
                break;
            case NodeKind::Where:
                out += QLatin1String(" WHERE ");
                write(k.kids[0], out);
                break;
            case NodeKind::GroupBy:
                out += QLatin1String(" GROUP BY ");
                list(k.kids, out);
                break;
            case NodeKind::Having:
                out += QLatin1String(" HAVING ");
                write(k.kids[0], out);
                break;
            case NodeKind::OrderBy:
                out += u' ';
                write(k, out);
                break;
            default:
                break;
        }
    }
}

void TreePrinter::statement(const Node& n, QString& out) const {
    switch (n.kind) {
        case NodeKind::Definition:
            out += n.text;
            return;
        case NodeKind::Insert:
            out += QLatin1String("INSERT INTO ");
            write(n.kids[0], out);
            for (size_t i = 1; i < n.kids.size(); ++i) {
                const Node& k = n.kids[i];
                if (k.kind == NodeKind::ColumnList) {
                    out += QLatin1String(" (");
                    list(k.kids, out);
                    out += u')';
                } else if (k.kind == NodeKind::Values) {
                    out += QLatin1String(" VALUES ");
                    list(k.kids, out);
                } else if (k.kind == NodeKind::Query) {
                    out += u' ';
                    write(k, out);
                }
            }
            return;
        case NodeKind::Update:
        case NodeKind::Delete:
            out += n.kind == NodeKind::Update ? QLatin1String("UPDATE ")
                                              : QLatin1String("DELETE FROM ");
            target(n.kids[0], out);
            for (size_t i = 1; i < n.kids.size(); ++i) {
                const Node& k = n.kids[i];
                if (k.kind == NodeKind::SetList) {
                    out += QLatin1String(" SET ");
                    list(k.kids, out);
                } else if (k.kind == NodeKind::From) {
                    out += QLatin1String(" FROM ");
                    list(k.kids, out);
                } else if (k.kind == NodeKind::Where) {
                    out += QLatin1String(" WHERE ");
                    write(k.kids[0], out);
                }
            }
            return;
        case NodeKind::If:
            out += QLatin1String("IF ");
            write(n.kids[0], out);
            out += u' ';
            block(n.kids[1], out);
            if (n.kids.size() > 2) {
                out += QLatin1String(" ELSE ");
                block(n.kids[2], out);
            }
            return;
        case NodeKind::Block:
            return block(n, out);
        default:
            return list(n.kids, out, 0, QLatin1String(";\n"));
    }
}

void TreePrinter::target(const Node& table, QString& out) const {
    if (!sqlite_ || table.text.isEmpty()) return write(table, out);
    list(table.kids, out, 0, QLatin1String("."));
    out += QLatin1String(" AS ") + name(table.text);
}

void TreePrinter::block(const Node& n, QString& out) const {
    out += QLatin1String("BEGIN ");
    list(n.kids, out, 0, QLatin1String("; "));
    out += QLatin1String(" END");
}

}  // namespace engine
