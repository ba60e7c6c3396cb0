#include "reports/MoveTicket.h"

#include <QStandardPaths>

#include "foundation/Session.h"
#include "foundation/UserInterface.h"
#include "reports/ReportStatements.h"
#include "reports/TicketPreviewDialog.h"

namespace mes {

namespace {

QString& folderOverride() {
    static QString folder;
    return folder;
}

void saveFailed() {
    gvUI().showMessage(QStringLiteral("오류"), QStringLiteral("저장실패"),
                       UserInterface::Icon::Critical);
}

void refuse(const QString& text) {
    gvUI().showMessage(QStringLiteral("오류"), text, UserInterface::Icon::Critical);
}

// The hand-off row as the tag reads it, by the read-back's column names.
QVariantMap readBack(const QString& location) {
    QVariantMap fields;
    RecordSet& rs = gvRS();
    if (!gfDB_QUERY(reports::gfTICKET_READ_SQL(), false, location) && !rs.isOpen()) return fields;
    if (!rs.eof())
        for (int c = 0; c < rs.fieldCount(); ++c) fields.insert(rs.fieldName(c), rs.value(c));
    rs.close();
    return fields;
}

}  // namespace

QString MoveTicket::pdfFolder() {
    if (!folderOverride().isEmpty()) return folderOverride();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void MoveTicket::setPdfFolder(const QString& folder) { folderOverride() = folder; }

bool MoveTicket::run(const Row& row, const QString& location) {
    const QVariant qty = gfDB_VALUE(reports::gfTICKET_QTY_SQL(row.opSeqSub), location);
    if (qty.isNull() || qty.toString().isEmpty()) {
        refuse(QStringLiteral("생산이 완료된 품번이 아닙니다. 확인후 다시 출력하세요."));
        return false;
    }
    // A lot that cannot be read is no lot: no ticket without one.
    if (!gfDB_QUERY(reports::gfRUN_LOT_SQL(row.opSeqSub), false, location) && !gvRS().isOpen())
        return false;
    const QVariant lot = gvRS().eof() ? QVariant() : gvRS().value(0);
    gvRS().close();
    if (lot.isNull()) {
        refuse(QStringLiteral("LOT NO가 없습니다."));
        return false;
    }
    reports::TicketValues v;
    v.processName = row.processName;
    v.carName = row.carName;
    v.goodQty = row.goodQty;
    v.workDate = reports::gfTICKET_DATE(row.finishDate);
    v.productCode = row.productCode;
    v.pumbun = row.pumbun;
    v.productName = row.productName;
    v.lotNo = lot.toString();
    v.opSeqSub = row.opSeqSub;
    const bool written = gfDB_EXEC(reports::gfTICKET_INSERT_SQL(v), location) &&
                         gfDB_EXEC(reports::gfTICKET_UPDATE_SQL(v), location);
    if (!written) saveFailed();
    // The tag shows what the table holds, even after a failed write.
    const QVariantMap fields = readBack(location);
    // Every terminal hands its ticket over through the same row: empty it before
    // the preview, which may stay open for minutes, so that another terminal can
    // print meanwhile.
    if (!gfDB_EXEC(reports::gfTICKET_CLEAR_SQL(), location)) saveFailed();
    if (!fields.isEmpty()) TicketPreviewDialog::preview(fields);
    return !fields.isEmpty();
}

}  // namespace mes
