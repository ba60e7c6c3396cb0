#include <QCalendarWidget>
#include <QDate>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <numeric>

#include "foundation/TerminalClock.h"
#include "ui/ButtonStrip.h"
#include "ui/CountLabel.h"
#include "ui/DatePickerDialog.h"
#include "ui/Theme.h"
#include "ui/TouchDatePicker.h"
#include "ui/TouchLabel.h"
#include "ui/support/UiFixture.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class TouchWidgets : public uitest::UiFixture {
  protected:
    // The visible buttons of the page shown, by index.
    static QList<int> onPage(const ButtonStrip& strip) {
        QList<int> out;
        for (int i = 0; i < strip.count(); ++i) {
            if (strip.button(i)->isVisible()) out << i;
        }
        return out;
    }
    static QColor pixel(QWidget* w, QPoint at) { return w->grab().toImage().pixelColor(at); }
};

TEST_F(TouchWidgets, ButtonStripPagesThroughEveryShownButtonNothingCut) {
    ButtonStrip strip("btnEquipment", 55, 2, 3);
    strip.resize(900, 160);
    for (int i = 0; i < 14; ++i)
        strip.setButton(i, QString("고객%1").arg(i), QString("C%1").arg(i));
    strip.hideFrom(14);
    strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    EXPECT_EQ(strip.pageCount(), 3);
    EXPECT_TRUE(strip.btnNextPage->isVisible());
    EXPECT_FALSE(strip.btnPrevPage->isEnabled());
    QList<int> seen;
    for (int page = 0; page < 3; ++page) {
        if (page > 0) QTest::mouseClick(strip.btnNextPage, Qt::LeftButton);
        EXPECT_EQ(strip.page(), page);
        for (int i : onPage(strip)) {
            QPushButton* b = strip.button(i);
            EXPECT_TRUE(strip.rect().contains(b->geometry())) << i << ": inside the strip";
            EXPECT_GE(b->height(), Theme::kRowHeight) << i;
        }
        seen << onPage(strip);
    }
    QList<int> all(14);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(seen, all);
    EXPECT_FALSE(strip.btnNextPage->isEnabled()) << "the last page";

    strip.setPage(0);
    strip.setButtonVisible(3, false);
    EXPECT_EQ(onPage(strip), (QList<int>{0, 1, 2, 4, 5, 6})) << "a hidden button takes no place";
    strip.hideFrom(6);
    EXPECT_FALSE(strip.btnNextPage->isVisible()) << "no paging when everything fits";
    EXPECT_EQ(strip.pageCount(), 1);
}

TEST_F(TouchWidgets, ButtonStripCarriesCaptionTagAndColoursAndReportsTheIndex) {
    ButtonStrip strip("btnEquipment", 20, 1, 4);
    strip.resize(800, 80);
    strip.setButton(0, "S&T 모터스", "C001");
    strip.setButton(1, "(주)대한정밀산업 제2공장 조립라인", "C002");
    for (int i = 2; i < 9; ++i) strip.setButton(i, QString("고객%1").arg(i), QString("C%1").arg(i));
    strip.hideFrom(9);
    strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    EXPECT_EQ(strip.caption(0), "S&T 모터스");
    EXPECT_EQ(strip.tag(0), "C001");
    EXPECT_TRUE(strip.button(0)->shortcut().isEmpty()) << "& is a letter";
    for (int i : {0, 1}) {
        QPushButton* b = strip.button(i);
        const QFontMetrics m(b->font());
        const QStringList lines = b->text().replace("&&", "&").split('\n');
        EXPECT_EQ(lines.join(' '), strip.caption(i)) << "the whole caption is shown";
        for (const QString& line : lines) EXPECT_LE(m.horizontalAdvance(line), b->width());
        EXPECT_LE(m.lineSpacing() * lines.size(), b->height());
    }

    QSignalSpy clicks(&strip, &ButtonStrip::clicked);
    QTest::mouseClick(strip.button(2), Qt::LeftButton);
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 2);

    EXPECT_EQ(strip.selected(), -1);
    EXPECT_EQ(strip.backColor(0), Theme::unselected());
    strip.select(6);
    EXPECT_EQ(strip.page(), 1) << "the chosen button is brought into view";
    EXPECT_EQ(strip.selected(), 6);
    EXPECT_EQ(strip.backColor(6), Theme::selected());
    EXPECT_EQ(strip.backColor(2), Theme::unselected());
    const QPoint edge(6, strip.button(6)->height() / 2);
    EXPECT_EQ(pixel(strip.button(6), edge), Theme::selected()) << "shown as read back";
    QTest::mousePress(strip.button(6), Qt::LeftButton);
    EXPECT_EQ(pixel(strip.button(6), edge), Theme::buttonPressed()) << "pressed feedback";
    QTest::mouseRelease(strip.button(6), Qt::LeftButton);
    strip.clearSelection();
    EXPECT_EQ(strip.selected(), -1);
}

