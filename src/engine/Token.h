#pragma once

#include <QString>
#include <vector>

namespace engine {

// Lexical classes of T-SQL text. Spacing and comments are tokens too, so that
// joining the tokens gives the text back unchanged.
enum class TokenKind {
    Space,      // blanks, tabs, line ends
    Comment,    // -- to the line end, or /* ... */ (nested)
    Word,       // identifier or keyword, Hangul included
    Bracketed,  // [identifier], ]] inside
    Quoted,     // "identifier", "" inside
    String,     // 'text', '' inside
    NString,    // N'text'
    Number,     // 12, 1.5, .5, 1e3
    TempName,   // #local or ##global temporary table
    Variable,   // @name or @@name
    Operator,   // + - * / % = < > <= >= <> != !< !> & | ^ ~ .
    Punct,      // ( ) , ;
};

struct Token {
    TokenKind kind;
    QString text;  // exactly as written
    int pos = 0;   // offset of the first character in the input
};

using Tokens = std::vector<Token>;

}  // namespace engine
