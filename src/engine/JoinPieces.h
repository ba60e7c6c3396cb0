#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "engine/Pieces.h"

namespace engine {

// Helpers of the join rewrites: they read a statement's FROM clause as pieces.

QString pieceName(const Piece& p);  // an identifier without brackets or quotes
bool sameName(const Piece& p, const QString& name);

// The last piece of the ON condition that starts at on (the ON keyword): before
// the next join, clause or the end of the level.
int onConditionEnd(const Pieces& s, int on);

// Top-level AND terms of s[from..to]; empty when an OR stands at the top level.
std::vector<std::pair<int, int>> conjuncts(const Pieces& s, int from, int to);

// alias.column at i (three pieces); the alias and the column.
bool isQualifiedColumn(const Pieces& s, int i, int last);

// s[from..to] copied, the first piece led by one blank.
Pieces copyPieces(const Pieces& s, int from, int to);
Pieces tsqlPieces(const QString& text);  // tokenized T-SQL, rewritten like the statement's

// Whether an identifier named name stands in s[from..to].
bool namesIdentifier(const Pieces& s, int from, int to, const QString& name);

// Replaces ranges [first, last] (not overlapping) by pieces, last range first.
struct PieceEdit {
    int first;
    int last;
    Pieces with;
};
void applyEdits(Pieces& s, std::vector<PieceEdit> edits);

}  // namespace engine
