#include "ui/TimeEntryDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Theme.h"

namespace mes {

TimeEntryDialog::TimeEntryDialog(const Layout& names, QWidget* parent) : QDialog(parent) {
    setObjectName(names.name);
    setWindowTitle(names.title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* info = new QGridLayout;
    for (int i = 0; i < names.fields.size(); ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(names.fields.at(i));
        info->addWidget(l, i / 3, i % 3);
        fields_ << l;
    }
    const int captionRow = (static_cast<int>(names.fields.size()) + 2) / 3;
    for (int i = 0; i < names.captions.size(); ++i)
        info->addWidget(new QLabel(names.captions.at(i), this), captionRow, i);
    layout->addLayout(info);
    entry_ = new QLabel(this);
    entry_->setObjectName(names.entry);
    entry_->setAlignment(Qt::AlignCenter);
    entry_->setMinimumHeight(Theme::kKeySize);
    entry_->setFont(Theme::font(Theme::kLargeFontPixels + 12, true));
    layout->addWidget(entry_);

    auto* keys = new QGridLayout;
    for (int d = 0; d <= 9; ++d) {
        auto* b = new QPushButton(QString::number(d), this);
        b->setObjectName(QStringLiteral("cmdNum_%1").arg(d));
        Theme::makeKey(b);
        const int pos = d == 0 ? 10 : d - 1;
        keys->addWidget(b, pos / 3, pos % 3);
        connect(b, &QPushButton::clicked, this,
                [this, d] { entry_->setText(gfADD_DIGIT(entry_->text(), QChar(u'0' + d))); });
        cmdNum << b;
    }
    cmdBackSpace = new QPushButton(QStringLiteral("←"), this);
    cmdBackSpace->setObjectName(QStringLiteral("cmdBackSpace"));
    cmdSave = new QPushButton(QStringLiteral("확인"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    Command14 = new QPushButton(QStringLiteral("취소"), this);
    Command14->setObjectName(QStringLiteral("Command14"));
    for (QPushButton* b : {cmdBackSpace, cmdSave, Command14}) Theme::makeKey(b);
    keys->addWidget(cmdBackSpace, 3, 0);
    keys->addWidget(cmdSave, 3, 2);
    keys->addWidget(Command14, 4, 0, 1, 3);
    layout->addLayout(keys);
    connect(cmdBackSpace, &QPushButton::clicked, this,
            [this] { entry_->setText(backSpaced(entry_->text())); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(Command14, &QPushButton::clicked, this, &QDialog::reject);
}

QString TimeEntryDialog::gfADD_DIGIT(const QString& entry, QChar digit) {
    if (entry.size() >= 5) return entry;
    if (entry.size() == 2) return entry + QLatin1Char(':') + digit;
    return entry + digit;
}

}  // namespace mes
