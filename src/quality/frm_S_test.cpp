#include "quality/frm_S_test.h"

#include <QLabel>

#include "foundation/ErrorLog.h"
#include "foundation/Session.h"
#include "production/frm_S_dayReport.h"
#include "quality/MoldTestSql.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/TouchLabel.h"
#include "ui/frmKey2_jaju.h"
#include "ui/frm_MSG_001.h"

namespace mes {

namespace {
// The caption, also the location the error log gets.
const QString kCaption = QStringLiteral("성형검사 등록");
}  // namespace

void frm_S_test::Show() {
    Form_Load();
    gfSHOW_MODAL(*this);
}

void frm_S_test::Form_Load() {
    move(0, 0);
    const frm_S_dayReport& run = gfFORM<frm_S_dayReport>();
    lblOp_seq_sub->setText(run.lblseq->text());
    lblProduct_code->setText(run.lblProduct_code->text());
    lblproduct_name->setText(run.lblproduct_name->text());
    lblDate->setText(run.lblDate->text());
    lblpumbun->setText(run.lblpumbun->text());
    lsQuery();
}

void frm_S_test::lsQuery() {
    for (const auto& e : entries_) e.second->clear();
    if (gfDB_QUERY(gfMOLD_LOAD_SQL(lblOp_seq_sub->text(), lblDate->text()), false, kCaption) &&
        !gvRS().eof()) {
        for (const auto& e : entries_) e.second->setText(gfMOLD_VALUE_TEXT(gvRS().value(e.first)));
    }
    gvRS().close();
}

TouchLabel* frm_S_test::entry(const QString& column) const {
    for (const auto& e : entries_) {
        if (e.first == column) return e.second;
    }
    return nullptr;
}

void frm_S_test::keyIn(TouchLabel* label) { label->setText(gfFORM<frmKey2_jaju>().Show()); }

void frm_S_test::btnSave_Click() {
    const QString seq = lblOp_seq_sub->text();
    const QString date = lblDate->text();
    const QVariant counted = gfDB_VALUE(gfMOLD_COUNT_SQL(seq, date), kCaption);
    bool isNumber = false;
    const int count = counted.toInt(&isNumber);
    if (!isNumber) return;  // the helper has reported it
    if (count > 1) {
        const QString msg =
            QStringLiteral("성형검사가 %1건 저장되어 있어 저장하지 않았습니다: %2 %3")
                .arg(count)
                .arg(seq, date);
        gsERR_LOG(DbError{0, msg}, msg, kCaption);
        return;
    }
    MoldSheet sheet{seq, lblProduct_code->text(), date, {}};
    for (const auto& e : entries_) sheet.values.insert(e.first, e.second->text());
    QString bad;
    const std::optional<QString> sql =
        count == 0 ? gfMOLD_INSERT_SQL(sheet, &bad) : gfMOLD_UPDATE_SQL(sheet, &bad);
    if (!sql) {
        // Never sent: a value that is no number could change the statement.
        const QString msg = QStringLiteral("숫자가 아닌 값은 저장할 수 없습니다: ") + bad +
                            QStringLiteral(" = ") + sheet.values.value(bad);
        gsERR_LOG(DbError{0, msg}, msg, kCaption);
        return;
    }
    if (!gfDB_EXEC_LIST({*sql}, kCaption)) return;
    gsMSG(QStringLiteral("저장이 완료되었습니다."));
    close(true);
}

void frm_S_test::btnCancel_Click() { close(false); }

void frm_S_test::close(bool saved) {
    gsUNLOAD<frm_S_test>();
    done(saved ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace mes
