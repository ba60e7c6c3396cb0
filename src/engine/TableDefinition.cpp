#include "engine/TableDefinition.h"

#include <vector>

#include "engine/Tokenizer.h"
#include "engine/Value.h"

namespace engine {

namespace {

bool isWord(const Token& t, const char* keyword) { return isKeyword(t, keyword); }

bool isPunct(const Token& t, char c) {
    return t.kind == TokenKind::Punct && t.text == QLatin1Char(c);
}

bool endsType(const Token& t) {
    for (const char* k : {"NOT", "NULL", "PRIMARY", "DEFAULT", "UNIQUE", "CHECK", "REFERENCES",
                          "COLLATE", "IDENTITY", "CONSTRAINT"}) {
        if (isWord(t, k)) return true;
    }
    return t.kind != TokenKind::Word;
}

bool startsConstraint(const Token& t) {
    for (const char* k : {"CONSTRAINT", "PRIMARY", "UNIQUE", "FOREIGN", "CHECK", "INDEX"}) {
        if (isWord(t, k)) return true;
    }
    return false;
}

// The significant tokens of a definition, by index into its tokens.
class Definition {
  public:
    explicit Definition(const QString& text) : tokens_(tokenize(text)) {
        for (int i = 0; i < static_cast<int>(tokens_.size()); ++i) {
            const TokenKind k = tokens_[i].kind;
            if (k != TokenKind::Space && k != TokenKind::Comment) sig_.push_back(i);
        }
        suffix_.resize(tokens_.size());
    }

    void collateTextColumns() {
        const int n = size();
        if (n < 4 || !isWord(at(0), "CREATE") || !isWord(at(1), "TABLE")) return;
        int open = 2;
        while (open < n && !isPunct(at(open), '(')) ++open;
        if (open >= n) return;
        for (auto [first, last] : items(open + 1, close(open) - 1)) {
            if (startsConstraint(at(first))) continue;
            int typeEnd = first;
            while (typeEnd + 1 <= last && !endsType(at(typeEnd + 1))) ++typeEnd;
            if (typeEnd == first) continue;
            if (typeEnd + 1 <= last && isPunct(at(typeEnd + 1), '(')) typeEnd = close(typeEnd + 1);
            QString type;
            for (int j = first + 1; j <= typeEnd; ++j) type += at(j).text;
            if (!parseTypeSpec(type).isText()) continue;
            bool collated = false;
            for (int j = typeEnd + 1; j <= last; ++j)
                collated = collated || isWord(at(j), "COLLATE");
            if (!collated) suffix_[sig_[typeEnd]] = QStringLiteral(" COLLATE CI_AS");
        }
    }

    QString sql() const {
        QString out;
        for (size_t i = 0; i < tokens_.size(); ++i) {
            const Token& t = tokens_[i];
            switch (t.kind) {
                case TokenKind::Comment:
                    out += u' ';
                    break;
                case TokenKind::NString:
                    out += t.text.mid(1);
                    break;
                case TokenKind::TempName:
                case TokenKind::Bracketed:
                    out += u'"' + identifierName(t).replace(u'"', QStringLiteral("\"\"")) + u'"';
                    break;
                default:
                    out += t.text;
            }
            out += suffix_[i];
        }
        return out.trimmed();
    }

  private:
    int size() const { return static_cast<int>(sig_.size()); }
    const Token& at(int k) const { return tokens_[sig_[k]]; }

    int close(int open) const {
        int depth = 0;
        for (int k = open; k < size(); ++k) {
            if (isPunct(at(k), '(')) ++depth;
            if (isPunct(at(k), ')') && --depth == 0) return k;
        }
        return size() - 1;
    }

    // The comma-separated ranges [first, last] of from..to at its own level.
    std::vector<std::pair<int, int>> items(int from, int to) const {
        std::vector<std::pair<int, int>> out;
        int depth = 0, start = from;
        for (int k = from; k <= to; ++k) {
            if (isPunct(at(k), '(')) ++depth;
            if (isPunct(at(k), ')')) --depth;
            if (depth == 0 && isPunct(at(k), ',')) {
                if (start <= k - 1) out.emplace_back(start, k - 1);
                start = k + 1;
            }
        }
        if (start <= to) out.emplace_back(start, to);
        return out;
    }

    Tokens tokens_;
    std::vector<int> sig_;
    std::vector<QString> suffix_;
};

}  // namespace

QString definitionSql(const QString& text) {
    Definition d(text);
    d.collateTextColumns();
    return d.sql();
}

}  // namespace engine
