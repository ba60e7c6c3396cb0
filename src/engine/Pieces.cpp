#include "engine/Pieces.h"

#include <sqlite3.h>

#include "engine/EngineError.h"
#include "engine/Keywords.h"

namespace engine {

Pieces toPieces(const Tokens& tokens) {
    Pieces out;
    QString lead;
    for (const Token& t : tokens) {
        if (t.kind == TokenKind::Space) {
            lead += t.text;
        } else if (t.kind == TokenKind::Comment) {
            lead += QLatin1Char(' ');
        } else {
            out.push_back(Piece{t.kind, t.text, lead});
            out.back().pos = t.pos;
            lead.clear();
        }
    }
    return out;
}

QString joinPieces(const Pieces& s, int from, int to) {
    if (to < 0) to = static_cast<int>(s.size()) - 1;
    QString out;
    for (int i = from; i <= to; ++i) {
        if (i != from) out += s[i].lead;
        out += s[i].text;
    }
    return out;
}

Piece synth(TokenKind kind, const QString& text, const QString& lead) {
    Piece p{kind, text, lead};
    p.synthetic = true;
    return p;
}

int wrapCall(Pieces& s, int from, int to, const QString& fn, const QStringList& extras) {
    Pieces tail;
    for (const QString& extra : extras) {
        tail.push_back(synth(TokenKind::Punct, QStringLiteral(",")));
        tail.push_back(synth(TokenKind::String, extra, QStringLiteral(" ")));
    }
    tail.push_back(synth(TokenKind::Punct, QStringLiteral(")")));
    s.insert(s.begin() + to + 1, tail.begin(), tail.end());
    const Pieces head{synth(TokenKind::Word, fn, s[from].lead),
                      synth(TokenKind::Punct, QStringLiteral("("))};
    s[from].lead.clear();
    s.insert(s.begin() + from, head.begin(), head.end());
    return to + 2 + static_cast<int>(tail.size());
}

int wrapCall(Pieces& s, int from, int to, const QString& fn, const QString& extra) {
    return wrapCall(s, from, to, fn, extra.isEmpty() ? QStringList() : QStringList{extra});
}

bool isKw(const Piece& p, const char* keyword) {
    // Keywords are ASCII letters: the first letter and the length settle most misses.
    if (p.kind != TokenKind::Word || p.text.isEmpty() ||
        (p.text[0].unicode() | 0x20) != (static_cast<unsigned char>(keyword[0]) | 0x20))
        return false;
    const QLatin1String k(keyword);
    return p.text.size() == k.size() && p.text.compare(k, Qt::CaseInsensitive) == 0;
}

bool isSetOperator(const Piece& p) {
    return p.kind == TokenKind::Word && isSetOperatorWord(p.text);
}

bool isPunct(const Piece& p, char c) {
    return p.kind == TokenKind::Punct && p.text.size() == 1 && p.text[0] == QLatin1Char(c);
}

bool isOp(const Piece& p, const char* op) {
    return p.kind == TokenKind::Operator && p.text == QLatin1String(op);
}

bool isIdentifier(const Piece& p) {
    if (p.kind == TokenKind::Bracketed || p.kind == TokenKind::Quoted ||
        p.kind == TokenKind::TempName)
        return true;
    if (p.kind != TokenKind::Word) return false;
    return !isReservedWord(p.text);
}

bool endsOperand(const Piece& p) {
    return isPunct(p, ')') || isIdentifier(p) || p.kind == TokenKind::String ||
           p.kind == TokenKind::NString || p.kind == TokenKind::Number || isKw(p, "END") ||
           isKw(p, "NULL");
}

int closeParen(const Pieces& s, int i) {
    int depth = 0;
    for (int j = i; j < static_cast<int>(s.size()); ++j) {
        if (isPunct(s[j], '(')) ++depth;
        if (isPunct(s[j], ')') && --depth == 0) return j;
    }
    unsupported(QStringLiteral("unbalanced parentheses"));
}

int openParen(const Pieces& s, int i) {
    int depth = 0;
    for (int j = i; j >= 0; --j) {
        if (isPunct(s[j], ')')) ++depth;
        if (isPunct(s[j], '(') && --depth == 0) return j;
    }
    unsupported(QStringLiteral("unbalanced parentheses"));
}

int caseEnd(const Pieces& s, int i) {
    int depth = 0;
    for (int j = i; j < static_cast<int>(s.size()); ++j) {
        if (isKw(s[j], "CASE")) ++depth;
        if (isKw(s[j], "END") && --depth == 0) return j;
    }
    unsupported(QStringLiteral("CASE without END"));
}

int caseStart(const Pieces& s, int i) {
    int depth = 0;
    for (int j = i; j >= 0; --j) {
        if (isKw(s[j], "END")) ++depth;
        if (isKw(s[j], "CASE") && --depth == 0) return j;
    }
    unsupported(QStringLiteral("END without CASE"));
}

namespace {

bool isMultiplicative(const Piece& p) { return isOp(p, "*") || isOp(p, "/") || isOp(p, "%"); }
bool isAdditive(const Piece& p) { return isOp(p, "+") || isOp(p, "-"); }

// Start of the primary (name chain, literal, call, group, CASE) that ends at j.
int primaryStart(const Pieces& s, int j) {
    if (isPunct(s[j], ')')) {
        int k = openParen(s, j);
        if (k > 0 && (isIdentifier(s[k - 1]) || isKw(s[k - 1], "LEFT") || isKw(s[k - 1], "RIGHT")))
            return k - 1;
        return k;
    }
    if (isKw(s[j], "END")) return caseStart(s, j);
    while (j >= 2 && isOp(s[j - 1], ".") && (isIdentifier(s[j - 2]) || isOp(s[j - 2], "."))) j -= 2;
    while (j >= 1 && isOp(s[j - 1], ".")) --j;  // "TEMPDB..x"
    return j;
}

int primaryEnd(const Pieces& s, int j) {
    const int n = static_cast<int>(s.size());
    if (isPunct(s[j], '(')) return closeParen(s, j);
    if (isKw(s[j], "CASE")) return caseEnd(s, j);
    if ((isIdentifier(s[j]) || isKw(s[j], "LEFT") || isKw(s[j], "RIGHT")) && j + 1 < n &&
        isPunct(s[j + 1], '('))
        return closeParen(s, j + 1);
    while (j + 2 < n && isOp(s[j + 1], ".") && (isIdentifier(s[j + 2]) || isOp(s[j + 2], ".")))
        j += 2;
    return j;
}

}  // namespace

int operandStart(const Pieces& s, int op, bool additive) {
    int j = op - 1;
    while (true) {
        if (j < 0 || !endsOperand(s[j]))
            unsupported(QStringLiteral("operator %1 without a left operand").arg(s[op].text));
        int start = primaryStart(s, j);
        // A unary sign belongs to the operand.
        while (start > 0 && isAdditive(s[start - 1]) && (start == 1 || !endsOperand(s[start - 2])))
            --start;
        if (start > 0 &&
            (isMultiplicative(s[start - 1]) || (additive && isAdditive(s[start - 1])))) {
            j = start - 2;
            continue;
        }
        return start;
    }
}

int operandEnd(const Pieces& s, int op, bool additive) {
    const int n = static_cast<int>(s.size());
    int j = op + 1;
    while (true) {
        while (j < n && (isAdditive(s[j]) || isOp(s[j], "~"))) ++j;  // unary signs
        if (j >= n)
            unsupported(QStringLiteral("operator %1 without a right operand").arg(s[op].text));
        const int end = primaryEnd(s, j);
        if (end + 1 < n && (isMultiplicative(s[end + 1]) || (additive && isAdditive(s[end + 1])))) {
            j = end + 2;
            continue;
        }
        return end;
    }
}

int factorEnd(const Pieces& s, int op) {
    const int n = static_cast<int>(s.size());
    int j = op + 1;
    while (j < n && (isAdditive(s[j]) || isOp(s[j], "~"))) ++j;
    if (j >= n) unsupported(QStringLiteral("operator %1 without a right operand").arg(s[op].text));
    return primaryEnd(s, j);
}

bool beginsOperand(const Piece& p) {
    return isPunct(p, '(') || isIdentifier(p) || p.kind == TokenKind::String ||
           p.kind == TokenKind::NString || p.kind == TokenKind::Number || isKw(p, "CASE") ||
           isKw(p, "NULL") || isKw(p, "LEFT") || isKw(p, "RIGHT") || isAdditive(p) || isOp(p, "~");
}

std::vector<std::pair<int, int>> splitTopLevel(const Pieces& s, int from, int to) {
    std::vector<std::pair<int, int>> out;
    int depth = 0, start = from;
    for (int j = from; j <= to; ++j) {
        if (isPunct(s[j], '(') || isKw(s[j], "CASE")) ++depth;
        if (isPunct(s[j], ')') || isKw(s[j], "END")) --depth;
        if (depth == 0 && isPunct(s[j], ',')) {
            out.emplace_back(start, j - 1);
            start = j + 1;
        }
    }
    if (start <= to) out.emplace_back(start, to);
    return out;
}

void unsupported(const QString& what) {
    throw EngineError(SQLITE_ERROR,
                      QStringLiteral("not supported by the embedded engine: %1").arg(what));
}

void unsupportedAt(const QString& what, int pos) {
    unsupported(QStringLiteral("%1 (at character %2)").arg(what).arg(pos));
}

}  // namespace engine
