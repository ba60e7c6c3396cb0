#include "ui/ScreenParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/Theme.h"
#include "ui/clsSpread.h"

namespace mes {

ScreenFrame gfSCREEN_FRAME(QWidget* screen, const QString& name, const QString& title) {
    screen->setObjectName(name);
    screen->setWindowTitle(title);
    screen->move(0, 0);
    screen->resize(1024, 768);
    ScreenFrame frame;
    frame.layout = new QVBoxLayout(screen);
    frame.top = new QHBoxLayout;
    auto* caption = new QLabel(title, screen);
    caption->setFont(Theme::font(Theme::kLargeFontPixels + 6, true));
    frame.top->addWidget(caption);
    frame.top->addSpacing(16);
    frame.layout->addLayout(frame.top);
    return frame;
}

QPushButton* gfBIG_BUTTON(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setMinimumHeight(Theme::kButtonHeight);
    b->setFont(Theme::font(Theme::kLargeFontPixels, true));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QTableView* gfSPREAD_GRID(QWidget* parent, clsSpread** spread) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(QStringLiteral("ss"));
    *spread = new clsSpread(parent);
    (*spread)->Spr(grid);
    return grid;
}

}  // namespace mes
