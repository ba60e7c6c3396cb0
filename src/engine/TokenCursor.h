#pragma once

#include "engine/Token.h"

namespace engine {

// The significant tokens of a batch (spacing and comments dropped), read front
// to back by the parser. The tokens must outlive the cursor.
class TokenCursor {
  public:
    explicit TokenCursor(const Tokens& tokens);

    bool atEnd() const { return i_ >= static_cast<int>(t_.size()); }
    // The token k ahead; an empty Punct at the end.
    const Token& peek(int k = 0) const;
    const Token& take();
    int pos() const { return peek().pos; }
    // Where the last token taken ends.
    int lastEnd() const;

    bool atKeyword(const char* keyword, int k = 0) const;
    bool atPunct(char c, int k = 0) const;
    bool atOperator(const char* op, int k = 0) const;
    // Takes the keyword, punctuation or operator when it is next.
    bool skipKeyword(const char* keyword);
    bool skipPunct(char c);
    // Takes it or fails with SQL Server's "Incorrect syntax near" the token.
    void expectKeyword(const char* keyword);
    void expectPunct(char c);

    [[noreturn]] void syntaxError() const;
    // "not supported by the embedded engine: " what, at the current token.
    [[noreturn]] void unsupportedHere(const QString& what) const;

  private:
    std::vector<const Token*> t_;
    int i_ = 0;
    Token end_;
};

}  // namespace engine
