#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableView;
class QVBoxLayout;
class QWidget;

namespace mes {

class clsSpread;

// The frame of a full-screen window: the column of rows and its top row, which
// already holds the title as a caption.
struct ScreenFrame {
    QVBoxLayout* layout = nullptr;
    QHBoxLayout* top = nullptr;
};

// Names the window and places it over the whole panel.
void gsSCREEN_WINDOW(QWidget* screen, const QString& name, const QString& title);

// gsSCREEN_WINDOW, then the frame with the title caption.
ScreenFrame gfSCREEN_FRAME(QWidget* screen, const QString& name, const QString& title);

// A large action button that never takes the focus from the grid.
QPushButton* gfBIG_BUTTON(QWidget* parent, const QString& name, const QString& caption);

// The grid "ss" with its spread helper; the caller places it.
QTableView* gfSPREAD_GRID(QWidget* parent, clsSpread** spread);

// A fixed caption over or beside a field, on the caption colour.
QLabel* gfCAPTION(QWidget* parent, const QString& text, const QString& name = {});

// A shown value: boxed, white, centred, one grid row high.
void gsFIELD_LOOK(QLabel* field);

// An action button of a screen in the normal type.
QPushButton* gfBUTTON(QWidget* parent, const QString& name, const QString& text);

// A button of a dialog's bottom row; Return stays with the grid.
QPushButton* gfDIALOG_BUTTON(QWidget* parent, const QString& name, const QString& text);

}  // namespace mes
