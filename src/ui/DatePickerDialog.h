#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QPushButton;

namespace mes {

// A month calendar big enough for a finger: touch a day, then Command13 (OK);
// Command14 or any other close keeps the date as it was.
class DatePickerDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DatePickerDialog(const QDate& date, QWidget* parent = nullptr);

    QCalendarWidget* calendar = nullptr;
    QPushButton* Command13 = nullptr;  // OK
    QPushButton* Command14 = nullptr;  // cancel

    // Shows it modally; the chosen date, or an invalid one when cancelled.
    QDate choose();
};

}  // namespace mes
