#include "ui/NavigationBar.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "ui/Forms.h"
#include "ui/ProcessExit.h"
#include "ui/Theme.h"
#include "ui/frm_MSG_002.h"

namespace mes {

NavigationBar::NavigationBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("NavigationBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    btnJakupJisi = addButton(QStringLiteral("btnJakupJisi"), QStringLiteral("작업지시목록"));
    btnDayReport = addButton(QStringLiteral("btnDayReport"), QStringLiteral("생산작업현황"));
    btnJakupList = addButton(QStringLiteral("btnJakupList"), QStringLiteral("실적내역"));
    btnBadList = addButton(QStringLiteral("btnBadList"), QStringLiteral("불량내역"));
    btnBigadongList = addButton(QStringLiteral("btnBigadongList"), QStringLiteral("비가동내역"));
    btnExit = addButton(QStringLiteral("btnExit"), QStringLiteral("종료"));
}

QPushButton* NavigationBar::addButton(const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setMinimumHeight(Theme::kKeySize - 15);
    b->setFont(Theme::font(Theme::kFontPixels + 2, true));
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout()->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, name] { press(name); });
    return b;
}

void NavigationBar::markCurrent(const QString& buttonName) {
    for (QPushButton* b : findChildren<QPushButton*>()) {
        const bool current = b->objectName() == buttonName;
        b->setStyleSheet(current ? QStringLiteral("background: rgb(255,128,0);") : QString());
    }
}

void NavigationBar::setAction(const QString& buttonName, std::function<void()> action) {
    actions_.insert(buttonName, std::move(action));
}

void NavigationBar::press(const QString& buttonName) {
    const auto own = actions_.constFind(buttonName);
    if (own == actions_.cend()) {
        go(buttonName);
        return;
    }
    // Copied: the action may unload the screen carrying this bar.
    const std::function<void()> action = *own;
    if (action) action();
}

QHash<QString, std::function<void()>>& NavigationBar::targets() {
    static QHash<QString, std::function<void()>> map;
    return map;
}

void NavigationBar::setTarget(const QString& buttonName, std::function<void()> show) {
    targets().insert(buttonName, std::move(show));
}

void NavigationBar::clearTargets() { targets().clear(); }

bool NavigationBar::hasTarget(const QString& buttonName) { return targets().contains(buttonName); }

void NavigationBar::go(const QString& buttonName) {
    if (buttonName == QLatin1String("btnExit")) {
        gsEXIT_QUESTION();
        return;
    }
    // Copied: the target may replace the table while it runs.
    const std::function<void()> show = targets().value(buttonName);
    if (show) show();
}

void gsEXIT_QUESTION() {
    if (gfFORM<frm_MSG_002>().Show() == QLatin1String("Exit")) gsEND_PROCESS(0);
}

}  // namespace mes
