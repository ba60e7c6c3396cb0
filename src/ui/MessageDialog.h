#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace mes {

// A large, touchable message window: the label Lb_msg over a row of buttons,
// placed at a fraction of the screen, on top of everything, modal.
class MessageDialog : public QDialog {
    Q_OBJECT
  public:
    QLabel* Lb_msg = nullptr;

  protected:
    MessageDialog(const QString& name, double position, QWidget* parent);
    QPushButton* addButton(const QString& name, const QString& caption);
    // Loads the window at its place and shows it modally through the host.
    int showAtPlace();

  private:
    double position_;
    QWidget* buttons_ = nullptr;
};

}  // namespace mes
