#pragma once

#include <QDialog>
#include <QImage>
#include <QStringList>

class QLabel;
class QPushButton;

namespace mes {

// The label as it will print, drawn from the very lines that will be sent, and
// the copies they ask for; the operator sends it (cmdPrint) or not (cmdCancel).
class LabelPreviewDialog : public QDialog {
    Q_OBJECT
  public:
    explicit LabelPreviewDialog(const QStringList& lines, QWidget* parent = nullptr);

    QLabel* imgLabel = nullptr;
    QLabel* lblCopies = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
    const QImage& picture() const { return picture_; }
    const QStringList& lines() const { return lines_; }

    // Shows the preview through the modal host; true when the operator prints.
    static bool confirm(const QStringList& lines);

  private:
    QStringList lines_;
    QImage picture_;
};

}  // namespace mes
