#include "ui/DatePickerDialog.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/ModalHost.h"
#include "ui/Theme.h"

namespace mes {

DatePickerDialog::DatePickerDialog(const QDate& date, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QStringLiteral("날짜 선택"));
    auto* layout = new QVBoxLayout(this);
    calendar = new QCalendarWidget(this);
    calendar->setObjectName(QStringLiteral("calendar"));
    calendar->setSelectedDate(date.isValid() ? date : QDate::currentDate());
    calendar->setGridVisible(true);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setFont(Theme::font(Theme::kFontPixels + 4, true));
    // Seven columns and a header over six weeks: every day at least a grid row high.
    calendar->setMinimumSize(7 * (Theme::kRowHeight + 36), 8 * Theme::kRowHeight);
    layout->addWidget(calendar, 1);
    auto* buttons = new QHBoxLayout;
    auto add = [this, buttons](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setProperty("dialogButton", true);
        buttons->addWidget(b);
        return b;
    };
    Command13 = add(QStringLiteral("Command13"), QStringLiteral("확인"));
    Command14 = add(QStringLiteral("Command14"), QStringLiteral("취소"));
    layout->addLayout(buttons);
    connect(Command13, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command14, &QPushButton::clicked, this, &QDialog::reject);
    connect(calendar, &QCalendarWidget::activated, this, &QDialog::accept);
}

QDate DatePickerDialog::choose() {
    return gfSHOW_MODAL(*this) == QDialog::Accepted ? calendar->selectedDate() : QDate();
}

}  // namespace mes
