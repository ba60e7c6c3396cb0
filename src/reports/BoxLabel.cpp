#include "reports/BoxLabel.h"

namespace mes::reports {

namespace {
constexpr int kLongText = 9;  // longer texts get the narrower font

// Field data under ^FH\: a caret or tilde from the master would start a command
// on the printer, so they and the indicator itself travel as hex escapes.
QString fh(QString v) {
    return v.replace(u'\\', QLatin1String("\\5C"))
        .replace(u'^', QLatin1String("\\5E"))
        .replace(u'~', QLatin1String("\\7E"));
}

}  // namespace

QString gfLABEL_TEXT(const QString& value) {
    return value.isEmpty() ? QStringLiteral("NULL") : value;
}

QStringList gfLABEL_LINES(const BoxLabel& l, PackSize size) {
    const QString fd = QStringLiteral("^FS");
    QStringList out;
    out << QChar(16) + QStringLiteral("CT~~CD,~CC^~CT~")
        << QStringLiteral("^XA~TA000~JSN^LT0^MNW^MTT^PON^PMN^LH0,0^JMA^PR2,2~SD15^JUS^LRN^CI0^XZ")
        << QStringLiteral("^XA") << QStringLiteral("^MMT") << QStringLiteral("^PW799")
        << QStringLiteral("^LL0759") << QStringLiteral("^LS0")
        << QStringLiteral("^FO22,30^GB765,715,8^FS")
        << QStringLiteral("^FT44,99^A0N,73,72^FH\\^FDVORAK CORP^FS")
        << QStringLiteral("^FO25,112^GB755,0,3^FS") << QStringLiteral("^FO25,467^GB755,0,3^FS")
        << QStringLiteral("^FO25,522^GB755,0,3^FS") << QStringLiteral("^FO25,678^GB550,0,3^FS")
        << QStringLiteral("^FO25,181^GB755,0,3^FS")
        << QStringLiteral("^FT55,367^A0N,34,33^FH\\^FDNO^FS")
        << QStringLiteral("^FT35,723^A0N,34,33^FH\\^FDQTY / BOX^FS")
        << QStringLiteral("^FT602,511^A0N,34,33^FH\\^FDJUDGMENT^FS")
        << QStringLiteral("^FT165,511^A0N,34,33^FH\\^FDDELIVERY LOT NO^FS")
        << QStringLiteral("^FT39,316^A0N,34,33^FH\\^FDPART^FS")
        << QStringLiteral("^FT35,163^A0N,34,33^FH\\^FDCONTROL NUMBER^FS")
        << QStringLiteral("^FO123,184^GB0,286,3^FS") << QStringLiteral("^FO303,115^GB0,67,3^FS")
        << QStringLiteral("^FO183,682^GB0,59,3^FS") << QStringLiteral("^FO575,470^GB0,267,3^FS")
        << (size == PackSize::Large ? QStringLiteral("^BY4,3,92^FT230,380^BCN,,N,N")
                                    : QStringLiteral("^BY4,3,92^FT270,380^BCN,,N,N"))
        << QStringLiteral("^FD>;") + l.opSeqSub + fd
        << QStringLiteral("^FT325,165^A0N,50,35^FH\\^FD") + fh(l.controlNo) + fd
        << (l.partNo.size() > kLongText ? QStringLiteral("^FT230,255^A0N,70,50^FH\\^FD")
                                        : QStringLiteral("^FT290,255^A0N,80,60^FH\\^FD")) +
               fh(l.partNo) + fd
        << (l.productName.size() > kLongText ? QStringLiteral("^FT210,450^A0N,80,35^FH\\^FD")
                                             : QStringLiteral("^FT385,450^A0N,80,45^FH\\^FD")) +
               fh(l.productName) + fd
        << QStringLiteral("^FT95,630^A0N,90,50^FH\\^FD") + fh(l.lot) + fd
        << QStringLiteral("^FT335,720^A0N,35,35^FH\\^FD") + fh(l.boxQty) + fd
        << QStringLiteral("^PQ") + l.printCount + QStringLiteral(",0,1,Y^XZ");
    return out;
}

}  // namespace mes::reports
