#include "ui/frmKey2_jaju.h"

#include <QLineEdit>
#include <QPushButton>

namespace mes {

frmKey2_jaju::frmKey2_jaju(QWidget* parent)
    : KeypadBase(QStringLiteral("frmKey2_jaju"), QStringLiteral("검사값 입력"), parent) {
    static const int order[] = {7, 8, 9, 4, 5, 6, 1, 2, 3};
    for (int i = 0; i < 9; ++i) {
        const QString d = QString::number(order[i]);
        addTextKey(QStringLiteral("cmd") + d, d, d, i / 3, i % 3);
    }
    addTextKey(QStringLiteral("cmd0"), QStringLiteral("0"), QStringLiteral("0"), 3, 0);
    Command3 = addKey(QStringLiteral("Command3"), QStringLiteral("."), 3, 1);
    cmdOK = addKey(QStringLiteral("cmdOK"), QStringLiteral("OK"), 0, 3);
    cmd_NG = addKey(QStringLiteral("cmd_NG"), QStringLiteral("NG"), 1, 3);
    placeControlKeys(0, 4, true);
    // The word keys take the clear key's place.
    delete cmdCrea;
    cmdCrea = nullptr;
    connect(Command3, &QPushButton::clicked, this, [this] { point(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { word(QStringLiteral("OK")); });
    connect(cmd_NG, &QPushButton::clicked, this, [this] { word(QStringLiteral("NG")); });
    adjustSize();
}

bool frmKey2_jaju::showsWord() const {
    const QString t = Text2->text();
    return t == QLatin1String("OK") || t == QLatin1String("NG");
}

void frmKey2_jaju::typed(const QString& text) {
    if (showsWord()) Text2->clear();
    KeypadBase::typed(text);
}

void frmKey2_jaju::point() {
    if (showsWord()) Text2->clear();
    // A point needs a digit before it; a second one is not refused.
    if (!Text2->text().isEmpty()) KeypadBase::typed(QStringLiteral("."));
}

void frmKey2_jaju::word(const QString& w) { Text2->setText(w); }

void frmKey2_jaju::backSpace() {
    if (showsWord()) {
        Text2->clear();
        return;
    }
    KeypadBase::backSpace();
}

}  // namespace mes
