#include "ui/ScreenParts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/Theme.h"
#include "ui/clsSpread.h"

namespace mes {

void gsSCREEN_WINDOW(QWidget* screen, const QString& name, const QString& title) {
    screen->setObjectName(name);
    screen->setWindowTitle(title);
    screen->move(0, 0);
    screen->resize(1024, 768);
}

ScreenFrame gfSCREEN_FRAME(QWidget* screen, const QString& name, const QString& title) {
    gsSCREEN_WINDOW(screen, name, title);
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

QLabel* gfCAPTION(QWidget* parent, const QString& text, const QString& name) {
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty()) l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("background: rgb(214,224,236);"));
    l->setMinimumHeight(Theme::kRowHeight);
    return l;
}

void gsFIELD_LOOK(QLabel* field) {
    field->setFrameShape(QFrame::Box);
    field->setMinimumHeight(Theme::kRowHeight);
    field->setAlignment(Qt::AlignCenter);
    field->setStyleSheet(QStringLiteral("background: white;"));
}

QPushButton* gfBUTTON(QWidget* parent, const QString& name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMinimumHeight(Theme::kButtonHeight);
    b->setFont(Theme::font(Theme::kFontPixels, true));
    return b;
}

QPushButton* gfDIALOG_BUTTON(QWidget* parent, const QString& name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMinimumSize(Theme::kKeySize * 2, Theme::kButtonHeight);
    b->setAutoDefault(false);
    return b;
}

}  // namespace mes
