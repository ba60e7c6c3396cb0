#include "engine/TokenCursor.h"

#include <sqlite3.h>

#include "engine/EngineError.h"
#include "engine/Tokenizer.h"

namespace engine {

TokenCursor::TokenCursor(const Tokens& tokens) {
    for (const Token& t : tokens) {
        if (t.kind != TokenKind::Space && t.kind != TokenKind::Comment) t_.push_back(&t);
    }
    end_ = Token{TokenKind::Punct, QString(),
                 t_.empty() ? 0 : t_.back()->pos + int(t_.back()->text.size())};
}

const Token& TokenCursor::peek(int k) const {
    const int at = i_ + k;
    return at < static_cast<int>(t_.size()) ? *t_[at] : end_;
}

const Token& TokenCursor::take() {
    const Token& t = peek();
    if (!atEnd()) ++i_;
    return t;
}

int TokenCursor::lastEnd() const {
    if (i_ == 0) return 0;
    const Token& t = *t_[i_ - 1];
    return t.pos + static_cast<int>(t.text.size());
}

bool TokenCursor::atKeyword(const char* keyword, int k) const {
    return isKeyword(peek(k), keyword);
}

bool TokenCursor::atPunct(char c, int k) const {
    const Token& t = peek(k);
    return t.kind == TokenKind::Punct && t.text.size() == 1 && t.text[0] == QLatin1Char(c);
}

bool TokenCursor::atOperator(const char* op, int k) const {
    const Token& t = peek(k);
    return t.kind == TokenKind::Operator && t.text == QLatin1String(op);
}

bool TokenCursor::skipKeyword(const char* keyword) {
    if (!atKeyword(keyword)) return false;
    ++i_;
    return true;
}

bool TokenCursor::skipPunct(char c) {
    if (!atPunct(c)) return false;
    ++i_;
    return true;
}

void TokenCursor::expectKeyword(const char* keyword) {
    if (!skipKeyword(keyword)) syntaxError();
}

void TokenCursor::expectPunct(char c) {
    if (!skipPunct(c)) syntaxError();
}

void TokenCursor::syntaxError() const {
    if (atEnd())
        throw EngineError(SQLITE_ERROR,
                          QStringLiteral("Incorrect syntax near the end of the batch."));
    throw EngineError(SQLITE_ERROR, QStringLiteral("Incorrect syntax near '%1' (at character %2).")
                                        .arg(peek().text)
                                        .arg(peek().pos));
}

void TokenCursor::unsupportedHere(const QString& what) const { unsupportedAt(what, pos()); }

}  // namespace engine
