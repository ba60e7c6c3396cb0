// The production screen: the end of the run, booked once.
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "production/EndRunSql.h"
#include "production/HeldEntriesFile.h"
#include "production/RunFigures.h"
#include "production/StockSql.h"
#include "production/StrokeCounter.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/TouchLabel.h"
#include "ui/frm_MSG_001.h"
#include "workorders/frm_S_jakupjisi_list.h"

namespace mes {

namespace {

const QString kLocation = QStringLiteral("frm_S_dayReport");

bool orderEnded(const QString& orderNo) {
    return gfDB_VALUE(gfORDER_STATE_SQL(orderNo), kLocation).toString() == QLatin1String("3");
}

}  // namespace

void frm_S_dayReport::btnEnd_Click() {
    if (lblproduct_name->text().isEmpty() && lblOp_seq_sub->text().isEmpty() &&
        lbl_juya->text().isEmpty() && lblJakupdate->text().isEmpty())
        return;
    if (lblJakup_Cnt->count().toDouble() == 0) {
        gsMSG(QStringLiteral("생산수량이 0입니다."));
        return;
    }
    // A second press while this one runs finds the button disabled.
    btnEnd->setEnabled(false);
    const QString order = lbl_jakupjisi_num->text();
    // Ended by an earlier press whose answer was lost, or by another terminal.
    if (orderEnded(order)) {
        lsEndSaved();
        return;
    }
    const std::optional<qint32> good = gfCOUNT32(lblOk_Cnt->count());
    const std::optional<qint32> loaded = gfCOUNT32(lblOk_Cnt2->count());
    const std::optional<qint32> bad = gfCOUNT32(lblBad_Cnt->count());
    const std::optional<qint16> workers = gfCOUNT16(lblJakupsu->text());
    const std::optional<qint32> minutes = gfMINUTES32(lblMin->text());
    const std::optional<qint32> change =
        good && loaded ? gfCOUNT32(QString::number(qint64(*good) - *loaded)) : std::nullopt;
    if (!good || !bad || !workers || !minutes || !change) {
        btnEnd->setEnabled(true);
        gsMSG(QStringLiteral("저장 실패"));
        return;
    }
    StockSave stock;
    stock.productCode = lblProduct_code->text();
    stock.orderNo = order;
    stock.runKey = lblOp_seq_sub->text();
    stock.goodChange = *change;
    stock.wcCode = lblWC_code->text();
    stock.equipment = lvEquipment_code;
    stock.date = TerminalClock::date();
    stock.kind = lblProduct_Gubun->text();
    stock.lastTime = TerminalClock::hhmmss();
    EndUpdate end;
    end.orderNo = order;
    end.runKey = stock.runKey;
    end.good = *good;
    end.bad = *bad;
    end.endDate = stock.date;
    end.endTime = TerminalClock::hhmm();
    end.minutes = *minutes;
    end.workers = *workers;
    end.employeeNo = lblemployee_no->text();
    end.startDate = lblJakupdate->text();
    end.startTime = lblStTime->text();
    end.unit = lblUnit_Code->text();
    end.lastDate = stock.date;
    end.lastTime = stock.lastTime;

    QStringList list{gfEND_GUARD_SQL(order)};
    lsStockSave(list, stock, lotRows());
    lblLotno->setText(gfPRODUCED_LOT(stock.orderNo, stock.wcCode));
    lsEndUpdate(list, end);
    if (gfDB_EXEC_LIST(list, kLocation) || orderEnded(order)) {
        lsEndSaved();
        return;
    }
    btnEnd->setEnabled(true);
    gsMSG(QStringLiteral("저장 실패"));
}

void frm_S_dayReport::lsEndSaved() {
    HeldEntriesFile::discard();  // booked: a restart must not offer them again
    // Unloading is deferred: no late reading may keep entries of the booked run.
    if (counter_ != nullptr) counter_->stop();
    shownRun_.clear();
    btnEnd->setEnabled(false);
    Timer2->stop();
    gsMSG(QStringLiteral("저장이 완료되었습니다."));
    frm_S_jakupjisi_list& list = gfFORM<frm_S_jakupjisi_list>();
    gsSHOW_SCREEN(list);
    list.lvSerchSQL.clear();
    list.lvSerchSQL =
        QStringLiteral("AND B_JAK.Customer_Code = '") + gfSQ(lblCustomer_Code->text()) + u'\'';
    list.lsQuery();
    gsUNLOAD<frm_S_dayReport>();
}

}  // namespace mes
