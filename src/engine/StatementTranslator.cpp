#include "engine/StatementTranslator.h"

#include <algorithm>

#include "engine/Clauses.h"
#include "engine/ExpressionRewriter.h"
#include "engine/TableDefinition.h"
#include "engine/Tokenizer.h"
#include "engine/UpdateFrom.h"

namespace engine {

namespace {

int size(const Pieces& s) { return static_cast<int>(s.size()); }

QString nameOf(const Piece& p) { return identifierName(Token{p.kind, p.text, 0}); }

// End (exclusive) of the SELECT level that contains from.
int levelEnd(const Pieces& s, int from) {
    int end = size(s);
    if (findSetOperator(s, from, &end) >= 0) unsupported(QStringLiteral("TOP with UNION"));
    return end;
}

}  // namespace

TranslatedStatement StatementTranslator::translate(Pieces s) const {
    TranslatedStatement out;
    if (s.empty()) unsupported(QStringLiteral("an empty statement"));
    const Piece first = s[0];
    if (isKw(first, "SELECT")) {
        out.kind = StatementKind::Select;
    } else if (isKw(first, "INSERT")) {
        out.kind = StatementKind::Insert;
    } else if (isKw(first, "UPDATE")) {
        out.kind = StatementKind::Update;
    } else if (isKw(first, "DELETE")) {
        out.kind = StatementKind::Delete;
    } else if (isKw(first, "CREATE") || isKw(first, "DROP") || isKw(first, "ALTER")) {
        out.kind = StatementKind::Definition;
        normalize(s);
        collateTextColumns(s);
        out.sql = joinPieces(s);
        return out;
    } else {
        unsupported(QStringLiteral("statement %1").arg(first.text.toUpper()));
    }
    normalize(s);
    std::vector<AfterStep> afters;
    for (const TranslationRule& rule : rules_) {
        if (std::find(rule.kinds.begin(), rule.kinds.end(), out.kind) == rule.kinds.end()) continue;
        auto blocked = [&](const QString& other) { return out.paths.contains(other); };
        if (std::any_of(rule.unless.begin(), rule.unless.end(), blocked)) continue;
        AfterStep after;
        if (!rule.before(s, schema_, &after)) continue;
        out.paths << rule.name;
        if (after) afters.push_back(std::move(after));
    }
    if (out.kind == StatementKind::Insert) rewriteInsert(s);
    if (out.kind == StatementKind::Update) rewriteUpdate(s);
    if (out.kind == StatementKind::Delete) rewriteDelete(s);
    if (out.kind == StatementKind::Select) nameResultColumns(s);
    ExpressionRewriter(schema_).rewrite(s);
    for (const AfterStep& after : afters) after(s);
    collateOrderBy(s);
    rewriteTop(s);
    out.sql = joinPieces(s);
    return out;
}

void StatementTranslator::normalize(Pieces& s) const {
    for (Piece& p : s) {
        switch (p.kind) {
            case TokenKind::NString:
                p.kind = TokenKind::String;
                p.text = p.text.mid(1);
                break;
            case TokenKind::TempName:
            case TokenKind::Bracketed:
                p.text = u'"' + nameOf(p).replace(u'"', QStringLiteral("\"\"")) + u'"';
                p.kind = TokenKind::Quoted;
                break;
            case TokenKind::Variable:
                unsupported(QStringLiteral("variable %1").arg(p.text));
            default:
                break;
        }
    }
}

void StatementTranslator::convertItems(Pieces& s, const std::vector<std::pair<int, int>>& items,
                                       const QString& table, const QStringList& columns) const {
    // Last item first, so that the earlier positions stay valid.
    for (int k = static_cast<int>(items.size()) - 1; k >= 0; --k) {
        if (k >= columns.size()) continue;
        const QString type = schema_.declaredType(table, columns[k]);
        if (type.isEmpty()) continue;
        auto [first, last] = items[k];
        wrapCall(s, first, last, QStringLiteral("tsql_to"), quoted(type));
    }
}

void StatementTranslator::rewriteInsert(Pieces& s) const {
    int i = 1;
    if (!isKw(s[i], "INTO"))
        s.insert(s.begin() + i,
                 synth(TokenKind::Word, QStringLiteral("INTO"), QStringLiteral(" ")));
    ++i;
    while (i + 2 < size(s) && isOp(s[i + 1], ".")) i += 2;  // dbo.table
    if (i >= size(s) || !isIdentifier(s[i]))
        unsupported(QStringLiteral("INSERT without a table name"));
    const QString table = nameOf(s[i]);
    QStringList columns = schema_.columns(table);
    int j = i + 1;
    if (j < size(s) && isPunct(s[j], '(')) {
        const int close = closeParen(s, j);
        columns.clear();
        for (auto [a, b] : splitTopLevel(s, j + 1, close - 1)) columns << nameOf(s[b]);
        j = close + 1;
    }
    if (j >= size(s)) unsupported(QStringLiteral("INSERT without VALUES or SELECT"));
    if (isKw(s[j], "VALUES")) {
        // Every row: the tuples after VALUES, last first.
        std::vector<int> opens;
        for (int k = j + 1; k < size(s); ++k) {
            if (isPunct(s[k], '(')) {
                opens.push_back(k);
                k = closeParen(s, k);
            }
        }
        for (auto it = opens.rbegin(); it != opens.rend(); ++it)
            convertItems(s, splitTopLevel(s, *it + 1, closeParen(s, *it) - 1), table, columns);
    } else if (isKw(s[j], "SELECT")) {
        auto [first, last] = selectList(s, j);
        auto items = splitTopLevel(s, first, last);
        for (auto& item : items) {
            const int alias = aliasStart(s, item.first, item.second);
            if (alias > item.first) item.second = alias - 1;
            if (isOp(s[item.second], "*")) unsupported(QStringLiteral("INSERT ... SELECT *"));
        }
        convertItems(s, items, table, columns);
    } else {
        unsupported(QStringLiteral("INSERT ... %1").arg(s[j].text.toUpper()));
    }
}

void StatementTranslator::rewriteUpdate(Pieces& s) const {
    const int set = findTop(s, 1, {"SET"});
    if (set < 0) unsupported(QStringLiteral("UPDATE without SET"));
    if (set != 2 || !isIdentifier(s[1]))
        unsupported(QStringLiteral("UPDATE target %1").arg(joinPieces(s, 1, set - 1).trimmed()));
    const int from = findTop(s, set, {"FROM"});
    const QString table = from >= 0 ? rewriteUpdateFrom(s, set, from) : nameOf(s[1]);
    // The SET items: SQLite takes no alias before a column, so qualifiers go first
    // (last item first, the earlier positions stay valid).
    auto setItems = [&] {
        const int at = findTop(s, 1, {"SET"});
        const int end = findTop(s, at, {"FROM", "WHERE"});
        return splitTopLevel(s, at + 1, (end >= 0 ? end : size(s)) - 1);
    };
    auto assignment = [&](int a, int b) {
        for (int eq = a; eq <= b; ++eq) {
            if (isOp(s[eq], "=")) return eq;
        }
        unsupported(QStringLiteral("SET item without ="));
    };
    auto items = setItems();
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        const int eq = assignment(it->first, it->second);
        if (eq - 1 > it->first) {
            s[eq - 1].lead = s[it->first].lead;
            s.erase(s.begin() + it->first, s.begin() + eq - 1);
        }
    }
    std::vector<std::pair<int, int>> values;
    QStringList columns;
    for (auto [a, b] : setItems()) {
        const int eq = assignment(a, b);
        s[eq].assignment = true;
        columns << nameOf(s[eq - 1]);
        values.emplace_back(eq + 1, b);
    }
    convertItems(s, values, table, columns);
}