// Two years of open orders' dates, refreshed as the list does it: every page
// shows the next five dates in order, a selected date is brought into view, and
// only the page shown has widgets made for it.
TEST_F(TouchWidgets, ADateStripOf736DatesPagesInOrderAndSelectsTheSameDate) {
    QStringList dates;
    for (int i = 0; i < 736; ++i) dates << QDate(2026, 12, 9).addDays(-i).toString(Qt::ISODate);
    // Filled button by button, or at once as the list fills it.
    for (const bool atOnce : {false, true}) {
        SCOPED_TRACE(atOnce ? "filled at once" : "filled button by button");
        ButtonStrip strip("btnEquipment2", 20, 1, 5);
        strip.resize(1000, 70);
        strip.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
        auto fill = [&] {
            if (atOnce) {
                QList<std::pair<QString, QString>> entries;
                for (const QString& d : dates) entries.append({d, d});
                strip.setButtons(entries);
                for (int i = 0; i < dates.size(); ++i) strip.setBackColor(i, Theme::unselected());
                return;
            }
            strip.ensureCount(static_cast<int>(dates.size()));
            for (int i = 0; i < dates.size(); ++i) {
                strip.setButton(i, dates[i], dates[i]);
                strip.setBackColor(i, Theme::unselected());
            }
            strip.hideFrom(static_cast<int>(dates.size()));
        };
        // The captions of the page shown, left to right.
        auto shown = [&] {
            QList<QPushButton*> on;
            for (QPushButton* b : strip.findChildren<QPushButton*>())
                if (b->isVisible() && b != strip.btnPrevPage && b != strip.btnNextPage) on << b;
            std::sort(on.begin(), on.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
            QStringList out;
            for (QPushButton* b : on) out << b->text().replace('\n', ' ').replace("&&", "&");
            return out;
        };
        fill();
        fill();  // the refresh of an unchanged list
        EXPECT_EQ(strip.findChildren<QPushButton*>().size(), 2 + 5)
            << "widgets for the page shown, not for every date";
        ASSERT_EQ(strip.pageCount(), 148);
        for (int page = 0; page < strip.pageCount(); ++page) {
            if (page > 0) QTest::mouseClick(strip.btnNextPage, Qt::LeftButton);
            ASSERT_EQ(strip.page(), page);
            ASSERT_EQ(shown(), dates.mid(page * 5, 5)) << "page " << page;
        }
        EXPECT_FALSE(strip.btnNextPage->isEnabled());

        for (int chosen : {0, 367, 735}) {
            strip.select(chosen);
            EXPECT_EQ(strip.selected(), chosen);
            EXPECT_EQ(strip.page(), chosen / 5);
            EXPECT_TRUE(shown().contains(dates[chosen]));
            QPushButton* b = strip.button(chosen);
            EXPECT_TRUE(b->isVisible());
            EXPECT_EQ(pixel(b, QPoint(6, b->height() / 2)), Theme::selected());
        }
        QSignalSpy clicks(&strip, &ButtonStrip::clicked);
        QTest::mouseClick(strip.button(735), Qt::LeftButton);
        ASSERT_EQ(clicks.size(), 1);
        EXPECT_EQ(strip.tag(clicks[0][0].toInt()), dates[735]);
        // A shorter list after a longer one: the rest hidden, one page.
        const QStringList all = dates;
        dates = all.mid(0, 3);
        fill();
        EXPECT_EQ(strip.pageCount(), 1);
        EXPECT_EQ(shown(), dates);
        EXPECT_FALSE(strip.btnNextPage->isVisible());
        dates = all;
    }
}

TEST_F(TouchWidgets, TouchLabelReportsATapButNotASlideOff) {
    TouchLabel label("0");
    label.resize(160, 60);
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    QSignalSpy clicks(&label, &TouchLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 1);
    QTest::mousePress(&label, Qt::LeftButton, {}, {10, 10});
    QTest::mouseRelease(&label, Qt::LeftButton, {}, {400, 10});
    EXPECT_EQ(clicks.size(), 1) << "slid off the label";
    QPointingDevice* finger = QTest::createTouchDevice();
    QTest::touchEvent(&label, finger).press(0, {20, 20});
    QTest::touchEvent(&label, finger).release(0, {20, 20});
    EXPECT_EQ(clicks.size(), 2) << "a finger's tap";
    EXPECT_GE(label.height(), Theme::kRowHeight);
}

TEST_F(TouchWidgets, DatePickerStepsByDayAndPicksOnTheCalendar) {
    TerminalClock::setFixed(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
    TouchDatePicker picker("dtpSt_date");
    EXPECT_EQ(picker.text(), "2026-12-08") << "starts at the terminal's today";
    QSignalSpy changes(&picker, &TouchDatePicker::dateChanged);
    QTest::mouseClick(picker.btnPrevDay, Qt::LeftButton);
    EXPECT_EQ(picker.date(), QDate(2026, 12, 7));
    QTest::mouseClick(picker.btnNextDay, Qt::LeftButton);
    QTest::mouseClick(picker.btnNextDay, Qt::LeftButton);
    EXPECT_EQ(picker.btnDate->text(), "2026-12-09");
    EXPECT_EQ(changes.size(), 3);
    for (QPushButton* b : {picker.btnPrevDay, picker.btnDate, picker.btnNextDay}) {
        EXPECT_GE(b->minimumHeight(), Theme::kRowHeight);
    }

    script.on("frmCalendar", [](DialogHandle& d) {
        auto* view = d.dialog().findChild<QTableView*>();
        ASSERT_NE(view, nullptr);
        QModelIndex day20;
        for (int r = 0; r < view->model()->rowCount(); ++r) {
            for (int c = 0; c < view->model()->columnCount(); ++c) {
                const QModelIndex i = view->model()->index(r, c);
                if (i.data().toString() == "20") day20 = i;
            }
        }
        ASSERT_TRUE(day20.isValid());
        EXPECT_GE(view->visualRect(day20).height(), Theme::kRowHeight) << "a day for a finger";
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(day20).center());
        d.press("Command13");
    });
    QTest::mouseClick(picker.btnDate, Qt::LeftButton);
    EXPECT_EQ(picker.text(), "2026-12-20");
    for (const char* close : {"Command14", "Escape"}) {
        SCOPED_TRACE(close);
        script.on("frmCalendar", [close](DialogHandle& d) {
            d.as<DatePickerDialog>().calendar->setSelectedDate(QDate(2026, 1, 1));
            if (QString(close) == "Escape")
                QTest::keyClick(&d.dialog(), Qt::Key_Escape);
            else
                d.press(close);
        });
        QTest::mouseClick(picker.btnDate, Qt::LeftButton);
        EXPECT_EQ(picker.text(), "2026-12-20") << "a cancelled calendar changes nothing";
    }
}

// A count keeps what it was given; only the text shown is grouped.
TEST_F(TouchWidgets, ACountShowsSeparatorsAndKeepsItsValue) {
    const std::pair<const char*, const char*> cases[] = {
        {"999", "999"},           {"1500", "1,500"}, {"-1500", "-1,500"}, {"100000", "100,000"},
        {"1000000", "1,000,000"}, {"007", "007"},    {"12.5", "12.5"},    {"두명", "두명"},
    };
    CountLabel label;
    for (const auto& [count, shown] : cases) {
        label.setCount(QString::fromUtf8(count));
        EXPECT_EQ(label.count(), QString::fromUtf8(count));
        EXPECT_EQ(label.text(), QString::fromUtf8(shown));
    }
    label.setCount(qint64(-2147483648LL));
    EXPECT_EQ(label.text(), "-2,147,483,648");
}

}  // namespace
