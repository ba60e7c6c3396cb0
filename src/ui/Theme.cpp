#include "ui/Theme.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPushButton>

namespace mes {

QString Theme::fontFamily() { return QStringLiteral("NanumGothic"); }

QFont Theme::font(int pixels, bool bold) {
    QFont f(fontFamily());
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QColor Theme::fromNumber(long value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

long Theme::toNumber(const QColor& c) {
    return static_cast<long>(c.red()) + static_cast<long>(c.green()) * 256L +
           static_cast<long>(c.blue()) * 65536L;
}

void Theme::apply(QApplication& app) {
    if (!QFontDatabase::families().contains(fontFamily())) {
        qWarning("font %s not installed (fonts-nanum); Korean text may not show",
                 qPrintable(fontFamily()));
    }
    app.setFont(font());
    app.setStyleSheet(
        QStringLiteral(
            "QPushButton { padding: 4px 10px; border: 1px solid %2;"
            " border-radius: 6px; background: %3; }"
            "QPushButton:pressed { background: %4; }"
            "QPushButton[key=\"true\"] { font-size: 28px; font-weight: bold; padding: 0px;"
            " min-width: %1px; min-height: %1px; }"
            "QPushButton[dialogButton=\"true\"] { font-size: 28px; font-weight: bold; padding: 0px;"
            " min-width: 160px; min-height: %1px; }"
            "QLineEdit { font-size: 30px; padding: 6px; }"
            "QHeaderView::section { background: #dde3ea; padding: 4px; border: 1px solid #b0b8c0; }"
            "QTableView { gridline-color: #b0b8c0; }")
            .arg(kKeySize)
            .arg(buttonBorder().name(), buttonFace().name(), buttonPressed().name()));
}

void Theme::makeKey(QPushButton* key) {
    key->setMinimumSize(kKeySize, kKeySize);
    key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    key->setProperty("key", true);
    key->setFocusPolicy(Qt::NoFocus);
}

}  // namespace mes
