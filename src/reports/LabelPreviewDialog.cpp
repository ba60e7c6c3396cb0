#include "reports/LabelPreviewDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/ZplRenderer.h"
#include "ui/ModalHost.h"
#include "ui/Theme.h"

namespace mes {

namespace {
constexpr int kShownHeight = 520;  // fits the panel with the buttons below
}

LabelPreviewDialog::LabelPreviewDialog(const QStringList& lines, QWidget* parent)
    : QDialog(parent), lines_(lines), picture_(ZplRenderer::render(lines)) {
    setObjectName(QStringLiteral("frmLabelPreview"));
    setWindowTitle(QStringLiteral("라벨 미리보기"));
    auto* layout = new QVBoxLayout(this);
    imgLabel = new QLabel(this);
    imgLabel->setObjectName(QStringLiteral("imgLabel"));
    imgLabel->setPixmap(
        QPixmap::fromImage(picture_.scaledToHeight(kShownHeight, Qt::SmoothTransformation)));
    imgLabel->setFrameShape(QFrame::Box);
    layout->addWidget(imgLabel, 0, Qt::AlignHCenter);
    lblCopies = new QLabel(QStringLiteral("출력 매수: %1 장")
                               .arg(QLocale(QLocale::Korean).toString(ZplRenderer::copies(lines))),
                           this);
    lblCopies->setObjectName(QStringLiteral("lblCopies"));
    lblCopies->setFont(Theme::font(Theme::kLargeFontPixels, true));
    layout->addWidget(lblCopies, 0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    cmdPrint = new QPushButton(QStringLiteral("출력"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdCancel = new QPushButton(QStringLiteral("취소"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* b : {cmdPrint, cmdCancel}) {
        b->setMinimumSize(160, Theme::kButtonHeight);
        b->setFont(Theme::font(Theme::kLargeFontPixels, true));
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(cmdPrint, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool LabelPreviewDialog::confirm(const QStringList& lines) {
    LabelPreviewDialog dialog(lines);
    return gfSHOW_MODAL(dialog) == QDialog::Accepted;
}

}  // namespace mes
