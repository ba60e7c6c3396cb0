#include "workorders/frm_S_Jakup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "ui/Forms.h"
#include "ui/ScreenParts.h"
#include "ui/Theme.h"
#include "ui/clsSpread.h"
#include "ui/frm_MSG_001.h"
#include "workorders/OrderStatements.h"
#include "workorders/WorkRunStart.h"
#include "workorders/frm_S_jakupjisi_list.h"

namespace mes {

namespace {

struct Column {
    const char* id;
    int width;
    bool hidden;
};

const Column kColumns[] = {
    {"수주처코드", 8, true}, {"수주처", 12, false}, {"공정코드", 6, true},
    {"공정명", 10, false},   {"설비코드", 6, true}, {"설비명", 12, false},
    {"품번코드", 10, true},  {"품번", 14, false},   {"품명", 20, false},
};

}  // namespace

frm_S_Jakup::frm_S_Jakup(QWidget* parent) : QWidget(parent, Qt::Window) {
    const ScreenFrame frame =
        gfSCREEN_FRAME(this, QStringLiteral("frm_S_Jakup"), QStringLiteral("작업등록"));
    QVBoxLayout* layout = frame.layout;
    QHBoxLayout* top = frame.top;
    txtCustomer_Code = new QLineEdit(this);
    txtCustomer_Code->setObjectName(QStringLiteral("txtCustomer_Code"));
    txtCustomer_Code->hide();
    txtCustomer_Name = new QLineEdit(this);
    txtCustomer_Name->setObjectName(QStringLiteral("txtCustomer_Name"));
    txtCustomer_Name->setReadOnly(true);
    txtCustomer_Name->setFont(Theme::font(Theme::kLargeFontPixels, true));
    cmd_query = gfBIG_BUTTON(this, QStringLiteral("cmd_query"), QStringLiteral("조회"));
    top->addWidget(txtCustomer_Name, 1);
    top->addWidget(cmd_query);

    ss = gfSPREAD_GRID(this, &spread);
    layout->addWidget(ss, 1);
    auto* actions = new QHBoxLayout;
    cmdSave = gfBIG_BUTTON(this, QStringLiteral("cmdSave"), QStringLiteral("저장"));
    Command14 = gfBIG_BUTTON(this, QStringLiteral("Command14"), QStringLiteral("닫기"));
    actions->addStretch(1);
    actions->addWidget(cmdSave);
    actions->addWidget(Command14);
    layout->addLayout(actions);

    const int count = static_cast<int>(std::size(kColumns));
    spread->SetInit(0, count, 20, 1, 12);
    for (int i = 0; i < count; ++i) {
        SpreadColumn col;
        col.head = col.id = QString::fromUtf8(kColumns[i].id);
        col.width = kColumns[i].width;
        col.hidden = kColumns[i].hidden;
        spread->SetColType(i + 1, col);
    }
    connect(cmd_query, &QPushButton::clicked, this, &frm_S_Jakup::lsQuery);
    connect(cmdSave, &QPushButton::clicked, this, &frm_S_Jakup::cmdSave_Click);
    connect(Command14, &QPushButton::clicked, this, [] { gsUNLOAD<frm_S_Jakup>(); });
    lsQuery();
}

void frm_S_Jakup::lsQuery() {
    gvSQL = gfPRODUCTS_SQL(txtCustomer_Code->text());
    spread->SetbindRS(gvSQL, objectName());
}

void frm_S_Jakup::cmdSave_Click() {
    const int row = spread->ActiveRow();
    if (row < 1) {
        // Without a product the order would be written empty and never listed.
        gsMSG(QStringLiteral("품번을 선택하십시오."));
        return;
    }
    OrderValues order;
    order.processCode = spread->TextWithColID(QStringLiteral("공정코드"), row);
    order.equipmentCode = spread->TextWithColID(QStringLiteral("설비코드"), row);
    order.productCode = spread->TextWithColID(QStringLiteral("품번코드"), row);
    order.customerCode = spread->TextWithColID(QStringLiteral("수주처코드"), row);
    order.jisiDate = TerminalClock::date();
    order.lastDate = order.jisiDate;
    order.lastTime = TerminalClock::hhmmss();
    QString prodNo;
    if (!gfREGISTER_WORK_ORDER(order, objectName(), &prodNo)) {
        gsMSG(QStringLiteral("저장 실패"));
        return;
    }
    gsMSG(QStringLiteral("저장이 완료되었습니다."));
    if (gfFORM_LOADED<frm_S_jakupjisi_list>()) gfFORM<frm_S_jakupjisi_list>().lsQuery();
    gsUNLOAD<frm_S_Jakup>();
}

}  // namespace mes
