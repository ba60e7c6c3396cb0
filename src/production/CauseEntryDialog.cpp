#include "production/CauseEntryDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "production/RunFigures.h"
#include "ui/Forms.h"
#include "ui/ScreenParts.h"
#include "ui/Theme.h"
#include "ui/clsSpread.h"
#include "ui/frmKey2.h"
#include "ui/frm_MSG_001.h"

namespace mes {

CauseEntryDialog::CauseEntryDialog(const QString& name, const QString& caption,
                                   QString numberColumn, QWidget* parent)
    : QDialog(parent), numberColumn_(std::move(numberColumn)) {
    setObjectName(name);
    setWindowTitle(caption);
    resize(1000, 700);
    auto* layout = new QVBoxLayout(this);
    body_ = new QVBoxLayout;
    layout->addLayout(body_);
    ss = gfSPREAD_GRID(this, &spread);
    layout->addWidget(ss, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdSave = gfDIALOG_BUTTON(this, QStringLiteral("cmdSave"), QStringLiteral("저장"));
    Command14 = gfDIALOG_BUTTON(this, QStringLiteral("Command14"), QStringLiteral("닫기"));
    for (QPushButton* b : {cmdSave, Command14}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(spread, &clsSpread::Click, this, &CauseEntryDialog::ss_Click);
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(Command14, &QPushButton::clicked, this, [this] { finish(false); });
}

void CauseEntryDialog::ss_Click(int col, int row) {
    if (row < 1 || col != spread->GetColNo(numberColumn_)) return;
    const QString entry = gfFORM<frmKey2>().Show();
    if (!entry.isEmpty()) spread->ValueWithColID(numberColumn_, row, entry);
}

void CauseEntryDialog::finish(bool saved) {
    unload();
    done(saved ? QDialog::Accepted : QDialog::Rejected);
}

std::optional<QList<qint32>> CauseEntryDialog::numberCells() {
    QList<qint32> out;
    for (int row = 1; row <= spread->MaxRows(); ++row) {
        const std::optional<qint32> n = gfCOUNT32(spread->ValueWithColID(numberColumn_, row));
        if (!n) {
            gsMSG(QStringLiteral("숫자를 확인하십시오: ") +
                  spread->TextWithColID(numberColumn_, row));
            return std::nullopt;
        }
        out << *n;
    }
    return out;
}

}  // namespace mes
