#include "engine/TableDefinition.h"

#include "engine/Value.h"

namespace engine {

namespace {

bool endsType(const Piece& p) {
    for (const char* k : {"NOT", "NULL", "PRIMARY", "DEFAULT", "UNIQUE", "CHECK", "REFERENCES",
                          "COLLATE", "IDENTITY", "CONSTRAINT"}) {
        if (isKw(p, k)) return true;
    }
    return p.kind != TokenKind::Word;
}

bool startsConstraint(const Piece& p) {
    for (const char* k : {"CONSTRAINT", "PRIMARY", "UNIQUE", "FOREIGN", "CHECK", "INDEX"}) {
        if (isKw(p, k)) return true;
    }
    return false;
}

}  // namespace

void collateTextColumns(Pieces& s) {
    const int n = static_cast<int>(s.size());
    if (n < 4 || !isKw(s[0], "CREATE") || !isKw(s[1], "TABLE")) return;
    int open = 2;
    while (open < n && !isPunct(s[open], '(')) ++open;
    if (open >= n) return;
    const auto items = splitTopLevel(s, open + 1, closeParen(s, open) - 1);
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        const auto [first, last] = *it;
        if (startsConstraint(s[first])) continue;
        int typeEnd = first;
        while (typeEnd + 1 <= last && !endsType(s[typeEnd + 1])) ++typeEnd;
        if (typeEnd == first) continue;
        if (typeEnd + 1 <= last && isPunct(s[typeEnd + 1], '('))
            typeEnd = closeParen(s, typeEnd + 1);
        if (!parseTypeSpec(joinPieces(s, first + 1, typeEnd)).isText()) continue;
        bool collated = false;
        for (int j = typeEnd + 1; j <= last; ++j) collated = collated || isKw(s[j], "COLLATE");
        if (!collated)
            s.insert(s.begin() + typeEnd + 1,
                     synth(TokenKind::Word, QStringLiteral("COLLATE CI_AS"), QStringLiteral(" ")));
    }
}

}  // namespace engine