void StatementTranslator::rewriteDelete(Pieces& s) const {
    if (size(s) > 1 && isKw(s[1], "FROM")) {
        if (findTop(s, 2, {"FROM"}) >= 0) unsupported(QStringLiteral("DELETE ... FROM ... FROM"));
        return;
    }
    if (findTop(s, 1, {"FROM"}) >= 0) unsupported(QStringLiteral("DELETE alias FROM table"));
    s.insert(s.begin() + 1, synth(TokenKind::Word, QStringLiteral("FROM"), QStringLiteral(" ")));
}

void StatementTranslator::nameResultColumns(Pieces& s) const {
    // SQL Server names a computed column without alias "", SQLite by its text.
    auto [first, last] = selectList(s, 0);
    if (first < size(s) && isKw(s[first], "TOP")) {
        first += isPunct(s[first + 1], '(') ? 4 : 2;
    }
    auto items = splitTopLevel(s, first, last);
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        auto [a, b] = *it;
        if (aliasStart(s, a, b) >= 0 || isColumnChain(s, a, b) || isOp(s[b], "*")) continue;
        const Pieces alias{synth(TokenKind::Word, QStringLiteral("AS"), QStringLiteral(" ")),
                           synth(TokenKind::Quoted, QStringLiteral("\"\""), QStringLiteral(" "))};
        s.insert(s.begin() + b + 1, alias.begin(), alias.end());
    }
}

