#include "production/frm_S_endtime.h"

#include <QLabel>

#include "foundation/UserInterface.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/TouchLabel.h"

namespace mes {

frm_S_endtime::frm_S_endtime(QWidget* parent)
    : TimeEntryDialog({QStringLiteral("frm_S_endtime"),
                       QStringLiteral("종료시간"),
                       {QStringLiteral("lblProduct_code"), QStringLiteral("lblOp_seq_sub"),
                        QStringLiteral("lblProcess_code"), QStringLiteral("lblJakupdate"),
                        QStringLiteral("lbl_juya")},
                       {QStringLiteral("장출시간"), QStringLiteral("종료시간")},
                       QStringLiteral("lblEndtime")},
                      parent) {
    lblProduct_code = field(0);
    lblOp_seq_sub = field(1);
    lblProcess_code = field(2);
    lblJakupdate = field(3);
    lbl_juya = field(4);
    lblEndtime = entry();
}

QString frm_S_endtime::gfBACK_SPACE(const QString& entry) {
    return entry.size() <= 1 ? QString() : entry.left(entry.size() - 1);
}

bool frm_S_endtime::gfCHECK(const QString& entry) {
    if (entry.left(2) >= QLatin1String("24")) return false;
    bool ok = false;
    const int minutes = entry.right(2).toInt(&ok);
    return ok && minutes < 60;
}

void frm_S_endtime::load() {
    lblEndtime->clear();
    const frm_S_dayReport& s = gfFORM<frm_S_dayReport>();
    lblProduct_code->setText(s.lblProduct_code->text());
    lblOp_seq_sub->setText(s.lblOp_seq_sub->text());
    lblProcess_code->setText(s.lblWC_code->text());
    lblJakupdate->setText(s.lblJakupdate->text());
    lbl_juya->setText(s.lbl_juya->text());
}

void frm_S_endtime::cmdSave_Click() {
    if (!gfCHECK(lblEndtime->text())) {
        gvUI().showMessage(QStringLiteral("입력오류"),
                           QStringLiteral("종료시간이 잘못 입력되었습니다."),
                           UserInterface::Icon::Critical);
        lblEndtime->clear();  // open for the correction
        return;
    }
    gfFORM<frm_S_dayReport>().lblEdTime->setText(lblEndtime->text());
    accept();
}

void frm_S_endtime::gsOPEN() {
    frm_S_endtime& dlg = gfFORM<frm_S_endtime>();
    dlg.load();
    gfSHOW_MODAL(dlg);
    gsUNLOAD<frm_S_endtime>();
}

}  // namespace mes
