#include "reports/LabelJob.h"

#include "foundation/Session.h"
#include "foundation/UserInterface.h"
#include "reports/LabelPort.h"
#include "reports/LabelPreviewDialog.h"
#include "reports/LabelTextGraphic.h"
#include "reports/ReportStatements.h"

namespace mes {

namespace {
constexpr int kLotLength = 7;
constexpr qint64 kMaxCopies = 99999999;  // the most ^PQ takes

// A whole number typed with leading zeros goes to the printer as the number:
// "07" is 7. Anything else is sent as it stands.
QString plainWhole(const QString& typed) {
    bool ok = false;
    const qint64 n = typed.toLongLong(&ok);
    return ok ? QString::number(n) : typed;
}

void refuse(const QString& text) {
    gvUI().showMessage(QStringLiteral("오류"), text, UserInterface::Icon::Critical);
}

}  // namespace

bool LabelJob::compose(const Row& row, const QString& location, reports::BoxLabel* label) {
    const QVariantList product = gfDB_ROW(reports::gfLABEL_PRODUCT_SQL(row.productCode), location);
    if (product.size() < 3) return false;
    // The delivery lot is the run's own, read now: the grid carries none.
    const QVariant lot = gfDB_VALUE(reports::gfRUN_LOT_SQL(row.opSeqSub), location);
    if (!lot.isValid()) return false;
    label->printCount = plainWhole(row.printCount);
    label->boxQty = plainWhole(row.boxQty);
    label->opSeqSub = row.opSeqSub;
    label->productName = reports::gfLABEL_TEXT(product[0].toString());
    label->controlNo = reports::gfLABEL_TEXT(product[1].toString());
    label->partNo = reports::gfLABEL_TEXT(product[2].toString());
    label->lot = lot.toString().left(kLotLength);
    return true;
}

bool LabelJob::run(const Row& row, reports::PackSize size, const QString& location) {
    const bool small = size == reports::PackSize::Small;
    auto refuseCount = [small](const QString& why) {
        refuse((small ? QStringLiteral("소포장출력수가 ") : QStringLiteral("대포장출력수가 ")) +
               why + u'\n' + QStringLiteral("출력할 수 없습니다."));
        return false;
    };
    // An empty count (a cancelled keypad) is not 0: the job goes out without one.
    if (!row.printCount.isEmpty()) {
        bool number = false;
        const qint64 copies = row.printCount.toLongLong(&number);
        if (number && copies == 0) return refuseCount(QStringLiteral("0 입니다."));
        if (!(number && copies <= kMaxCopies)) return refuseCount(QStringLiteral("너무 큽니다."));
    }
    const QString noPrinter = QStringLiteral("프린터의 연결상태를 확인하세요!!");
    reports::BoxLabel label;
    if (!compose(row, location, &label)) {
        gvUI().showMessage(gfPRODUCT_NAME(), noPrinter, UserInterface::Icon::Information);
        return false;
    }
    // A box without its lot cannot be traced: refused as the move ticket is.
    if (label.lot.trimmed().isEmpty()) {
        refuse(QStringLiteral("LOT NO가 없습니다."));
        return false;
    }
    const QStringList lines = reports::gfLABEL_PRINTABLE_LINES(reports::gfLABEL_LINES(label, size));
    if (!LabelPreviewDialog::confirm(lines)) return false;
    if (!LabelPort::send(lines, size)) {
        gvUI().showMessage(gfPRODUCT_NAME(), noPrinter, UserInterface::Icon::Information);
        return false;
    }
    return true;
}

}  // namespace mes
