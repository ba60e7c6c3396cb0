#include "ui/KeypadBase.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ModalHost.h"
#include "ui/Theme.h"

namespace mes {

KeypadBase::KeypadBase(const QString& name, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);  // typed on the keys only
    Text2->setFocusPolicy(Qt::NoFocus);
    Text2->setMinimumHeight(64);
    Text2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text2->setFont(Theme::font(Theme::kLargeFontPixels + 4, true));
    layout->addWidget(Text2);
    keys_ = new QGridLayout;
    keys_->setSpacing(6);
    layout->addLayout(keys_);
}

QPushButton* KeypadBase::addKey(const QString& name, const QString& caption, int row, int col,
                                int rowSpan, int colSpan) {
    auto* key = new QPushButton(caption, this);
    key->setObjectName(name);
    key->setAutoDefault(false);
    Theme::makeKey(key);
    keys_->addWidget(key, row, col, rowSpan, colSpan);
    return key;
}

QPushButton* KeypadBase::addTextKey(const QString& name, const QString& caption,
                                    const QString& text, int row, int col) {
    QPushButton* key = addKey(name, caption, row, col);
    connect(key, &QPushButton::clicked, this, [this, text] { typed(text); });
    return key;
}

void KeypadBase::placeControlKeys(int row, int col, bool vertical) {
    const int dr = vertical ? 1 : 0;
    const int dc = vertical ? 0 : 1;
    cmdBackSpace = addKey(QStringLiteral("cmdBackSpace"), QStringLiteral("←"), row, col);
    cmdCrea = addKey(QStringLiteral("cmdCrea"), QStringLiteral("지움"), row + dr, col + dc);
    Command13 =
        addKey(QStringLiteral("Command13"), QStringLiteral("확인"), row + 2 * dr, col + 2 * dc);
    Command14 =
        addKey(QStringLiteral("Command14"), QStringLiteral("취소"), row + 3 * dr, col + 3 * dc);
    connect(cmdBackSpace, &QPushButton::clicked, this, [this] { backSpace(); });
    connect(cmdCrea, &QPushButton::clicked, this, [this] { clearEntry(); });
    connect(Command13, &QPushButton::clicked, this, [this] { ok(); });
    connect(Command14, &QPushButton::clicked, this, &QDialog::reject);
}

QString KeypadBase::Show() {
    loadWindow();
    // Also a window hidden without an answer (an unload) hands back nothing.
    if (gfSHOW_MODAL(*this) != QDialog::Accepted) KEYPAD_no.clear();
    return KEYPAD_no;
}

void KeypadBase::done(int result) {
    if (result != QDialog::Accepted) KEYPAD_no.clear();
    QDialog::done(result);
}

void KeypadBase::loadWindow() { Text2->clear(); }

void KeypadBase::typed(const QString& text) { Text2->setText(Text2->text() + text); }

void KeypadBase::clearEntry() { Text2->clear(); }

void KeypadBase::backSpace() {
    QString t = Text2->text();
    if (t.isEmpty()) return;
    t.chop(1);
    Text2->setText(t);
}

void KeypadBase::ok() {
    if (Text2->text().isEmpty()) return;  // an empty entry is no answer
    KEYPAD_no = Text2->text();
    accept();
}

}  // namespace mes
