#pragma once

#include <QObject>
#include <initializer_list>

class QTimer;
class QWidget;

namespace mes {

// The clocks and refreshes of a screen tick only while the operator sees it:
// the screen is visible and no screen shown after it (gsSHOW_SCREEN) is
// visible over it. Otherwise its ticks are dropped, so a covered or hidden
// screen queries nothing; in front again, they go on.
//
// The timers stay as the screen's code set them: started, stopped and
// isActive() keep their meaning (the production screen's Timer2 also tells the
// count mode), only the ticks wait.
class ScreenTimers : public QObject {
    Q_OBJECT
  public:
    // Governs these timers of screen; the governor lives as long as the screen.
    static void govern(QWidget* screen, std::initializer_list<QTimer*> timers);
    // The screen was brought to the front (gsSHOW_SCREEN calls it).
    static void toFront(QWidget* screen);
    // True when the operator sees the screen, so its timers tick.
    static bool inFront(const QWidget* screen);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit ScreenTimers(QWidget* screen);
    QWidget* screen_;
};

}  // namespace mes
