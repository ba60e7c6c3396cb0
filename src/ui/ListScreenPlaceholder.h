#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace mes {

class NavigationBar;

// The main screen until the work-order list takes its place: caption, clock
// and the navigation row.
class ListScreenPlaceholder : public QWidget {
    Q_OBJECT
  public:
    explicit ListScreenPlaceholder(QWidget* parent = nullptr);

    QLabel* lblDate = nullptr;
    QLabel* lblTime = nullptr;
    NavigationBar* navigation = nullptr;
    QTimer* Timer1 = nullptr;

    // Shows the list screen (btnJakupJisi's default target until the list lands).
    static void showScreen();

  private:
    void tick();
};

}  // namespace mes
