#include "production/frm_S_dayReport.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/NavigationBar.h"

namespace mes {

frm_S_dayReport::frm_S_dayReport(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frm_S_dayReport"));
    // Also the location its statements give the error log.
    setWindowTitle(QStringLiteral("작업지시목록"));
    move(0, 0);
    resize(1024, 768);
    auto* layout = new QVBoxLayout(this);
    auto hidden = [this](const QString& name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->hide();
        return l;
    };
    lblseq = hidden(QStringLiteral("lblseq"));
    lblOp_seq_sub = hidden(QStringLiteral("lblOp_seq_sub"));
    lblProcess_code = hidden(QStringLiteral("lblProcess_code"));
    layout->addStretch(1);
    navigation = new NavigationBar(this);
    navigation->markCurrent(QStringLiteral("btnDayReport"));
    // Its own tab: marks the screen, does nothing.
    navigation->setAction(QStringLiteral("btnDayReport"), {});
    layout->addWidget(navigation);
}

void frm_S_dayReport::lsQuery() {}

}  // namespace mes
