#include "production/frm_S_endtime.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/UserInterface.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/Theme.h"
#include "ui/TouchLabel.h"
#include "workorders/frm_S_starttime.h"

namespace mes {

frm_S_endtime::frm_S_endtime(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_S_endtime"));
    setWindowTitle(QStringLiteral("종료시간"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* info = new QGridLayout;
    int at = 0;
    for (QLabel** l :
         {&lblProduct_code, &lblOp_seq_sub, &lblProcess_code, &lblJakupdate, &lbl_juya}) {
        *l = new QLabel(this);
        info->addWidget(*l, at / 3, at % 3);
        ++at;
    }
    lblProduct_code->setObjectName(QStringLiteral("lblProduct_code"));
    lblOp_seq_sub->setObjectName(QStringLiteral("lblOp_seq_sub"));
    lblProcess_code->setObjectName(QStringLiteral("lblProcess_code"));
    lblJakupdate->setObjectName(QStringLiteral("lblJakupdate"));
    lbl_juya->setObjectName(QStringLiteral("lbl_juya"));
    info->addWidget(new QLabel(QStringLiteral("장출시간"), this), 2, 0);
    info->addWidget(new QLabel(QStringLiteral("종료시간"), this), 2, 1);
    layout->addLayout(info);
    lblEndtime = new QLabel(this);
    lblEndtime->setObjectName(QStringLiteral("lblEndtime"));
    lblEndtime->setAlignment(Qt::AlignCenter);
    lblEndtime->setMinimumHeight(Theme::kKeySize);
    lblEndtime->setFont(Theme::font(Theme::kLargeFontPixels + 12, true));
    layout->addWidget(lblEndtime);

    auto* keys = new QGridLayout;
    for (int d = 0; d <= 9; ++d) {
        auto* b = new QPushButton(QString::number(d), this);
        b->setObjectName(QStringLiteral("cmdNum_%1").arg(d));
        Theme::makeKey(b);
        keys->addWidget(b, d == 0 ? 3 : (d - 1) / 3, d == 0 ? 1 : (d - 1) % 3);
        // Same digit rules as the start time.
        connect(b, &QPushButton::clicked, this, [this, d] {
            lblEndtime->setText(frm_S_starttime::gfADD_DIGIT(lblEndtime->text(), QChar(u'0' + d)));
        });
        cmdNum << b;
    }
    cmdBackSpace = new QPushButton(QStringLiteral("←"), this);
    cmdBackSpace->setObjectName(QStringLiteral("cmdBackSpace"));
    cmdSave = new QPushButton(QStringLiteral("확인"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    Command14 = new QPushButton(QStringLiteral("취소"), this);
    Command14->setObjectName(QStringLiteral("Command14"));
    for (QPushButton* b : {cmdBackSpace, cmdSave, Command14}) Theme::makeKey(b);
    keys->addWidget(cmdBackSpace, 3, 0);
    keys->addWidget(cmdSave, 3, 2);
    keys->addWidget(Command14, 4, 0, 1, 3);
    layout->addLayout(keys);
    connect(cmdBackSpace, &QPushButton::clicked, this,
            [this] { lblEndtime->setText(gfBACK_SPACE(lblEndtime->text())); });
    connect(cmdSave, &QPushButton::clicked, this, &frm_S_endtime::cmdSave_Click);
    connect(Command14, &QPushButton::clicked, this, &QDialog::reject);
}

QString frm_S_endtime::gfBACK_SPACE(const QString& entry) {
    return entry.size() <= 1 ? QString() : entry.left(entry.size() - 1);
}

bool frm_S_endtime::gfCHECK(const QString& entry) {
    if (entry.left(2) >= QLatin1String("24")) return false;
    bool ok = false;
    const int minutes = entry.right(2).toInt(&ok);
    return ok && minutes < 60;
}

void frm_S_endtime::load() {
    lblEndtime->clear();
    const frm_S_dayReport& s = gfFORM<frm_S_dayReport>();
    lblProduct_code->setText(s.lblProduct_code->text());
    lblOp_seq_sub->setText(s.lblOp_seq_sub->text());
    lblProcess_code->setText(s.lblWC_code->text());
    lblJakupdate->setText(s.lblJakupdate->text());
    lbl_juya->setText(s.lbl_juya->text());
}

void frm_S_endtime::cmdSave_Click() {
    if (!gfCHECK(lblEndtime->text())) {
        gvUI().showMessage(QStringLiteral("입력오류"),
                           QStringLiteral("종료시간이 잘못 입력되었습니다."),
                           UserInterface::Icon::Critical);
        lblEndtime->clear();  // open for the correction
        return;
    }
    gfFORM<frm_S_dayReport>().lblEdTime->setText(lblEndtime->text());
    accept();
}

void frm_S_endtime::gsOPEN() {
    frm_S_endtime& dlg = gfFORM<frm_S_endtime>();
    dlg.load();
    gfSHOW_MODAL(dlg);
    gsUNLOAD<frm_S_endtime>();
}

}  // namespace mes
