#pragma once

#include <QHash>
#include <QHeaderView>

namespace mes {

// A grid's row header: it shows only the row marks, a handful of different texts.
// Qt measures the text of up to two hundred rows each time a row is inserted or a
// mark changes; a re-booking that copies rows then spent most of its time in font
// metrics. Each text is measured once here.
class SpreadRowHeader : public QHeaderView {
  public:
    explicit SpreadRowHeader(QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    mutable QHash<QString, int> widths_;
};

}  // namespace mes
