#include "ui/ButtonStrip.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include "ui/Theme.h"

namespace mes {

namespace {
constexpr int kMinCaptionPixels = 12;
}

ButtonStrip::ButtonStrip(const QString& name, int count, int rows, int columns, QWidget* parent)
    : QWidget(parent), rows_(std::max(1, rows)), columns_(std::max(1, columns)) {
    setObjectName(name);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    auto pager = [this](const QString& objectName, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(objectName);
        b->setFont(Theme::font(Theme::kLargeFontPixels, true));
        b->setFixedWidth(Theme::kRowHeight + 16);
        b->setMinimumHeight(Theme::kRowHeight);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    btnPrevPage = pager(name + QStringLiteral("_prev"), QStringLiteral("◀"));
    btnNextPage = pager(name + QStringLiteral("_next"), QStringLiteral("▶"));
    grid_ = new QGridLayout;
    grid_->setSpacing(6);
    // Empty places keep their share, so the buttons of a short page keep their size.
    for (int c = 0; c < columns_; ++c) grid_->setColumnStretch(c, 1);
    for (int r = 0; r < rows_; ++r) grid_->setRowStretch(r, 1);
    row->addWidget(btnPrevPage);
    row->addLayout(grid_, 1);
    row->addWidget(btnNextPage);
    connect(btnPrevPage, &QPushButton::clicked, this, [this] { setPage(page_ - 1); });
    connect(btnNextPage, &QPushButton::clicked, this, [this] { setPage(page_ + 1); });
    ensureCount(count);
}

void ButtonStrip::ensureCount(int count) {
    // Entries only: a widget is made when its page is shown or it is asked for.
    for (int i = this->count(); i < count; ++i)
        buttons_.append(Entry{nullptr, {}, {}, Theme::unselected()});
    relayout();
}

QPushButton* ButtonStrip::widget(int index) const {
    Entry& e = buttons_[index];
    if (e.button) return e.button;
    auto* self = const_cast<ButtonStrip*>(this);
    auto* b = new QPushButton(self);
    b->setObjectName(objectName() + QLatin1Char('_') + QString::number(index));
    b->setMinimumHeight(Theme::kRowHeight);
    b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFont(Theme::font(Theme::kFontPixels, true));
    b->setText(QString(e.caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    b->hide();
    connect(b, &QPushButton::clicked, self, [self, index] { emit self->clicked(index); });
    e.button = b;
    paint(index);
    return b;
}

QPushButton* ButtonStrip::button(int index) const {
    return index >= 0 && index < count() ? widget(index) : nullptr;
}

void ButtonStrip::setButton(int index, const QString& caption, const QString& tag) {
    if (index < 0 || index >= count()) return;
    buttons_[index].caption = caption;
    buttons_[index].tag = tag;
    if (!buttons_[index].shown) shownValid_ = false;
    buttons_[index].shown = true;
    relayout();
}

void ButtonStrip::setButtons(const QList<std::pair<QString, QString>>& captionsAndTags) {
    const int n = static_cast<int>(captionsAndTags.size());
    for (int i = count(); i < n; ++i) buttons_.append(Entry{nullptr, {}, {}, Theme::unselected()});
    for (int i = 0; i < count(); ++i) {
        Entry& e = buttons_[i];
        const bool shown = i < n;
        if (shown) {
            e.caption = captionsAndTags[i].first;
            e.tag = captionsAndTags[i].second;
        }
        if (e.shown != shown) shownValid_ = false;
        e.shown = shown;
    }
    relayout();
}

QString ButtonStrip::caption(int index) const {
    return index >= 0 && index < count() ? buttons_[index].caption : QString();
}

QString ButtonStrip::tag(int index) const {
    return index >= 0 && index < count() ? buttons_[index].tag : QString();
}

void ButtonStrip::setButtonVisible(int index, bool visible) {
    if (index < 0 || index >= count() || buttons_[index].shown == visible) return;
    buttons_[index].shown = visible;
    shownValid_ = false;
    relayout();
}

bool ButtonStrip::isButtonVisible(int index) const {
    return index >= 0 && index < count() && buttons_[index].shown;
}

void ButtonStrip::hideFrom(int index) {
    for (int i = std::max(0, index); i < count(); ++i) {
        if (buttons_[i].shown) shownValid_ = false;
        buttons_[i].shown = false;
    }
    relayout();
}

QColor ButtonStrip::backColor(int index) const {
    return index >= 0 && index < count() ? buttons_[index].back : QColor();
}

void ButtonStrip::setBackColor(int index, const QColor& colour) {
    if (index < 0 || index >= count()) return;
    buttons_[index].back = colour;
    paint(index);
}

void ButtonStrip::select(int index) {
    clearSelection();
    if (index < 0 || index >= count()) return;
    setBackColor(index, Theme::selected());
    const int at = static_cast<int>(shownIndexes().indexOf(index));
    if (at >= 0) setPage(at / perPage());
}

void ButtonStrip::clearSelection() {
    for (int i = 0; i < count(); ++i) setBackColor(i, Theme::unselected());
}

int ButtonStrip::selected() const {
    for (int i = 0; i < count(); ++i) {
        if (buttons_[i].back == Theme::selected()) return i;
    }
    return -1;
}

const QList<int>& ButtonStrip::shownIndexes() const {
    // Kept between calls: a refresh sets hundreds of buttons that are already shown.
    if (!shownValid_) {
        shown_.clear();
        for (int i = 0; i < count(); ++i) {
            if (buttons_[i].shown) shown_.append(i);
        }
        shownValid_ = true;
    }
    return shown_;
}

int ButtonStrip::pageCount() const {
    const int n = static_cast<int>(shownIndexes().size());
    return std::max(1, (n + perPage() - 1) / perPage());
}

void ButtonStrip::setPage(int page) {
    page_ = std::clamp(page, 0, pageCount() - 1);
    relayout();
}

void ButtonStrip::relayout() {
    const QList<int>& shown = shownIndexes();
    page_ = std::clamp(page_, 0, pageCount() - 1);
    QList<int> page;
    const int first = page_ * perPage();
    for (int k = 0; k < perPage() && first + k < shown.size(); ++k) page.append(shown[first + k]);
    // Only the widgets of the page that was shown and of the one to show are touched.
    if (page != onPage_) {
        for (int i : std::as_const(onPage_)) {
            grid_->removeWidget(buttons_[i].button);
            buttons_[i].button->hide();
        }
        for (int k = 0; k < page.size(); ++k) {
            QPushButton* b = widget(page[k]);
            grid_->addWidget(b, k / columns_, k % columns_);
            b->show();
        }
        onPage_ = page;
    }
    const bool paging = shown.size() > perPage();
    btnPrevPage->setVisible(paging);
    btnNextPage->setVisible(paging);
    btnPrevPage->setEnabled(page_ > 0);
    btnNextPage->setEnabled(page_ < pageCount() - 1);
    grid_->activate();
    for (int i : std::as_const(onPage_)) fitCaption(i);
}

void ButtonStrip::paint(int index) const {
    Entry& e = buttons_[index];
    if (!e.button || e.painted == e.back) return;
    e.painted = e.back;
    // The widget's own sheet: the application's pressed look must stay.
    e.button->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; } QPushButton:pressed { background: %2; }")
            .arg(e.back.name(), Theme::buttonPressed().name()));
}

namespace {

// The caption on two lines, broken at the blank nearest the middle.
QString twoLines(const QString& caption) {
    const int middle = static_cast<int>(caption.size()) / 2;
    int at = -1;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char(' ') &&
            (at < 0 || std::abs(i - middle) < std::abs(at - middle)))
            at = i;
    }
    if (at < 0) return caption.left(middle) + QLatin1Char('\n') + caption.mid(middle);
    return caption.left(at) + QLatin1Char('\n') + caption.mid(at + 1);
}

bool fits(const QFont& f, const QString& text, const QSize& room) {
    const QFontMetrics m(f);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (m.horizontalAdvance(line) > room.width()) return false;
    }
    return m.lineSpacing() * lines.size() <= room.height();
}

}  // namespace

void ButtonStrip::fitCaption(int index) {
    // The largest type that shows the whole caption, on one line or else on two.
    Entry& e = buttons_[index];
    QPushButton* b = e.button;
    const QString caption = e.caption;
    const QSize room = b->size() - QSize(16, 8);
    if (e.fittedCaption == caption && e.fittedRoom == room) return;
    e.fittedCaption = caption;
    e.fittedRoom = room;
    QFont f = Theme::font(Theme::kFontPixels, true);
    QString shown = caption;
    if (room.width() > 0 && room.height() > 0 && !fits(f, caption, room)) {
        bool found = false;
        for (const QString& text : {caption, twoLines(caption)}) {
            shown = text;
            for (int px = Theme::kFontPixels; px >= kMinCaptionPixels && !found; --px) {
                f.setPixelSize(px);
                found = fits(f, text, room);
            }
            if (found) break;
        }
    }
    b->setFont(f);
    // "&" in a customer's name is a letter, not a shortcut.
    b->setText(QString(shown).replace(QLatin1Char('&'), QLatin1String("&&")));
}

void ButtonStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    grid_->activate();
    for (int i : std::as_const(onPage_)) fitCaption(i);
}

}  // namespace mes
