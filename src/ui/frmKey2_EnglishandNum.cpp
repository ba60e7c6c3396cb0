#include "ui/frmKey2_EnglishandNum.h"

#include <QLineEdit>
#include <QPushButton>

namespace mes {

frmKey2_EnglishandNum::frmKey2_EnglishandNum(QWidget* parent)
    : KeypadBase(QStringLiteral("frmKey2_EnglishandNum"), QStringLiteral("영문/숫자 입력"),
                 parent) {
    for (int d = 0; d < 10; ++d) {
        const QString s = QString::number((d + 1) % 10);
        addTextKey(QStringLiteral("cmd") + s, s, s, 0, d);
    }
    const QString rows[] = {QStringLiteral("qwertyuiop"), QStringLiteral("asdfghjkl"),
                            QStringLiteral("zxcvbnm")};
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; i < rows[r].size(); ++i) {
            const QChar c = rows[r][i];
            QPushButton* key = addKey(QStringLiteral("cmd") + c, QString(c.toUpper()), r + 1, i);
            connect(key, &QPushButton::clicked, this, [this, c] { letter(c); });
            letters_.append(key);
        }
    }
    Command15 =
        addTextKey(QStringLiteral("Command15"), QStringLiteral("-"), QStringLiteral("-"), 2, 9);
    Command3 = addKey(QStringLiteral("Command3"), QStringLiteral("."), 3, 7);
    cmdshift = addKey(QStringLiteral("cmdshift"), QStringLiteral("Shift"), 3, 8, 1, 2);
    connect(Command3, &QPushButton::clicked, this, [this] { point(); });
    connect(cmdshift, &QPushButton::clicked, this, [this] { shift(); });
    placeControlKeys(4, 0, false);
    adjustSize();
}

void frmKey2_EnglishandNum::loadWindow() {
    KeypadBase::loadWindow();
    lowerCase_ = false;
    shiftCount_ = 2;
    pointFlag_ = QStringLiteral("0");
    showCase();
}

void frmKey2_EnglishandNum::showCase() {
    for (QPushButton* key : letters_) {
        const QString c = key->text();
        key->setText(lowerCase_ ? c.toLower() : c.toUpper());
    }
}

void frmKey2_EnglishandNum::dropStaleResult() {
    // The previous answer is still there: a new entry starts from nothing.
    if (!KEYPAD_no.isEmpty()) {
        KEYPAD_no.clear();
        Text2->clear();
    }
}

void frmKey2_EnglishandNum::typed(const QString& text) {
    dropStaleResult();
    KeypadBase::typed(text);
}

void frmKey2_EnglishandNum::letter(QChar c) {
    dropStaleResult();
    KeypadBase::typed(QString(lowerCase_ ? c.toLower() : c.toUpper()));
}

void frmKey2_EnglishandNum::point() {
    if (pointFlag_ != QStringLiteral("0")) return;
    KeypadBase::typed(QStringLiteral("."));
    pointFlag_ = QStringLiteral("1");
}

void frmKey2_EnglishandNum::shift() {
    // The state follows the count before this press: the first press keeps upper case.
    lowerCase_ = (shiftCount_ % 2) == 1;
    ++shiftCount_;
    showCase();
}

void frmKey2_EnglishandNum::clearEntry() {
    KeypadBase::clearEntry();
    pointFlag_ = QStringLiteral("0");
}

void frmKey2_EnglishandNum::backSpace() {
    KeypadBase::backSpace();
    if (Text2->text().isEmpty()) pointFlag_ = QStringLiteral("0");
}

}  // namespace mes
