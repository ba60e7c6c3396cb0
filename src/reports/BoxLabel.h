#pragma once

#include <QStringList>

namespace mes::reports {

enum class PackSize { Small, Large };

// What one box label carries, as text.
struct BoxLabel {
    QString printCount;
    QString boxQty;
    QString opSeqSub;     // production result number, the barcode
    QString productName;  // "NULL" when the master has none
    QString controlNo;    // pumbun
    QString partNo;       // culha_pumbun
    QString lot;          // at most 7 characters
};

// The command lines of one label job, in the order they are sent.
QStringList gfLABEL_LINES(const BoxLabel& label, PackSize size);
// The product master's empty values as the label prints them.
QString gfLABEL_TEXT(const QString& value);

}  // namespace mes::reports
