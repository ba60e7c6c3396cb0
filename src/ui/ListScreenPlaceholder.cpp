#include "ui/ListScreenPlaceholder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "foundation/TerminalClock.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "ui/Theme.h"

namespace mes {

ListScreenPlaceholder::ListScreenPlaceholder(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frm_S_jakupjisi_list"));
    setWindowTitle(QStringLiteral("작업지시목록"));
    resize(1024, 768);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("작업지시목록"), this);
    caption->setFont(Theme::font(Theme::kLargeFontPixels + 6, true));
    lblDate = new QLabel(this);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblTime = new QLabel(this);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    for (QLabel* l : {lblDate, lblTime}) l->setFont(Theme::font(Theme::kLargeFontPixels, true));
    top->addWidget(caption, 1);
    top->addWidget(lblDate);
    top->addSpacing(12);
    top->addWidget(lblTime);
    layout->addLayout(top);
    layout->addStretch(1);
    navigation = new NavigationBar(this);
    navigation->markCurrent(QStringLiteral("btnJakupJisi"));
    layout->addWidget(navigation);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &ListScreenPlaceholder::tick);
    Timer1->start();
    tick();
}

void ListScreenPlaceholder::tick() {
    lblDate->setText(TerminalClock::date());
    lblTime->setText(TerminalClock::time());
}

void ListScreenPlaceholder::showScreen() {
    ListScreenPlaceholder& s = gfFORM<ListScreenPlaceholder>();
    s.move(0, 0);
    s.show();
    s.raise();
    s.activateWindow();
}

}  // namespace mes
