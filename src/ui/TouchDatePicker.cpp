#include "ui/TouchDatePicker.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "foundation/TerminalClock.h"
#include "ui/DatePickerDialog.h"
#include "ui/Theme.h"

namespace mes {

TouchDatePicker::TouchDatePicker(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    auto add = [this, row](const QString& objectName, int width) {
        auto* b = new QPushButton(this);
        b->setObjectName(objectName);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumSize(width, Theme::kRowHeight);
        b->setFont(Theme::font(Theme::kLargeFontPixels - 4, true));
        row->addWidget(b);
        return b;
    };
    btnPrevDay = add(QStringLiteral("btnPrevDay"), Theme::kRowHeight + 16);
    btnDate = add(QStringLiteral("btnDate"), 180);
    btnNextDay = add(QStringLiteral("btnNextDay"), Theme::kRowHeight + 16);
    btnPrevDay->setText(QStringLiteral("◀"));
    btnNextDay->setText(QStringLiteral("▶"));
    connect(btnPrevDay, &QPushButton::clicked, this, [this] { setDate(date_.addDays(-1)); });
    connect(btnNextDay, &QPushButton::clicked, this, [this] { setDate(date_.addDays(1)); });
    connect(btnDate, &QPushButton::clicked, this, &TouchDatePicker::pick);
    setDate(TerminalClock::now().date());
}

void TouchDatePicker::setDate(const QDate& date) {
    if (!date.isValid() || date == date_) return;
    date_ = date;
    btnDate->setText(text());
    emit dateChanged(date_);
}

QString TouchDatePicker::text() const { return date_.toString(QStringLiteral("yyyy-MM-dd")); }

void TouchDatePicker::pick() {
    DatePickerDialog dialog(date_, this);
    setDate(dialog.choose());
}

}  // namespace mes
