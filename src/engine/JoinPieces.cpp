#include "engine/JoinPieces.h"

#include <algorithm>

#include "engine/Clauses.h"
#include "engine/Tokenizer.h"

namespace engine {

QString pieceName(const Piece& p) { return identifierName(Token{p.kind, p.text, 0}); }

bool sameName(const Piece& p, const QString& name) {
    return isIdentifier(p) && pieceName(p).compare(name, Qt::CaseInsensitive) == 0;
}

int onConditionEnd(const Pieces& s, int on) {
    int end = static_cast<int>(s.size());
    const int next = findTopOrSet(s, on + 1,
                                  {"JOIN", "LEFT", "RIGHT", "INNER", "FULL", "CROSS", "WHERE",
                                   "GROUP", "ORDER", "HAVING", "OPTION"},
                                  &end);
    return (next >= 0 ? next : end) - 1;
}

std::vector<std::pair<int, int>> conjuncts(const Pieces& s, int from, int to) {
    std::vector<std::pair<int, int>> out;
    int depth = 0, start = from;
    bool between = false;
    for (int j = from; j <= to; ++j) {
        if (isPunct(s[j], '(') || isKw(s[j], "CASE")) ++depth;
        if (isPunct(s[j], ')') || isKw(s[j], "END")) --depth;
        if (depth != 0) continue;
        if (isKw(s[j], "OR")) return {};
        if (isKw(s[j], "BETWEEN")) between = true;
        if (!isKw(s[j], "AND")) continue;
        if (between) {  // the AND of BETWEEN x AND y
            between = false;
            continue;
        }
        out.emplace_back(start, j - 1);
        start = j + 1;
    }
    out.emplace_back(start, to);
    return out;
}

bool isQualifiedColumn(const Pieces& s, int i, int last) {
    return i + 2 <= last && isIdentifier(s[i]) && isOp(s[i + 1], ".") && isIdentifier(s[i + 2]) &&
           (i + 3 > last || !isOp(s[i + 3], "."));
}

Pieces copyPieces(const Pieces& s, int from, int to) {
    Pieces out(s.begin() + from, s.begin() + to + 1);
    if (!out.empty()) out.front().lead = QStringLiteral(" ");
    return out;
}

Pieces tsqlPieces(const QString& text) {
    Pieces out = toPieces(tokenize(text));
    if (!out.empty()) out.front().lead = QStringLiteral(" ");
    return out;
}

bool namesIdentifier(const Pieces& s, int from, int to, const QString& name) {
    for (int j = from; j <= to; ++j) {
        if (sameName(s[j], name)) return true;
    }
    return false;
}

void applyEdits(Pieces& s, std::vector<PieceEdit> edits) {
    std::sort(edits.begin(), edits.end(),
              [](const PieceEdit& a, const PieceEdit& b) { return a.first > b.first; });
    for (const PieceEdit& e : edits) {
        const QString lead = s[e.first].lead;
        s.erase(s.begin() + e.first, s.begin() + e.last + 1);
        s.insert(s.begin() + e.first, e.with.begin(), e.with.end());
        if (!e.with.empty()) s[e.first].lead = lead.isEmpty() ? QStringLiteral(" ") : lead;
    }
}

}  // namespace engine
