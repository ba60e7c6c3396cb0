#pragma once

#include <QImage>
#include <QStringList>

namespace mes {

// Draws a label from ZPL command lines: the subset the box labels use (label
// size, field origin and baseline, boxes and rules, scalable font 0, Code 128
// with its subset switch, field data with hex escapes, graphic fields in
// ASCII hex compression). Other commands are
// ignored, so the picture is always what those lines describe.
class ZplRenderer {
  public:
    // One dot per pixel; white where nothing is printed.
    static QImage render(const QStringList& lines);
    // The copies the lines' ^PQ asks for (1 when it gives none).
    static int copies(const QStringList& lines);
};

}  // namespace mes
