#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "engine/Token.h"
#include "engine/TreeNodes.h"

namespace engine {

// A significant token of a statement with the spacing and comments before it.
// Pieces added by a rewrite are marked synthetic and are not rewritten again.
struct Piece {
    TokenKind kind;
    QString text;
    QString lead;
    bool synthetic = false;
    bool assignment = false;  // the "=" of an UPDATE's SET item
    int pos = -1;             // offset in the batch text; -1 when synthetic
};

using Pieces = std::vector<Piece>;

// Significant tokens with their trivia folded into the next piece's lead; comments
// become a blank so that SQLite never sees T-SQL's nested comments.
Pieces toPieces(const Tokens& tokens);
QString joinPieces(const Pieces& pieces, int from = 0, int to = -1);

Piece synth(TokenKind kind, const QString& text, const QString& lead = QString());

// Wraps s[from..to] in fn( ... , extras) with synthetic pieces (each extra a
// literal's text); returns the new end.
int wrapCall(Pieces& s, int from, int to, const QString& fn, const QStringList& extras);
int wrapCall(Pieces& s, int from, int to, const QString& fn, const QString& extra = QString());

bool isKw(const Piece& p, const char* keyword);
// UNION, EXCEPT or INTERSECT: the operators joining a compound SELECT's parts.
bool isSetOperator(const Piece& p);
bool isPunct(const Piece& p, char c);
bool isOp(const Piece& p, const char* op);
bool isIdentifier(const Piece& p);  // a name, not a reserved word
bool endsOperand(const Piece& p);   // an operand can end with this piece

// Index of the matching ")" for "(" at i (or the reverse), CASE and END likewise.
int closeParen(const Pieces& s, int i);
int openParen(const Pieces& s, int i);
int caseEnd(const Pieces& s, int i);
int caseStart(const Pieces& s, int i);

// Operand bounds of the binary operator at i. With additive false the operand
// stops at + and - (operands of + and -); with true it takes them in
// (operands of a comparison).
int operandStart(const Pieces& s, int op, bool additive);
int operandEnd(const Pieces& s, int op, bool additive);
// End of the right operand of a * / or % at op: its unary signs and one primary,
// so that a chain of them still groups from the left.
int factorEnd(const Pieces& s, int op);
// An operand can begin with this piece.
bool beginsOperand(const Piece& p);

// Top-level comma-separated ranges [first, last] between from and to (inclusive).
std::vector<std::pair<int, int>> splitTopLevel(const Pieces& s, int from, int to);

[[noreturn]] void unsupported(const QString& what);
// The same, naming where in the batch text the construct stands.
[[noreturn]] void unsupportedAt(const QString& what, int pos);

}  // namespace engine
