#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

class QPushButton;

namespace mes {

// The row of navigation buttons shared by the list, production and history
// screens. Each button shows another screen without closing the current one.
//
// What a button does is decided per bar: the screen carrying the bar may give a
// button its own action (setAction); any other button runs its default target,
// "show that screen and run its search", registered once for the whole program
// (gsREGISTER_NAVIGATION). btnExit asks frm_MSG_002 unless the screen says otherwise.
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

    // This bar's own action for a button, in place of its default target. An
    // empty action makes the button do nothing on this screen.
    void setAction(const QString& buttonName, std::function<void()> action);
    // Runs what a press on this bar's button does.
    void press(const QString& buttonName);

    // Default targets, by button name; registered in one place of the program.
    static void setTarget(const QString& buttonName, std::function<void()> show);
    static void clearTargets();
    static bool hasTarget(const QString& buttonName);
    // Runs a button's default target.
    static void go(const QString& buttonName);

  private:
    QPushButton* addButton(const QString& name, const QString& caption);
    static QHash<QString, std::function<void()>>& targets();

    QHash<QString, std::function<void()>> actions_;
};

// btnExit: the exit question; "Exit" ends the program.
void gsEXIT_QUESTION();

}  // namespace mes
