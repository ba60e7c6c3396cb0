#pragma once

#include <QString>
#include <QVariantMap>

namespace mes {

// The process move ticket of a results row: the checks, the hand-off row, the
// two-up tag read back from it; the hand-off table is emptied before the tag shows.
class MoveTicket {
  public:
    struct Row {
        QString opSeqSub;
        QString processName;
        QString carName;
        QString goodQty;
        QString finishDate;
        QString productCode;
        QString pumbun;
        QString productName;
        QString employeeName;
    };

    // True when a tag was shown.
    static bool run(const Row& row, const QString& location);
    // Where the preview's PDF button writes; tests point it at their folder.
    static QString pdfFolder();
    static void setPdfFolder(const QString& folder);
};

}  // namespace mes
