#pragma once

#include <QDate>
#include <QWidget>

class QPushButton;

namespace mes {

// A date for a finger: the day before, the date itself (a touch opens the
// calendar DatePickerDialog) and the day after. Starts at the terminal's today.
class TouchDatePicker : public QWidget {
    Q_OBJECT
  public:
    explicit TouchDatePicker(const QString& name, QWidget* parent = nullptr);

    QDate date() const { return date_; }
    void setDate(const QDate& date);
    // The date as the statements carry it, "yyyy-MM-dd".
    QString text() const;

    QPushButton* btnPrevDay = nullptr;
    QPushButton* btnDate = nullptr;
    QPushButton* btnNextDay = nullptr;

  signals:
    void dateChanged(const QDate& date);

  private:
    void pick();

    QDate date_;
};

}  // namespace mes
