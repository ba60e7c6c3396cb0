#pragma once

#include <QFont>
#include <QStringList>

namespace mes::reports {

// The printer's font 0 has glyphs for printable ASCII only. Every text field
// "^FTx,y^A0N,h,w^FH\^FD...^FS" whose text has any other character is drawn here
// in the terminal's Korean font at the field's place and size and sent as a
// graphic field ("^FO...^GFA...^FS") in its place; every other line stays as it
// is. A text that would run into a rule or the frame is made narrower (and, past
// half its width, smaller) so that it ends before it.
QStringList gfLABEL_PRINTABLE_LINES(const QStringList& lines);

// The face that stands for font 0 at a cell height, and the horizontal scale
// that gives it the cell width w (font 0 is condensed: a digit advances about
// 0.55 of w). The preview draws plain text with the same.
QFont gfLABEL_FONT(int height);
qreal gfLABEL_FONT_SCALE(const QFont& font, int width);

}  // namespace mes::reports
