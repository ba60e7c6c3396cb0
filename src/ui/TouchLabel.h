#pragma once

#include <QLabel>

namespace mes {

// A label the operator touches to change it (the production screen's counts
// and times, the moulding sheet's entries). clicked() comes when the finger
// lifts on the label; one that slides off first is no touch.
class TouchLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TouchLabel(QWidget* parent = nullptr);
    explicit TouchLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool down_ = false;
};

}  // namespace mes
