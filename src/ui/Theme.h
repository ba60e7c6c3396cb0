#pragma once

#include <QColor>
#include <QFont>

class QApplication;
class QPushButton;

namespace mes {

// The look of the touch panel: one Korean font, large type, finger-sized keys
// and the colours that carry meaning on the screens.
class Theme {
  public:
    // 20 mm on a 15-inch 1024x768 panel is about 67 px; keys get some margin.
    static constexpr int kKeySize = 85;
    static constexpr int kFontPixels = 20;
    static constexpr int kLargeFontPixels = 28;
    // Grid rows and list buttons: about 13 mm on a 15-inch 1024x768 panel.
    static constexpr int kRowHeight = 44;
    // Buttons of the navigation row and of button strips.
    static constexpr int kButtonHeight = 70;
    // The least width of a message dialog's button.
    static constexpr int kDialogButtonWidth = 160;

    static QString fontFamily();  // "NanumGothic"
    static QFont font(int pixels = kFontPixels, bool bold = false);

    static QColor editable() { return {255, 255, 192}; }  // light yellow input cell
    static QColor pickList() { return {213, 255, 175}; }  // light green pick-list cell
    static QColor shaded() { return {224, 224, 224}; }
    static QColor selected() { return {255, 128, 0}; }  // orange: chosen button or tab
    static QColor unselected() { return {250, 250, 252}; }
    static QColor buttonFace() { return {244, 246, 248}; }
    static QColor buttonPressed() { return {200, 211, 222}; }
    static QColor buttonBorder() { return {122, 133, 144}; }

    // A colour given as the number the screens use (red + green*256 + blue*65536).
    static QColor fromNumber(long value);
    static long toNumber(const QColor& c);

    // Font, palette and style sheet for the whole program.
    static void apply(QApplication& app);
    // A key of a keypad: square, at least kKeySize.
    static void makeKey(QPushButton* key);
};

}  // namespace mes
