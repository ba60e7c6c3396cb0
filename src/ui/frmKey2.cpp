#include "ui/frmKey2.h"

namespace mes {

frmKey2::frmKey2(QWidget* parent)
    : frmKey2(QStringLiteral("frmKey2"), QStringLiteral("수량 입력"), parent) {}

frmKey2::frmKey2(const QString& name, const QString& caption, QWidget* parent)
    : KeypadBase(name, caption, parent) {
    build();
}

void frmKey2::build() {
    // 7 8 9 / 4 5 6 / 1 2 3 / 0, with the control keys in a fourth column.
    static const int order[] = {7, 8, 9, 4, 5, 6, 1, 2, 3};
    for (int i = 0; i < 9; ++i) {
        const QString d = QString::number(order[i]);
        addTextKey(QStringLiteral("cmd") + d, d, d, i / 3, i % 3);
    }
    addTextKey(QStringLiteral("cmd0"), QStringLiteral("0"), QStringLiteral("0"), 3, 0);
    placeControlKeys(0, 3, true);
    adjustSize();
}

}  // namespace mes
