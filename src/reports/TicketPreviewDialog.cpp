#include "reports/TicketPreviewDialog.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/UserInterface.h"
#include "reports/MoveTicket.h"
#include "reports/TicketPainter.h"
#include "ui/ModalHost.h"
#include "ui/Theme.h"

namespace mes {

TicketPreviewDialog::TicketPreviewDialog(const QVariantMap& fields, QWidget* parent)
    : QDialog(parent), fields_(fields) {
    setObjectName(QStringLiteral("DataReport1"));
    setWindowTitle(QStringLiteral("공정이동표"));
    auto* layout = new QVBoxLayout(this);
    imgTicket = new QLabel(this);
    imgTicket->setObjectName(QStringLiteral("imgTicket"));
    imgTicket->setPixmap(QPixmap::fromImage(TicketPainter::image(fields_, 80)));
    layout->addWidget(imgTicket);
    auto* row = new QHBoxLayout;
    cmdPrint = new QPushButton(QStringLiteral("인쇄"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPdf = new QPushButton(QStringLiteral("PDF 저장"), this);
    cmdPdf->setObjectName(QStringLiteral("cmdPdf"));
    cmdClose = new QPushButton(QStringLiteral("닫기"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* b : {cmdPrint, cmdPdf, cmdClose}) {
        b->setMinimumSize(160, Theme::kButtonHeight);
        b->setFont(Theme::font(Theme::kLargeFontPixels, true));
        row->addWidget(b);
    }
    layout->addLayout(row);
    connect(cmdPrint, &QPushButton::clicked, this, &TicketPreviewDialog::printPaper);
    connect(cmdPdf, &QPushButton::clicked, this, &TicketPreviewDialog::printPdf);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

QString TicketPreviewDialog::pdfPath() const {
    return QDir(MoveTicket::pdfFolder())
        .filePath(QStringLiteral("부품식별표_") +
                  fields_.value(QStringLiteral("세부전표번호")).toString() +
                  QStringLiteral(".pdf"));
}

void TicketPreviewDialog::printPaper() {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        gvUI().showMessage(gfPRODUCT_NAME(), QStringLiteral("프린터의 연결상태를 확인하세요!!"),
                           UserInterface::Icon::Information);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter p;
    if (!p.begin(&printer)) {
        gvUI().showMessage(gfPRODUCT_NAME(), QStringLiteral("프린터의 연결상태를 확인하세요!!"),
                           UserInterface::Icon::Information);
        return;
    }
    TicketPainter::paint(p, printer.pageLayout().paintRectPixels(printer.resolution()), fields_);
    p.end();
    accept();
}

void TicketPreviewDialog::printPdf() {
    const QString path = pdfPath();
    QDir().mkpath(MoveTicket::pdfFolder());
    if (!TicketPainter::pdf(fields_, path)) {
        gvUI().showMessage(QStringLiteral("오류"), QStringLiteral("PDF 저장 실패: ") + path,
                           UserInterface::Icon::Critical);
        return;
    }
    gvUI().showMessage(gfPRODUCT_NAME(), QStringLiteral("PDF 저장: ") + path,
                       UserInterface::Icon::Information);
    accept();
}

void TicketPreviewDialog::preview(const QVariantMap& fields) {
    TicketPreviewDialog dialog(fields);
    gfSHOW_MODAL(dialog);
}

}  // namespace mes
