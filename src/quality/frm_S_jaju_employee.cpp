#include "quality/frm_S_jaju_employee.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "quality/JajuTestSql.h"
#include "quality/frm_S_jajutest.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/ScreenParts.h"
#include "ui/Theme.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"

namespace mes {

frm_S_jaju_employee::frm_S_jaju_employee(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_S_jaju_employee"));
    setWindowTitle(QStringLiteral("검사자 선택"));
    resize(500, 600);
    auto* layout = new QVBoxLayout(this);
    ss = gfSPREAD_GRID(this, &spread);
    layout->addWidget(ss, 1);
    auto* buttons = new QHBoxLayout;
    cmdSave = gfDIALOG_BUTTON(this, QStringLiteral("cmdSave"), QStringLiteral("선택"));
    Command14 = gfDIALOG_BUTTON(this, QStringLiteral("Command14"), QStringLiteral("닫기"));
    for (QPushButton* b : {cmdSave, Command14}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(spread, &clsSpread::Click, this, [this](int, int row) { row_ = row; });
    connect(cmdSave, &QPushButton::clicked, this, &frm_S_jaju_employee::cmdSave_Click);
    connect(Command14, &QPushButton::clicked, this, &frm_S_jaju_employee::close);
}

void frm_S_jaju_employee::Show() {
    spread->SetInit(0, 3, 20, 2, 12);
    spread->SetColType(1, QStringLiteral("idx"), QStringLiteral("idx"), 0, {}, SpreadCellType::Text,
                       0, 0, false, 0, 2, true);
    spread->SetColType(2, QStringLiteral("사번"), QStringLiteral("사번"), 12);
    spread->SetColType(3, QStringLiteral("작업자명"), QStringLiteral("작업자명"), 20);
    spread->SetbindRS(gfJAJU_EMPLOYEES_SQL(), windowTitle());
    row_ = 0;
    gfSHOW_MODAL(*this);
}

void frm_S_jaju_employee::cmdSave_Click() {
    const int row = row_ > 0 ? row_ : spread->ActiveRow();
    if (row < 1 || row > spread->MaxRows()) return;
    frm_S_jajutest& screen = gfFORM<frm_S_jajutest>();
    screen.lbl_employee->setText(spread->TextWithColID(QStringLiteral("작업자명"), row));
    screen.lblemployee_no->setText(spread->TextWithColID(QStringLiteral("사번"), row));
    close();
}

void frm_S_jaju_employee::close() {
    gsUNLOAD<frm_S_jaju_employee>();
    reject();
}

}  // namespace mes
