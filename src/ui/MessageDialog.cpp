#include "ui/MessageDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "foundation/UserInterface.h"
#include "ui/ModalHost.h"
#include "ui/Theme.h"

namespace mes {

MessageDialog::MessageDialog(const QString& name, double position, QWidget* parent)
    : QDialog(parent), position_(position) {
    setObjectName(name);
    setWindowTitle(gfPRODUCT_NAME());
    setMinimumSize(420, 220);
    auto* layout = new QVBoxLayout(this);
    Lb_msg = new QLabel(this);
    Lb_msg->setObjectName(QStringLiteral("Lb_msg"));
    Lb_msg->setAlignment(Qt::AlignCenter);
    Lb_msg->setWordWrap(true);
    Lb_msg->setTextFormat(Qt::PlainText);
    Lb_msg->setFont(Theme::font(Theme::kLargeFontPixels, true));
    Lb_msg->setMinimumHeight(100);
    layout->addWidget(Lb_msg, 1);
    buttons_ = new QWidget(this);
    auto* row = new QHBoxLayout(buttons_);
    row->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buttons_);
}

QPushButton* MessageDialog::addButton(const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, buttons_);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumSize(Theme::kDialogButtonWidth, Theme::kKeySize);
    b->setProperty("dialogButton", true);
    b->setFont(Theme::font(Theme::kLargeFontPixels, true));
    buttons_->layout()->addWidget(b);
    return b;
}

int MessageDialog::showAtPlace() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        move(g.left() + static_cast<int>(g.width() * position_),
             g.top() + static_cast<int>(g.height() * position_));
    }
    return gfSHOW_MODAL(*this);
}

}  // namespace mes
