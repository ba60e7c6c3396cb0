#include "workorders/frm_S_starttime.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/UserInterface.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/Theme.h"

namespace mes {

namespace {

// The production screen's label of that name, when the screen and the label exist.
QLabel* dayReportLabel(const char* name) {
    if (!gfFORM_LOADED<frm_S_dayReport>()) return nullptr;
    return gfFORM<frm_S_dayReport>().findChild<QLabel*>(QString::fromLatin1(name));
}

}  // namespace

frm_S_starttime::frm_S_starttime(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_S_starttime"));
    setWindowTitle(QStringLiteral("시작시간"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* info = new QGridLayout;
    const char* const names[] = {"lblProduct_code", "lblOp_seq_sub", "lblProcess_code",
                                 "lblJakup_date", "lblJuya"};
    QLabel** fields[] = {&lblProduct_code, &lblOp_seq_sub, &lblProcess_code, &lblJakup_date,
                         &lblJuya};
    for (int i = 0; i < 5; ++i) {
        *fields[i] = new QLabel(this);
        (*fields[i])->setObjectName(QString::fromLatin1(names[i]));
        info->addWidget(*fields[i], i / 3, i % 3);
    }
    layout->addLayout(info);
    lblStarttime = new QLabel(this);
    lblStarttime->setObjectName(QStringLiteral("lblStarttime"));
    lblStarttime->setAlignment(Qt::AlignCenter);
    lblStarttime->setMinimumHeight(Theme::kKeySize);
    lblStarttime->setFont(Theme::font(Theme::kLargeFontPixels + 12, true));
    layout->addWidget(lblStarttime);
    auto* keys = new QGridLayout;
    for (int d = 0; d <= 9; ++d) {
        auto* b = new QPushButton(QString::number(d), this);
        b->setObjectName(QStringLiteral("cmdNum_%1").arg(d));
        Theme::makeKey(b);
        const int pos = d == 0 ? 10 : d - 1;
        keys->addWidget(b, pos / 3, pos % 3);
        connect(b, &QPushButton::clicked, this, [this, d] {
            lblStarttime->setText(gfADD_DIGIT(lblStarttime->text(), QChar(u'0' + d)));
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
            [this] { lblStarttime->setText(gfBACK_SPACE(lblStarttime->text())); });
    connect(cmdSave, &QPushButton::clicked, this, &frm_S_starttime::cmdSave_Click);
    connect(Command14, &QPushButton::clicked, this, &QDialog::reject);
}

QString frm_S_starttime::gfADD_DIGIT(const QString& entry, QChar digit) {
    if (entry.size() >= 5) return entry;
    if (entry.size() == 2) return entry + QLatin1Char(':') + digit;
    return entry + digit;
}

QString frm_S_starttime::gfBACK_SPACE(const QString& entry) {
    if (entry.isEmpty()) return entry;
    // The third character typed stands after the ":" that came with it.
    if (entry.size() == 4) return entry.left(2);
    return entry.left(entry.size() - 1);
}

bool frm_S_starttime::gfVALID(const QString& entry) {
    if (entry.left(2) >= QLatin1String("24")) return false;
    bool ok = false;
    const int minutes = entry.right(2).toInt(&ok);
    return !(ok && minutes >= 60);
}

void frm_S_starttime::load() {
    handedBack_.clear();
    handed_ = false;
    lblStarttime->clear();
    const char* const names[] = {"lblProduct_code", "lblOp_seq_sub", "lblProcess_code",
                                 "lblJakup_date", "lblJuya"};
    QLabel* fields[] = {lblProduct_code, lblOp_seq_sub, lblProcess_code, lblJakup_date, lblJuya};
    for (int i = 0; i < 5; ++i) {
        QLabel* source = dayReportLabel(names[i]);
        fields[i]->setText(source ? source->text() : QString());
    }
}

void frm_S_starttime::cmdSave_Click() {
    if (!gfVALID(lblStarttime->text())) {
        gvUI().showMessage(QStringLiteral("입력오류"),
                           QStringLiteral("시작시간이 잘못 입력되었습니다."),
                           UserInterface::Icon::Critical);
        lblStarttime->clear();
    }
    handedBack_ = lblStarttime->text();
    handed_ = true;
    if (QLabel* target = dayReportLabel("lblStTime")) target->setText(handedBack_);
    accept();
}

QString frm_S_starttime::gsOPEN(bool* handed) {
    frm_S_starttime& dlg = gfFORM<frm_S_starttime>();
    dlg.load();
    gfSHOW_MODAL(dlg);
    const QString result = dlg.handedBack_;
    if (handed) *handed = dlg.handed_;
    gsUNLOAD<frm_S_starttime>();
    return result;
}

}  // namespace mes
