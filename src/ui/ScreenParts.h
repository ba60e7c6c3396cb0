#pragma once

#include <QString>

class QHBoxLayout;
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

// Names the window, places it over the whole panel and starts its frame.
ScreenFrame gfSCREEN_FRAME(QWidget* screen, const QString& name, const QString& title);

// A large action button that never takes the focus from the grid.
QPushButton* gfBIG_BUTTON(QWidget* parent, const QString& name, const QString& caption);

// The grid "ss" with its spread helper; the caller places it.
QTableView* gfSPREAD_GRID(QWidget* parent, clsSpread** spread);

}  // namespace mes
