#include "reports/ProcessHistoryScreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"
#include "ui/ButtonStrip.h"
#include "ui/NavigationBar.h"
#include "ui/ScreenTimers.h"
#include "ui/Theme.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_jakupjisi_list.h"

namespace mes {

namespace {
constexpr int kProcessButtons = 7;
}

ProcessHistoryScreen::ProcessHistoryScreen(const QString& name, const QString& findCaption,
                                           const QString& ownTab, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(name);
    setWindowTitle(name);
    resize(1024, 768);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    lblWC_name = new QLabel(this);
    lblWC_name->setObjectName(QStringLiteral("lblWC_name"));
    lblWC_name->setFont(Theme::font(Theme::kLargeFontPixels + 4, true));
    lblDate = new QLabel(this);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblTime = new QLabel(this);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    for (QLabel* l : {lblDate, lblTime}) l->setFont(Theme::font(Theme::kLargeFontPixels, true));
    top->addWidget(lblWC_name, 1);
    top->addWidget(lblDate);
    top->addSpacing(12);
    top->addWidget(lblTime);
    layout->addLayout(top);

    toolRow_ = new QHBoxLayout;
    btnFind = new QPushButton(findCaption, this);
    btnFind->setObjectName(QStringLiteral("btnFind"));
    btnFind->setMinimumHeight(Theme::kButtonHeight);
    btnFind->setFont(Theme::font(Theme::kFontPixels, true));
    toolRow_->addWidget(btnFind);
    toolRow_->addStretch(1);
    layout->addLayout(toolRow_);

    btnEquipment =
        new ButtonStrip(QStringLiteral("btnEquipment"), kProcessButtons, 1, kProcessButtons, this);
    layout->addWidget(btnEquipment);

    ss = new QTableView(this);
    ss->setObjectName(QStringLiteral("ss"));
    layout->addWidget(ss, 1);
    spread = new clsSpread(this);
    spread->Spr(ss);

    navigation = new NavigationBar(this);
    navigation->markCurrent(ownTab);
    navigation->setAction(ownTab, {});
    navigation->setAction(QStringLiteral("btnJakupJisi"), &frm_S_jakupjisi_list::showCleared);
    layout->addWidget(navigation);

    connect(btnFind, &QPushButton::clicked, this, &ProcessHistoryScreen::btnFind_Click);
    connect(btnEquipment, &ButtonStrip::clicked, this, &ProcessHistoryScreen::btnEquipment_Click);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &ProcessHistoryScreen::tick);
    ScreenTimers::govern(this, {Timer1});
    Timer1->start();
    tick();
}

void ProcessHistoryScreen::load() {
    move(0, 0);
    btnFind->setVisible(true);
    lsQuery();
}

void ProcessHistoryScreen::tick() {
    lblDate->setText(TerminalClock::date());
    lblTime->setText(TerminalClock::time());
}

void ProcessHistoryScreen::refreshProcessButtons() {
    const QString date = queryDate();
    const QString sql = reports::gfPROCESS_BUTTONS_SQL(gfGET_IP(), date, ipClause());
    // False also means "no rows"; a failure is in the error log already and
    // leaves the record set closed: then the buttons stay as they were.
    RecordSet& rs = gvRS();
    if (!gfDB_QUERY(sql, false, objectName()) && !rs.isOpen()) return;
    const int wanted = rs.recordCount();
    // More processes than buttons: the strip grows and pages, nothing is cut.
    if (wanted > btnEquipment->count()) {
        auto* bigger =
            new ButtonStrip(QStringLiteral("btnEquipment"), wanted, 1, kProcessButtons, this);
        static_cast<QBoxLayout*>(layout())->replaceWidget(btnEquipment, bigger);
        btnEquipment->deleteLater();
        btnEquipment = bigger;
        connect(btnEquipment, &ButtonStrip::clicked, this,
                &ProcessHistoryScreen::btnEquipment_Click);
    }
    int n = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext(), ++n)
        btnEquipment->setButton(n, rs.text(QStringLiteral("PROCESS_NAME")),
                                rs.text(QStringLiteral("PROCESS_CODE")));
    rs.close();
    btnEquipment->hideFrom(n);
}

void ProcessHistoryScreen::lsQuery() {
    refreshProcessButtons();
    spread->SetbindRS(historySql(gfGET_IP(), processFilter_), objectName());
    afterQuery();
}

void ProcessHistoryScreen::btnFind_Click() {
    processFilter_.clear();
    lsQuery();
    btnEquipment->clearSelection();
    btnFind->setStyleSheet(QStringLiteral("background-color: rgb(255,128,0);"));
    lblWC_name->setText(btnFind->text());
}

void ProcessHistoryScreen::btnEquipment_Click(int index) {
    const QString caption = btnEquipment->caption(index);
    const QString code = btnEquipment->tag(index);
    btnFind->setStyleSheet(QStringLiteral("background-color: rgb(250,250,252);"));
    btnEquipment->select(index);
    lblWC_name->setText(caption);
    processFilter_ = reports::gfPROCESS_FILTER(filterColumn(), code);
    lsQuery();
    // The refresh may have reordered the buttons: keep the chosen process lit.
    for (int i = 0; i < btnEquipment->count(); ++i)
        if (btnEquipment->isButtonVisible(i) && btnEquipment->tag(i) == code)
            btnEquipment->select(i);
}

}  // namespace mes
