#pragma once

#include "ui/TouchLabel.h"

namespace mes {

// A count on a screen. It holds the count as entered or loaded and shows it
// with thousands separators; code reads count(), never the text shown.
class CountLabel : public TouchLabel {
    Q_OBJECT
  public:
    using TouchLabel::TouchLabel;

    // The count as given (a typed entry is kept as typed, trimmed).
    void setCount(const QString& count);
    void setCount(qint64 count);
    QString count() const { return count_; }

    // The shown text follows the count; it is never set on its own.
    void setText(const QString&) = delete;

  private:
    QString count_;
};

}  // namespace mes
