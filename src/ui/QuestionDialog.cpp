#include "ui/QuestionDialog.h"

#include <QLabel>
#include <QPushButton>

namespace mes {

QuestionDialog::QuestionDialog(const QString& name, const QString& message,
                               const QString& confirmCaption, QWidget* parent)
    : MessageDialog(name, 0.35, parent) {
    Lb_msg->setText(message);
    Command14 = addButton(QStringLiteral("Command14"), confirmCaption);
    Command1 = addButton(QStringLiteral("Command1"), QStringLiteral("취소"));
    connect(Command14, &QPushButton::clicked, this, [this] {
        AA = QStringLiteral("Exit");
        answered(true);
        accept();
    });
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
}

QString QuestionDialog::Show() {
    // Also a window hidden without an answer (an unload) is no confirmation.
    if (showAtPlace() != QDialog::Accepted) cancelled();
    return AA;
}

void QuestionDialog::done(int result) {
    if (result != QDialog::Accepted) cancelled();
    MessageDialog::done(result);
}

void QuestionDialog::cancelled() {
    AA = QStringLiteral("Cancel");
    answered(false);
}

}  // namespace mes