void StatementTranslator::collateOrderBy(Pieces& s) const {
    for (int i = size(s) - 2; i >= 0; --i) {
        if (!isKw(s[i], "ORDER") || !isKw(s[i + 1], "BY")) continue;
        int end = size(s);
        const int stop = findTopOrSet(s, i + 2, {"LIMIT"}, &end);
        auto terms = splitTopLevel(s, i + 2, (stop >= 0 ? stop : end) - 1);
        for (auto it = terms.rbegin(); it != terms.rend(); ++it) {
            auto [a, b] = *it;
            if (isKw(s[b], "ASC") || isKw(s[b], "DESC")) --b;
            if (a == b && s[a].kind == TokenKind::Number) continue;  // a column position
            s.insert(s.begin() + b + 1,
                     synth(TokenKind::Word, QStringLiteral("COLLATE CI_AS"), QStringLiteral(" ")));
        }
    }
}

void StatementTranslator::rewriteTop(Pieces& s) const {
    for (int k = size(s) - 1; k >= 0; --k) {
        if (!isKw(s[k], "SELECT")) continue;
        int t = k + 1;
        while (t < size(s) && (isKw(s[t], "DISTINCT") || isKw(s[t], "ALL"))) ++t;
        if (t >= size(s) || !isKw(s[t], "TOP")) continue;
        int last = t + 1;
        QString count;
        if (last < size(s) && isPunct(s[last], '(')) {
            const int close = closeParen(s, last);
            if (close != last + 2 || s[last + 1].kind != TokenKind::Number)
                unsupported(QStringLiteral("TOP with an expression"));
            count = s[last + 1].text;
            last = close;
        } else if (last < size(s) && s[last].kind == TokenKind::Number) {
            count = s[last].text;
        } else {
            unsupported(QStringLiteral("TOP without a number"));
        }
        if (last + 1 < size(s) && (isKw(s[last + 1], "PERCENT") || isKw(s[last + 1], "WITH")))
            unsupported(QStringLiteral("TOP ... %1").arg(s[last + 1].text.toUpper()));
        // LIMIT would bind to the whole compound: refuse TOP in a UNION branch.
        int depth = 0;
        for (int j = k - 1; j >= 0 && depth >= 0; --j) {
            if (isPunct(s[j], ')')) ++depth;
            if (isPunct(s[j], '(')) --depth;
            if (depth == 0 && isSetOperator(s[j])) unsupported(QStringLiteral("TOP with UNION"));
        }
        const int end = levelEnd(s, last + 1);
        s.insert(s.begin() + end,
                 synth(TokenKind::Word, QStringLiteral("LIMIT ") + count, QStringLiteral(" ")));
        if (last + 1 < size(s)) s[last + 1].lead = s[t].lead + s[last + 1].lead;
        s.erase(s.begin() + t, s.begin() + last + 1);
    }
}

}  // namespace engine
