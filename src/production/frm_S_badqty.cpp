#include "production/frm_S_badqty.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <limits>

#include "foundation/ErrorLog.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "production/BadQtySql.h"
#include "production/RunFigures.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"
#include "ui/frm_MSG_001.h"

namespace mes {

namespace {
const QString kLocation = QStringLiteral("frm_S_badqty");
const QString kQty = QStringLiteral("수량");

bool fits16(qint64 v) {
    return v >= std::numeric_limits<qint16>::min() && v <= std::numeric_limits<qint16>::max();
}
}  // namespace

frm_S_badqty::frm_S_badqty(QWidget* parent)
    : CauseEntryDialog(QStringLiteral("frm_S_badqty"), QStringLiteral("불량 등록"), kQty, parent) {
    auto* boxes = new QFormLayout;
    txtBad_Total_cnt = new QLineEdit(this);
    txtBad_Total_cnt->setObjectName(QStringLiteral("txtBad_Total_cnt"));
    txtBad_cnt = new QLineEdit(this);
    txtBad_cnt->setObjectName(QStringLiteral("txtBad_cnt"));
    for (QLineEdit* e : {txtBad_Total_cnt, txtBad_cnt}) {
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
    }
    boxes->addRow(QStringLiteral("입력 불량"), txtBad_Total_cnt);
    boxes->addRow(QStringLiteral("미입력 불량"), txtBad_cnt);
    body()->addLayout(boxes);
}

void frm_S_badqty::Show() {
    Form_Load();
    gfSHOW_MODAL(*this);
}

void frm_S_badqty::Form_Load() {
    lsSpreadInit();
    lsBadQuery();
    fillBoxes();
}

void frm_S_badqty::lsSpreadInit() {
    spread->SetInit(0, 8, 20, 0, 12);
    const SpreadCellType text = SpreadCellType::Text;
    spread->SetColType(1, QStringLiteral("idx"), QStringLiteral("idx"), 0, {}, text, 0, 0, false, 0,
                       2, true);
    spread->SetColType(2, QStringLiteral("생산실적순번"), QStringLiteral("생산실적순번"), 15);
    spread->SetColType(3, QStringLiteral("공정코드"), QStringLiteral("공정코드"), 15);
    spread->SetColType(4, QStringLiteral("제품코드"), QStringLiteral("제품코드"), 8);
    spread->SetColType(5, QStringLiteral("부적합코드"), QStringLiteral("부적합코드"), 10, {}, text,
                       0, 0, false, 2);
    spread->SetColType(6, QStringLiteral("부적합명"), QStringLiteral("부적합명"), 30);
    spread->SetColType(7, kQty, kQty, 15, {}, SpreadCellType::Number, 0, 0, true, 1);
    spread->SetColType(8, QStringLiteral("비고"), QStringLiteral("비고"), 40, {}, text, 0, 0, false,
                       0, 2, false, false);
}

void frm_S_badqty::lsBadQuery() {
    const frm_S_dayReport& run = gfFORM<frm_S_dayReport>();
    spread->SetbindRS(gfBAD_CAUSES_SQL(run.lblOp_seq_sub->text(), run.lblWC_code->text(),
                                       run.lblProduct_code->text()),
                      kLocation);
}

void frm_S_badqty::fillBoxes() {
    QString bad = gfFORM<frm_S_dayReport>().lblBad_Cnt->count();
    if (bad.isEmpty()) bad = QStringLiteral("0");
    txtBad_cnt->setText(bad);
    txtBad_Total_cnt->clear();
    // The boxes are 16-bit figures; anything else is reported, not guessed.
    qint64 sum = 0;
    for (int row = 1; row <= spread->MaxRows(); ++row) {
        const std::optional<qint32> n = gfCOUNT32(spread->ValueWithColID(kQty, row));
        sum += n.value_or(0);
        if (!n || !fits16(sum)) {
            const QString msg = QStringLiteral("불량 수량을 합산할 수 없습니다: ") +
                                spread->TextWithColID(kQty, row);
            gsERR_LOG(DbError{0, msg}, msg, kLocation);
            return;
        }
    }
    txtBad_Total_cnt->setText(QString::number(sum));
    const std::optional<qint32> runBad = gfCOUNT32(bad);
    if (!runBad || !fits16(*runBad) || !fits16(*runBad - sum)) {
        const QString msg = QStringLiteral("불량 수량을 계산할 수 없습니다: ") + bad;
        gsERR_LOG(DbError{0, msg}, msg, kLocation);
        return;
    }
    txtBad_cnt->setText(QString::number(*runBad - sum));
    txtBad_cnt->setStyleSheet(*runBad - sum < 0 ? QStringLiteral("color: red;")
                                                : QStringLiteral("color: black;"));
}

void frm_S_badqty::cmdSave_Click() {
    frm_S_dayReport& run = gfFORM<frm_S_dayReport>();
    // No causes: nothing to split, and the run's bad count must not become 0.
    if (spread->MaxRows() == 0) {
        finish(false);
        return;
    }
    const std::optional<QList<qint32>> qty = numberCells();
    if (!qty) return;
    qint64 total = 0;
    for (int row = 1; row <= spread->MaxRows(); ++row) {
        total += qty->at(row - 1);
        if (spread->TextWithColID(QStringLiteral("비고"), row).size() > kRemarkMax) {
            gsMSG(QStringLiteral("비고는 %1자까지 입력할 수 있습니다.").arg(kRemarkMax));
            return;
        }
    }
    if (total > std::numeric_limits<qint32>::max()) {
        gsMSG(QStringLiteral("불량 수량이 너무 큽니다."));
        return;
    }
    gsSQL_LIST_START();
    for (int row = 1; row <= spread->MaxRows(); ++row) {
        BadQtyRow r;
        r.opSeqSub = spread->TextWithColID(QStringLiteral("생산실적순번"), row);
        r.product = spread->TextWithColID(QStringLiteral("제품코드"), row);
        r.process = spread->TextWithColID(QStringLiteral("공정코드"), row);
        r.cause = spread->TextWithColID(QStringLiteral("부적합코드"), row);
        r.qty = qty->at(row - 1);
        r.remark = spread->TextWithColID(QStringLiteral("비고"), row);
        r.equipment = run.lblEquipment_code->text();
        r.date = TerminalClock::date();
        r.hhmmss = TerminalClock::hhmmss();
        const QString idx = spread->TextWithColID(QStringLiteral("idx"), row);
        if (idx.isEmpty() && r.qty != 0) {
            gvSQL = gfBAD_INSERT_SQL(r);
        } else if (spread->TextWithColID(kQty, row) == QLatin1String("0")) {
            gvSQL = gfBAD_DELETE_SQL(r.opSeqSub, r.cause);
        } else if (!idx.isEmpty()) {
            gvSQL = gfBAD_UPDATE_SQL(r);
        } else {
            continue;
        }
        gsSQL_LIST_ADD();
    }
    // The run shown, whatever key the grid rows carry.
    gvSQL = gfRUN_BAD_SQL(static_cast<qint32>(total), run.lblOp_seq_sub->text());
    gsSQL_LIST_ADD();
    gfSQL_LIST_READY();
    if (!gfDB_EXEC_LIST(gvSQLList, kLocation)) return;
    run.lblBad_Cnt->setCount(total);
    finish(true);
}

void frm_S_badqty::unload() { gsUNLOAD<frm_S_badqty>(); }

}  // namespace mes
