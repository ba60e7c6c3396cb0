#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

class QPushButton;

namespace mes {

// The row of navigation buttons shared by the list, production and history
// screens. Each button shows another screen without closing the current one;
// the screens register what their button shows. btnExit asks frm_MSG_002.
class NavigationBar : public QWidget {
    Q_OBJECT
  public:
    explicit NavigationBar(QWidget* parent = nullptr);

    QPushButton* btnJakupJisi = nullptr;     // "작업지시목록"
    QPushButton* btnDayReport = nullptr;     // "생산작업현황"
    QPushButton* btnJakupList = nullptr;     // "실적내역"
    QPushButton* btnBadList = nullptr;       // "불량내역"
    QPushButton* btnBigadongList = nullptr;  // "비가동내역"
    QPushButton* btnExit = nullptr;          // "종료"

    // Colours the button of the screen carrying the bar orange.
    void markCurrent(const QString& buttonName);

    // What a button shows (by its name); a screen registers itself here.
    static void setTarget(const QString& buttonName, std::function<void()> show);
    static void clearTargets();
    static bool hasTarget(const QString& buttonName);
    // Runs a button's target as a press would.
    static void go(const QString& buttonName);

  private:
    QPushButton* addButton(const QString& name, const QString& caption);
    static QHash<QString, std::function<void()>>& targets();
};

// btnExit: the exit question; "Exit" ends the program.
void gsEXIT_QUESTION();

}  // namespace mes
