#pragma once

#include "ui/MessageDialog.h"

namespace mes {

// A message dialog asking yes or no: Command14 confirms (AA = "Exit"),
// Command1 cancels (AA = "Cancel"). AA keeps the last answer.
class QuestionDialog : public MessageDialog {
    Q_OBJECT
  public:
    QPushButton* Command14 = nullptr;  // confirm
    QPushButton* Command1 = nullptr;   // cancel
    QString AA;

    // Shows the question modally; returns AA.
    QString Show();

  protected:
    QuestionDialog(const QString& name, const QString& message, const QString& confirmCaption,
                   QWidget* parent);
    // Called before the dialog closes with the answer.
    virtual void answered(bool confirmed) { Q_UNUSED(confirmed); }
};

}  // namespace mes
