#pragma once

#include "ui/MessageDialog.h"

namespace mes {

// A message dialog asking yes or no: Command14 confirms (AA = "Exit"); Command1
// and every other close (Escape, the window's close button, reject()) cancel
// (AA = "Cancel"). AA keeps the last answer.
class QuestionDialog : public MessageDialog {
    Q_OBJECT
  public:
    QPushButton* Command14 = nullptr;  // confirm
    QPushButton* Command1 = nullptr;   // cancel
    QString AA;

    // Shows the question modally; returns AA.
    QString Show();

    void done(int result) override;

  protected:
    QuestionDialog(const QString& name, const QString& message, const QString& confirmCaption,
                   QWidget* parent);
    // Called when the answer is given.
    virtual void answered(bool confirmed) { Q_UNUSED(confirmed); }

  private:
    void cancelled();
};

}  // namespace mes
