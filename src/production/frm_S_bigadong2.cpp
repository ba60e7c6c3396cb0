#include "production/frm_S_bigadong2.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "production/DowntimeSql.h"
#include "production/RunFigures.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/clsSpread.h"
#include "ui/frm_MSG_001.h"

namespace mes {

namespace {
const QString kLocation = QStringLiteral("frm_S_bigadong2");
const QString kMinutes = QStringLiteral("분");
}  // namespace

frm_S_bigadong2::frm_S_bigadong2(QWidget* parent)
    : CauseEntryDialog(QStringLiteral("frm_S_bigadong2"), QStringLiteral("비가동 등록"), kMinutes,
                       parent) {
    auto* row = new QHBoxLayout;
    auto label = [this, row](const QString& name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        row->addWidget(l);
        return l;
    };
    lblOp_seq_sub = label(QStringLiteral("lblOp_seq_sub"));
    lblProduct_code = label(QStringLiteral("lblProduct_code"));
    lblProcess_code = label(QStringLiteral("lblProcess_code"));
    lblEquipment_code = label(QStringLiteral("lblEquipment_code"));
    lblEmployee_su = label(QStringLiteral("lblEmployee_su"));
    body()->addLayout(row);
}

void frm_S_bigadong2::Show() {
    Form_Load();
    gfSHOW_MODAL(*this);
}

void frm_S_bigadong2::Form_Load() {
    const frm_S_dayReport& run = gfFORM<frm_S_dayReport>();
    lblProduct_code->setText(run.lblProduct_code->text());
    lblOp_seq_sub->setText(run.lblOp_seq_sub->text());
    lblProcess_code->setText(run.lblWC_code->text());
    lblEquipment_code->setText(run.lblEquipment_code->text());
    lblEmployee_su->setText(run.lblJakupsu->text());
    lsSpreadInit();
    lsBigaQuery();
}

void frm_S_bigadong2::lsSpreadInit() {
    spread->SetInit(0, 6, 20, 0, 12);
    const SpreadCellType text = SpreadCellType::Text;
    spread->SetColType(1, QStringLiteral("idx"), QStringLiteral("idx"), 0, {}, text, 0, 0, false, 0,
                       2, true);
    spread->SetColType(2, QStringLiteral("생산실적순번"), QStringLiteral("생산실적순번"), 15);
    spread->SetColType(3, QStringLiteral("제품코드"), QStringLiteral("제품코드"), 8);
    spread->SetColType(4, QStringLiteral("비가동코드"), QStringLiteral("비가동코드"), 10, {}, text,
                       0, 0, false, 2);
    spread->SetColType(5, QStringLiteral("비가동명"), QStringLiteral("비가동명"), 25);
    spread->SetColType(6, kMinutes, kMinutes, 15, {}, SpreadCellType::Number, 0, 0, true, 1);
}

void frm_S_bigadong2::lsBigaQuery() {
    const frm_S_dayReport& run = gfFORM<frm_S_dayReport>();
    spread->SetbindRS(gfDOWNTIME_CAUSES_SQL(run.lblOp_seq_sub->text(), run.lblProduct_code->text()),
                      kLocation);
}

void frm_S_bigadong2::cmdSave_Click() {
    // An empty cause master: nothing to record.
    if (spread->MaxRows() == 0) {
        finish(false);
        return;
    }
    const std::optional<QList<qint32>> minutes = numberCells();
    if (!minutes) return;
    // A run without a worker count records 0 workers.
    const QString workerText =
        lblEmployee_su->text().isEmpty() ? QStringLiteral("0") : lblEmployee_su->text();
    const std::optional<qint32> workers = gfCOUNT32(workerText);
    if (!workers) {
        gsMSG(QStringLiteral("저장 실패"));
        return;
    }
    gsSQL_LIST_START();
    for (int row = 1; row <= spread->MaxRows(); ++row) {
        DowntimeRow r;
        r.opSeqSub = spread->TextWithColID(QStringLiteral("생산실적순번"), row);
        r.cause = spread->TextWithColID(QStringLiteral("비가동코드"), row);
        r.minutes = minutes->at(row - 1);
        r.workers = *workers;
        r.equipment = lblEquipment_code->text();
        r.date = TerminalClock::date();
        r.hhmmss = TerminalClock::hhmmss();
        const QString idx = spread->TextWithColID(QStringLiteral("idx"), row);
        if (idx.isEmpty() && r.minutes != 0) {
            gvSQL = gfDOWNTIME_INSERT_SQL(r);
        } else if (spread->TextWithColID(kMinutes, row) == QLatin1String("0")) {
            gvSQL = gfDOWNTIME_DELETE_SQL(r.opSeqSub, r.cause);
        } else if (!idx.isEmpty()) {
            gvSQL = gfDOWNTIME_UPDATE_SQL(r);
        } else {
            continue;
        }
        gsSQL_LIST_ADD();
    }
    if (gfSQL_LIST_READY() && !gfDB_EXEC_LIST(gvSQLList, kLocation)) return;
    finish(true);
}

void frm_S_bigadong2::unload() { gsUNLOAD<frm_S_bigadong2>(); }

}  // namespace mes
