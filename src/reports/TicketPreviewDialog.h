#pragma once

#include <QDialog>
#include <QVariantMap>

class QLabel;
class QPushButton;

namespace mes {

// The move ticket's print preview: prints to the system's printer or to a PDF
// file in MoveTicket::pdfFolder().
class TicketPreviewDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TicketPreviewDialog(const QVariantMap& fields, QWidget* parent = nullptr);

    QLabel* imgTicket = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPdf = nullptr;
    QPushButton* cmdClose = nullptr;

    // Shows the preview through the modal host.
    static void preview(const QVariantMap& fields);
    // The row the tag was drawn from.
    const QVariantMap& fields() const { return fields_; }
    // The file cmdPdf writes.
    QString pdfPath() const;

  private:
    void printPaper();
    void printPdf();

    QVariantMap fields_;
};

}  // namespace mes
