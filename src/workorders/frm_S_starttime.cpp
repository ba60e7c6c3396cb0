#include "workorders/frm_S_starttime.h"

#include <QLabel>

#include "foundation/UserInterface.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/TouchLabel.h"

namespace mes {

frm_S_starttime::frm_S_starttime(QWidget* parent)
    : TimeEntryDialog({QStringLiteral("frm_S_starttime"),
                       QStringLiteral("시작시간"),
                       {QStringLiteral("lblProduct_code"), QStringLiteral("lblOp_seq_sub"),
                        QStringLiteral("lblProcess_code"), QStringLiteral("lblJakup_date"),
                        QStringLiteral("lblJuya")},
                       {},
                       QStringLiteral("lblStarttime")},
                      parent) {
    lblProduct_code = field(0);
    lblOp_seq_sub = field(1);
    lblProcess_code = field(2);
    lblJakup_date = field(3);
    lblJuya = field(4);
    lblStarttime = entry();
}

QString frm_S_starttime::gfBACK_SPACE(const QString& entry) {
    if (entry.isEmpty()) return entry;
    // The third character typed stands after the ":" that came with it.
    if (entry.size() == 4) return entry.left(2);
    return entry.left(entry.size() - 1);
}

bool frm_S_starttime::gfVALID(const QString& entry) {
    if (entry.isEmpty() || entry.left(2) >= QLatin1String("24")) return false;
    bool ok = false;
    const int minutes = entry.right(2).toInt(&ok);
    return !(ok && minutes >= 60);
}

void frm_S_starttime::load() {
    handedBack_.clear();
    handed_ = false;
    lblStarttime->clear();
    const frm_S_dayReport& s = gfFORM<frm_S_dayReport>();
    lblProduct_code->setText(s.lblProduct_code->text());
    lblOp_seq_sub->setText(s.lblOp_seq_sub->text());
    lblProcess_code->setText(s.lblWC_code->text());
    lblJakup_date->setText(s.lblJakupdate->text());
    lblJuya->setText(s.lbl_juya->text());
}

void frm_S_starttime::cmdSave_Click() {
    if (!gfVALID(lblStarttime->text())) {
        gvUI().showMessage(QStringLiteral("입력오류"),
                           QStringLiteral("시작시간이 잘못 입력되었습니다."),
                           UserInterface::Icon::Critical);
        lblStarttime->clear();  // open for the correction; lblStTime keeps the run's time
        return;
    }
    handedBack_ = lblStarttime->text();
    handed_ = true;
    gfFORM<frm_S_dayReport>().lblStTime->setText(handedBack_);
    accept();
}

QString frm_S_starttime::gsOPEN(bool* handed) {
    frm_S_starttime& dlg = gfFORM<frm_S_starttime>();
    dlg.load();
    gfSHOW_MODAL(dlg);
    const QString result = dlg.handedBack_;
    if (handed) *handed = dlg.handed_;
    gsUNLOAD<frm_S_starttime>();
    return result;
}

}  // namespace mes
