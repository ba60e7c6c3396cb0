#include "engine/UpdateFrom.h"

#include "engine/Tokenizer.h"

namespace engine {

namespace {

QString nameOf(const Piece& p) { return identifierName(Token{p.kind, p.text, 0}); }

struct TableRef {
    int first = 0, last = 0;  // the pieces of the reference
    QString name;             // table name ("" for a derived table)
    QString alias;
};

bool isJoinWord(const Piece& p) {
    for (const char* k : {"JOIN", "INNER", "LEFT", "RIGHT", "FULL", "CROSS", "OUTER"}) {
        if (isKw(p, k)) return true;
    }
    return false;
}

TableRef parseRef(const Pieces& s, int& i, int end) {
    TableRef ref;
    ref.first = i;
    if (isPunct(s[i], '(')) {
        i = closeParen(s, i) + 1;
    } else {
        while (i + 2 <= end && isOp(s[i + 1], ".")) i += 2;
        ref.name = nameOf(s[i]);
        ++i;
    }
    if (i <= end && isKw(s[i], "AS")) ++i;
    if (i <= end && isIdentifier(s[i]) && !isJoinWord(s[i])) ref.alias = nameOf(s[i++]);
    ref.last = i - 1;
    return ref;
}

// Pieces of s[first..last] with the first lead replaced.
Pieces copy(const Pieces& s, int first, int last, const QString& lead) {
    Pieces out(s.begin() + first, s.begin() + last + 1);
    if (!out.empty()) out.front().lead = lead;
    return out;
}

}  // namespace

QString rewriteUpdateFrom(Pieces& s, int set, int from) {
    const QString target = nameOf(s[1]);
    int depth = 0, where = -1;
    for (int j = from + 1; j < static_cast<int>(s.size()) && where < 0; ++j) {
        if (isPunct(s[j], '(')) ++depth;
        if (isPunct(s[j], ')')) --depth;
        if (depth == 0 && isKw(s[j], "WHERE")) where = j;
    }
    const int end = (where >= 0 ? where : static_cast<int>(s.size())) - 1;

    std::vector<TableRef> refs;
    std::vector<std::pair<int, int>> conditions;
    int i = from + 1;
    refs.push_back(parseRef(s, i, end));
    while (i <= end) {
        if (isPunct(s[i], ',')) {
            ++i;
        } else if (isKw(s[i], "JOIN") ||
                   (isKw(s[i], "INNER") && i + 1 <= end && isKw(s[i + 1], "JOIN"))) {
            i += isKw(s[i], "INNER") ? 2 : 1;
        } else if (isJoinWord(s[i])) {
            unsupported(QStringLiteral("UPDATE ... FROM with %1 JOIN").arg(s[i].text.toUpper()));
        } else {
            unsupported(QStringLiteral("UPDATE ... FROM ... %1").arg(s[i].text));
        }
        refs.push_back(parseRef(s, i, end));
        if (i <= end && isKw(s[i], "ON")) {
            const int start = ++i;
            int d = 0;
            while (i <= end && !(d == 0 && (isJoinWord(s[i]) || isPunct(s[i], ',')))) {
                if (isPunct(s[i], '(')) ++d;
                if (isPunct(s[i], ')')) --d;
                ++i;
            }
            conditions.emplace_back(start, i - 1);
        }
    }

    // The reference that names the target: by alias, else by table name.
    int hit = -1;
    for (int k = 0; k < static_cast<int>(refs.size()) && hit < 0; ++k) {
        if (refs[k].alias.compare(target, Qt::CaseInsensitive) == 0) hit = k;
    }
    for (int k = 0; k < static_cast<int>(refs.size()) && hit < 0; ++k) {
        if (refs[k].alias.isEmpty() && refs[k].name.compare(target, Qt::CaseInsensitive) == 0)
            hit = k;
    }
    if (hit < 0) {
        // A target outside FROM joins every row of FROM, as SQLite's UPDATE ... FROM does.
        if (refs.size() > 1)
            unsupported(QStringLiteral("UPDATE ... FROM with joins not naming the target"));
        return target;
    }
    const TableRef& t = refs[hit];
    if (t.name.isEmpty()) unsupported(QStringLiteral("UPDATE of a derived table"));

    Pieces out{s[0], synth(TokenKind::Quoted, u'"' + t.name + u'"', s[1].lead)};
    if (!t.alias.isEmpty()) {
        out.push_back(synth(TokenKind::Word, QStringLiteral("AS"), QStringLiteral(" ")));
        out.push_back(synth(TokenKind::Quoted, u'"' + t.alias + u'"', QStringLiteral(" ")));
    }
    const Pieces setPart = copy(s, set, from - 1, s[set].lead);
    out.insert(out.end(), setPart.begin(), setPart.end());
    bool first = true;
    for (int k = 0; k < static_cast<int>(refs.size()); ++k) {
        if (k == hit) continue;
        out.push_back(first ? synth(TokenKind::Word, QStringLiteral("FROM"), s[from].lead)
                            : synth(TokenKind::Punct, QStringLiteral(",")));
        const Pieces ref = copy(s, refs[k].first, refs[k].last, QStringLiteral(" "));
        out.insert(out.end(), ref.begin(), ref.end());
        first = false;
    }
    // Join conditions and the original condition, each in parentheses.
    std::vector<std::pair<int, int>> filters = conditions;
    if (where >= 0) filters.emplace_back(where + 1, static_cast<int>(s.size()) - 1);
    for (size_t k = 0; k < filters.size(); ++k) {
        out.push_back(k == 0 ? synth(TokenKind::Word, QStringLiteral("WHERE"),
                                     where >= 0 ? s[where].lead : QStringLiteral(" "))
                             : synth(TokenKind::Word, QStringLiteral("AND"), QStringLiteral(" ")));
        out.push_back(synth(TokenKind::Punct, QStringLiteral("("), QStringLiteral(" ")));
        const Pieces cond = copy(s, filters[k].first, filters[k].second, s[filters[k].first].lead);
        out.insert(out.end(), cond.begin(), cond.end());
        out.push_back(synth(TokenKind::Punct, QStringLiteral(")")));
    }
    s = std::move(out);
    return t.name;
}

}  // namespace engine
