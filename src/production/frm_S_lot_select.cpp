#include "production/frm_S_lot_select.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "foundation/NumberText.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "foundation/UserInterface.h"
#include "production/LotSelectSql.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/WidgetUI.h"
#include "ui/clsSpread.h"

namespace mes {

namespace {

const QString kLot = QStringLiteral("LOT NO");

bool askYesNo(const QString& title, const QString& text) {
    return WidgetUI::ask(UserInterface::Icon::Critical, title, text,
                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QLabel* label(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

frm_S_lot_select::frm_S_lot_select(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_S_lot_select"));
    setWindowTitle(QStringLiteral("LOT 선택"));
    setModal(true);
    resize(800, 600);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    lblProduct_code = label(this, QStringLiteral("lblProduct_code"));
    lbl_lot_no = label(this, QStringLiteral("lbl_lot_no"));
    lblSProduct_code = label(this, QStringLiteral("lblSProduct_code"));
    lblOp_seq_sub = label(this, QStringLiteral("lblOp_seq_sub"));
    for (QLabel* l : {lblProduct_code, lbl_lot_no, lblSProduct_code, lblOp_seq_sub})
        top->addWidget(l);
    layout->addLayout(top);
    auto* scan = new QHBoxLayout;
    scan->addWidget(new QLabel(QStringLiteral("바코드 스캔"), this));
    txtBarcode = new QLineEdit(this);
    txtBarcode->setObjectName(QStringLiteral("txtBarcode"));
    scan->addWidget(txtBarcode, 1);
    layout->addLayout(scan);
    ss = new QTableView(this);
    ss->setObjectName(QStringLiteral("ss"));
    layout->addWidget(ss, 1);
    spread = new clsSpread(this);
    spread->Spr(ss);
    spread->SetInit(0, 5);
    spread->SetColType(1, kLot, kLot, 30);
    spread->SetColType(2, QStringLiteral("수량"), QStringLiteral("수량"), 15, {},
                       SpreadCellType::Number, 0, 2, true, 1);
    for (int c = 3; c <= 5; ++c) {
        const QString id = QStringList{QStringLiteral("제품코드"), QStringLiteral("LOT구분1"),
                                       QStringLiteral("LOT구분2")}[c - 3];
        spread->SetColType(c, id, id, 15);
    }
    auto* buttons = new QHBoxLayout;
    cmdSave = new QPushButton(QStringLiteral("선택"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    Command14 = new QPushButton(QStringLiteral("닫기"), this);
    Command14->setObjectName(QStringLiteral("Command14"));
    // The scanner's Enter belongs to the barcode box: no button may take it as the
    // dialog's default, or a refused scan would take the listed lot.
    for (QPushButton* b : {cmdSave, Command14}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(cmdSave, &QPushButton::clicked, this, &frm_S_lot_select::cmdSave_Click);
    connect(Command14, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtBarcode, &QLineEdit::returnPressed, this, &frm_S_lot_select::txtBarcode_KeyPress);
}

void frm_S_lot_select::lsProductCode(const QString& material, const QString& lot,
                                     const QString& third, const QString& fourth) {
    lblProduct_code->setText(material);
    lbl_lot_no->setText(lot);
    third_ = third;
    fourth_ = fourth;
}

void frm_S_lot_select::Show() {
    const frm_S_dayReport& day = gfFORM<frm_S_dayReport>();
    lblSProduct_code->setText(day.lblProduct_code->text());
    lblOp_seq_sub->setText(day.lblOp_seq_sub->text());
    spread->SetbindRS(gfLOTSEL_LIST_SQL(lblProduct_code->text(), TerminalClock::date()),
                      windowTitle());
    if (spread->MaxRows() > 0) spread->SetFocus(1, 1);
    gfSHOW_MODAL(*this);
}

QString frm_S_lot_select::lsLotFifo(const QString& material, const QString& lot) {
    const QVariantList first = gfDB_ROW(gfLOTSEL_FIRST_SQL(material, lot), windowTitle());
    const QString workDate = gfFORM<frm_S_dayReport>().lblJakupdate->text();
    const QString older =
        gfDB_VALUE(gfLOTSEL_OLDER_SQL(workDate, material, first.value(0).toString(),
                                      gfVALUE_TEXT(first.value(1))),
                   windowTitle())
            .toString();
    return older.isEmpty() ? QStringLiteral("0") : older;
}

void frm_S_lot_select::cmdSave_Click() {
    const int row = spread->ActiveRow();
    const QString lot = spread->TextWithColID(kLot, row);
    const QString older = lsLotFifo(lblProduct_code->text(), lot);
    if (older != QLatin1String("0") &&
        !askYesNo(QStringLiteral("입력오류"),
                  QStringLiteral("LOT NO (") + older +
                      QStringLiteral(") 가 먼저 투입 되어야 합니다.\n무시하고 투입 하시겠습니까?")))
        return;
    if (row > 0) {
        clsSpread& target = *gfFORM<frm_S_dayReport>().spread;
        target.TextWithColID(kLot, target.ActiveRow(), lot);
        target.ValueWithColID(QStringLiteral("LOT재고"), target.ActiveRow(),
                              spread->ValueWithColID(QStringLiteral("수량"), row));
    }
    accept();
}

void frm_S_lot_select::refuseScan(const QString& text) {
    gvUI().showMessage(QStringLiteral("오류"), text, UserInterface::Icon::Critical);
    txtBarcode->clear();
}

void frm_S_lot_select::txtBarcode_KeyPress() {
    const int row = spread->ActiveRow();
    if (row < 1) return;  // nothing listed: nothing to compare with
    QString scanned = txtBarcode->text();
    scanned.remove(u'*').remove(u'\r').remove(u'\n');
    const QString lot = scanned.section(u'/', 0, 0);
    const QString material = scanned.section(u'/', 1, 1);
    if (!gfDB_QUERY(gfLOTSEL_SCAN_SQL(material, lot, TerminalClock::date()), true, windowTitle())) {
        refuseScan(QStringLiteral("해당 LOT를 찾을 수 없습니다."));
        return;
    }
    if (spread->TextWithColID(QStringLiteral("제품코드"), row) != material) {
        refuseScan(QStringLiteral("해당제품의 LOT가 아닙니다.."));
        return;
    }
    clsSpread& target = *gfFORM<frm_S_dayReport>().spread;
    target.TextWithColID(kLot, target.ActiveRow(), lot);
    accept();
}

}  // namespace mes
