// The production screen: the counts, the unit and the lot booking of the grid.
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "foundation/TerminalClock.h"
#include "production/LotBooking.h"
#include "production/RunFigures.h"
#include "production/frm_S_dayReport.h"
#include "production/frm_S_lot_select.h"
#include "ui/Forms.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"
#include "ui/frmKey2.h"
#include "ui/frm_MSG_001.h"

namespace mes {

namespace {

const QString kLot = QStringLiteral("LOT NO");
const QString kStock = QStringLiteral("LOT재고");
const QString kQty = QStringLiteral("투입수량");

double number(const CountLabel* l) { return l->count().toDouble(); }

}  // namespace

void frm_S_dayReport::wireCounts() {
    connect(lblOk_Cnt, &TouchLabel::clicked, this, &frm_S_dayReport::lblOk_Cnt_Click);
    connect(cmdUnit_Change, &QPushButton::clicked, this, &frm_S_dayReport::cmdUnit_Change_Click);
    connect(btnEnd, &QPushButton::clicked, this, &frm_S_dayReport::btnEnd_Click);
    connect(spread, &clsSpread::Click, this, &frm_S_dayReport::ss_Click);
}

void frm_S_dayReport::lblOk_Cnt_Click() {
    if (lblOp_seq_sub->text().isEmpty()) return;
    if (lsCountsFromMachine()) {
        gsMSG(QStringLiteral("양품수량은 설비 카운터에서 집계됩니다."));
        return;
    }
    const QString entry = gfFORM<frmKey2>().Show();
    Timer2_Timer();
    Timer2->start();
    if (entry.isEmpty()) return;
    lblOk_Cnt->setCount(entry);
    const std::optional<qint32> ok = gfCOUNT32(lblOk_Cnt->count());
    if (ok) lsApplyGood(*ok);
}

void frm_S_dayReport::lsApplyGood(qint64 ok) {
    lblOk_Cnt->setCount(ok);
    const std::optional<qint32> bad = gfCOUNT32(lblBad_Cnt->count());
    if (!bad) return;  // Timer1 settles the counts within a second
    lblJakup_Cnt->setCount(qint64(*bad) + ok);
    lsBottomQuery();
    lsTuip_Sum();
    Timer2->stop();  // from now on the production count follows the good count
    lsKeepEntries();
}

void frm_S_dayReport::cmdUnit_Change_Click() {
    gsMSG(QStringLiteral("단위 정보를 전환합니다."));
    const bool kg = lblUnit_Code->text() == QLatin1String("KG");
    lblUnit_Code->setText(kg ? QStringLiteral("EA") : QStringLiteral("KG"));
    setCaptionsByUnit();
    lsCounterFollow(false);  // the counter counts pieces only
    lsKeepEntries();
}

void frm_S_dayReport::ss_Click(int col, int row) {
    if (col < 1 || row < 1) return;
    if (spread->GetColID(col) == kQty) {
        if (number(lblOk_Cnt) == 0 && number(lblBad_Cnt) == 0) return;
        const QString entry = gfFORM<frmKey2>().Show();
        if (entry.isEmpty()) return;
        spread->ValueWithColID(kQty, row, entry);
        lsKeepEntries();
    } else if (spread->GetColID(col) == kLot && !spread->TextWithColID(kLot, row).isEmpty()) {
        lsOpenLotSelect(row);
    }
}

void frm_S_dayReport::lsOpenLotSelect(int row) {
    spread->SetFocus(spread->GetColNo(kLot), row);
    frm_S_lot_select& picker = gfFORM<frm_S_lot_select>();
    picker.lsProductCode(spread->TextWithColID(QStringLiteral("품번코드"), row),
                         spread->TextWithColID(kLot, row), {}, {});
    picker.Show();
    gsUNLOAD<frm_S_lot_select>();
    lsKeepEntries();
}

QList<LotRow> frm_S_dayReport::lotRows() const {
    QList<LotRow> rows;
    // Quantities as values: the text shown carries thousands separators.
    for (int r = 1; r <= spread->MaxRows(); ++r) {
        rows << LotRow{spread->TextWithColID(QStringLiteral("품번코드"), r),
                       spread->ValueWithColID(QStringLiteral("usage"), r),
                       spread->TextWithColID(kLot, r), spread->ValueWithColID(kStock, r),
                       spread->ValueWithColID(kQty, r)};
    }
    return rows;
}

void frm_S_dayReport::lsTuip_Sum() {
    spread->SetFocus(1, 1);
    if (lblBad_Cnt->count().isEmpty()) lblBad_Cnt->setCount(0);
    QList<LotRow> rows = lotRows();
    const double change =
        (number(lblOk_Cnt) - number(lblOk_Cnt2)) + (number(lblBad_Cnt) - number(lblBad_Cnt2));
    LotBooking::onSession(lvLotIdx, TerminalClock::date(), QStringLiteral("frm_S_dayReport"))
        .lsTuip_Sum(rows, change, !lblJakup_Cnt->count().isEmpty());
    const int lotCol = spread->GetColNo(kLot);
    for (int r = 1; r <= rows.size(); ++r) {
        const LotRow& row = rows[r - 1];
        if (row.copy) {
            spread->SetFocus(lotCol, r - 1);
            spread->CopyRow(r - 1, lotCol);
        }
        spread->TextWithColID(kLot, r, row.lot);
        spread->ValueWithColID(kStock, r, row.stock);
        spread->ValueWithColID(kQty, r, row.qty);
    }
    for (int r = 1; r <= spread->MaxRows(); ++r) spread->KeyUpdateChk(0, r);
}

}  // namespace mes
