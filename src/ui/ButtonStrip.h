#pragma once

#include <QColor>
#include <QList>
#include <QWidget>
#include <utility>

class QGridLayout;
class QPushButton;

namespace mes {

// A fixed array of touch buttons (the list's customers and dates, the history
// screens' processes), shown rows x columns at a time. Each button carries a
// caption, a tag and a back colour that the screen sets and reads back. Hidden
// buttons take no place; when more are shown than fit, the paging buttons page
// through them, so nothing is cut. A long caption gets a smaller type instead.
// Only the page shown has widgets laid out and fitted: a strip of hundreds of
// dates costs what its page costs; a button's widget is made when first needed.
//
//   strip->setButton(0, "대한정밀", "C001");   // caption, tag, shown
//   strip->hideFrom(1);                         // the rest of the array
//   connect(strip, &ButtonStrip::clicked, this, [](int index) { ... });
//   strip->select(0);                           // orange, the others near-white
class ButtonStrip : public QWidget {
    Q_OBJECT
  public:
    // name: the array's name, its buttons are name_0, name_1, ...
    ButtonStrip(const QString& name, int count, int rows, int columns, QWidget* parent = nullptr);

    int count() const { return static_cast<int>(buttons_.size()); }
    QPushButton* button(int index) const;
    // Adds hidden buttons up to count (more entries than the screen planned for).
    void ensureCount(int count);

    // Caption and tag, and shows the button.
    void setButton(int index, const QString& caption, const QString& tag);
    // Captions and tags of the first buttons (the array grows to hold them), all
    // shown, every other button hidden; the page is laid out once.
    void setButtons(const QList<std::pair<QString, QString>>& captionsAndTags);
    QString caption(int index) const;
    QString tag(int index) const;
    void setButtonVisible(int index, bool visible);
    bool isButtonVisible(int index) const;
    // Hides every button from index to the end of the array.
    void hideFrom(int index);

    QColor backColor(int index) const;
    void setBackColor(int index, const QColor& colour);
    // Every button near-white, the one at index orange and on the page shown.
    void select(int index);
    // Every button near-white.
    void clearSelection();
    // The first orange button, -1 when none is.
    int selected() const;

    int page() const { return page_; }
    int pageCount() const;
    void setPage(int page);
    QPushButton* btnPrevPage = nullptr;
    QPushButton* btnNextPage = nullptr;

  signals:
    void clicked(int index);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Entry {
        QPushButton* button = nullptr;
        QString caption;
        QString tag;
        QColor back;
        bool shown = false;
        // What the widget was last fitted for; a caption is fitted once per room.
        QString fittedCaption;
        QSize fittedRoom;
        QColor painted;
    };
    int perPage() const { return rows_ * columns_; }
    const QList<int>& shownIndexes() const;
    QPushButton* widget(int index) const;
    void relayout();
    void paint(int index) const;
    void fitCaption(int index);

    mutable QList<Entry> buttons_;
    QList<int> onPage_;
    mutable QList<int> shown_;
    mutable bool shownValid_ = true;
    QGridLayout* grid_ = nullptr;
    int rows_;
    int columns_;
    int page_ = 0;
};

}  // namespace mes
