#pragma once

#include <QImage>
#include <QString>

namespace mes::reports {

// A 1-bit picture as a ZPL graphic field, "^GFA,total,total,bytesPerRow,data" in
// the printer's ASCII hex compression (repeat counts G..Y and g..z, ',' to end a
// row in white, ':' to repeat the row above). A pixel darker than mid-grey prints.
QString gfZPL_GRAPHIC(const QImage& picture);

// The picture of a graphic field's parameters (what follows "^GF": "A,b,c,d,data"),
// one dot per pixel, black on white; '!' ends a row in black. Null when the compression is not A,
// the data holds a character the compression does not know, or its bytes after decompression are
// not the count both byte-count fields give.
QImage gfZPL_GRAPHIC_PICTURE(const QString& parameters);

}  // namespace mes::reports
