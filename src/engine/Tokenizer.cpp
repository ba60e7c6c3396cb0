#include "engine/Tokenizer.h"

#include <sqlite3.h>

#include "engine/EngineError.h"

namespace engine {

namespace {

bool isWordStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isWordPart(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$' || c == u'#' || c == u'@';
}

[[noreturn]] void fail(const QString& what, int pos) {
    throw EngineError(SQLITE_ERROR,
                      QStringLiteral("%1 starting at character %2").arg(what).arg(pos + 1));
}

// End (exclusive) of a run closed by `closer`, where a doubled closer stands for itself.
int closedRun(const QString& s, int from, QChar closer, const QString& what, int start) {
    int i = from;
    while (true) {
        if (i >= s.size()) fail(what, start);
        if (s[i] == closer) {
            if (i + 1 < s.size() && s[i + 1] == closer) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
}

int numberEnd(const QString& s, int i) {
    const int n = s.size();
    while (i < n && s[i].isDigit()) ++i;
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && s[i].isDigit()) ++i;
    }
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        int j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-')) ++j;
        if (j < n && s[j].isDigit()) {
            while (j < n && s[j].isDigit()) ++j;
            i = j;
        }
    }
    return i;
}

}  // namespace

Tokens tokenize(const QString& s) {
    Tokens out;
    const int n = s.size();
    int i = 0;
    auto push = [&](TokenKind kind, int start, int end) {
        out.push_back(Token{kind, s.mid(start, end - start), start});
    };
    while (i < n) {
        const int start = i;
        const QChar c = s[i];
        const QChar next = i + 1 < n ? s[i + 1] : QChar();
        if (c.isSpace()) {
            while (i < n && s[i].isSpace()) ++i;
            push(TokenKind::Space, start, i);
        } else if (c == u'-' && next == u'-') {
            while (i < n && s[i] != u'\n' && s[i] != u'\r') ++i;
            push(TokenKind::Comment, start, i);
        } else if (c == u'/' && next == u'*') {
            int depth = 0;
            while (true) {
                if (i >= n) fail(QStringLiteral("unterminated comment"), start);
                if (s[i] == u'/' && i + 1 < n && s[i + 1] == u'*') {
                    ++depth;
                    i += 2;
                } else if (s[i] == u'*' && i + 1 < n && s[i + 1] == u'/') {
                    i += 2;
                    if (--depth == 0) break;
                } else {
                    ++i;
                }
            }
            push(TokenKind::Comment, start, i);
        } else if ((c == u'N' || c == u'n') && next == u'\'') {
            i = closedRun(s, i + 2, u'\'', QStringLiteral("unterminated string"), start);
            push(TokenKind::NString, start, i);
        } else if (c == u'\'') {
            i = closedRun(s, i + 1, u'\'', QStringLiteral("unterminated string"), start);
            push(TokenKind::String, start, i);
        } else if (c == u'[') {
            i = closedRun(s, i + 1, u']', QStringLiteral("unterminated [identifier]"), start);
            push(TokenKind::Bracketed, start, i);
        } else if (c == u'"') {
            i = closedRun(s, i + 1, u'"', QStringLiteral("unterminated \"identifier\""), start);
            push(TokenKind::Quoted, start, i);
        } else if (c.isDigit() || (c == u'.' && next.isDigit())) {
            i = numberEnd(s, i);
            push(TokenKind::Number, start, i);
        } else if (isWordStart(c)) {
            while (i < n && isWordPart(s[i])) ++i;
            push(TokenKind::Word, start, i);
        } else if (c == u'#' || c == u'@') {
            ++i;
            while (i < n && (s[i] == c)) ++i;
            while (i < n && isWordPart(s[i])) ++i;
            push(c == u'#' ? TokenKind::TempName : TokenKind::Variable, start, i);
        } else if (c == u'(' || c == u')' || c == u',' || c == u';') {
            ++i;
            push(TokenKind::Punct, start, i);
        } else {
            static const char* const twoChar[] = {"<=", ">=", "<>", "!=", "!<", "!>"};
            int len = 1;
            for (const char* op : twoChar) {
                if (c == QLatin1Char(op[0]) && next == QLatin1Char(op[1])) len = 2;
            }
            i += len;
            push(TokenKind::Operator, start, i);
        }
    }
    return out;
}

QString joinTokens(const Tokens& tokens) {
    QString out;
    for (const Token& t : tokens) out += t.text;
    return out;
}

QString identifierName(const Token& t) {
    switch (t.kind) {
        case TokenKind::Bracketed:
            return t.text.mid(1, t.text.size() - 2)
                .replace(QStringLiteral("]]"), QStringLiteral("]"));
        case TokenKind::Quoted:
            return t.text.mid(1, t.text.size() - 2)
                .replace(QStringLiteral("\"\""), QStringLiteral("\""));
        default:
            return t.text;
    }
}

QString stringValue(const Token& t) {
    const int open = t.kind == TokenKind::NString ? 2 : 1;
    return t.text.mid(open, t.text.size() - open - 1)
        .replace(QStringLiteral("''"), QStringLiteral("'"));
}

bool isKeyword(const Token& t, const char* keyword) {
    return t.kind == TokenKind::Word &&
           t.text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

}  // namespace engine
