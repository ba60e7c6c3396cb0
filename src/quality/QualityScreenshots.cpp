#include "quality/QualityScreenshots.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <cstdio>

#include "foundation/Session.h"
#include "foundation/TerminalIdentity.h"
#include "production/DayReportSql.h"
#include "production/frm_S_dayReport.h"
#include "quality/frm_S_jajutest.h"
#include "quality/frm_S_test.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/TouchLabel.h"

namespace mes {

namespace {

bool save(QWidget& w, const QDir& dir, const QString& name) {
    w.ensurePolished();
    if (w.layout()) w.layout()->activate();
    QApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = w.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// Shows a few conditions on the sheet, grabs it and closes it unsaved.
class SheetGrab : public ModalDriver {
  public:
    explicit SheetGrab(const QDir& dir) : dir_(dir) {}
    void drive(QDialog& dialog) override {
        if (auto* sheet = qobject_cast<frm_S_test*>(&dialog)) {
            const char* sample[][2] = {{"cylinder1", "230"}, {"cylinder2", "225"},
                                       {"sacul1", "85"},     {"speed1", "60"},
                                       {"time_s_ju", "3.5"}, {"cv_ju1", "400"}};
            for (const auto& s : sample)
                sheet->entry(QString::fromUtf8(s[0]))->setText(QString::fromUtf8(s[1]));
            written = save(dialog, dir_, QStringLiteral("mould-sheet"));
        }
        dialog.reject();
    }
    bool written = false;

  private:
    QDir dir_;
};

}  // namespace

int gfSAVE_QUALITY_SCREENSHOTS(const QDir& dir) {
    const QVariantList run = gfDB_ROW(
        gfSQL_LINES({QStringLiteral("SELECT TOP 1 P_SM.op_seq_sub, P_SM.equipment_code, "
                                    "P_SM.seq, P_SM.process_code"),
                     QStringLiteral("FROM P_SANGSAN_MASTER P_SM"),
                     QStringLiteral("JOIN B_JAKUPJISI_MASTER B_JAK ON B_JAK.seq = P_SM.seq"),
                     QStringLiteral("JOIN B_EQUIPMENT B_EQ ON B_EQ.equipment_code = "
                                    "P_SM.equipment_code"),
                     QStringLiteral("WHERE B_JAK.end_yn = '2' AND B_EQ.ipaddress = '") +
                         gfSQ(gfGET_IP()) + u'\'',
                     QStringLiteral("ORDER BY P_SM.idx DESC")}),
        QStringLiteral("screenshots"));
    if (run.size() < 4) return 2;
    frm_S_dayReport& day = gfFORM<frm_S_dayReport>();
    day.lvEquipment_code = run[1].toString();
    day.lblOp_seq_sub->setText(run[0].toString());
    day.lblseq->setText(run[2].toString());
    day.lblProcess_code->setText(run[3].toString());
    day.lsQuery();
    SheetGrab driver(dir);
    ModalDriver* previous = gfMODAL_DRIVER();
    gsSET_MODAL_DRIVER(&driver);
    day.btnTest->click();
    gsSET_MODAL_DRIVER(previous);
    day.btnJajuTest->click();
    frm_S_jajutest& inspection = gfFORM<frm_S_jajutest>();
    const bool written = save(inspection, dir, QStringLiteral("self-inspection"));
    inspection.hide();
    day.hide();
    return (driver.written ? 0 : 1) + (written ? 0 : 1);
}

}  // namespace mes
