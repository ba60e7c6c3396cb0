#include "ReportScreenshots.h"

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QTableView>
#include <cstdio>

#include "ScreenPicture.h"
#include "reports/frm_S_Report_Sangsan.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/clsSpread.h"

namespace mes {

namespace {

// Grabs each dialog under its object name's picture name, then closes it
// without its action.
class GrabDriver : public ModalDriver {
  public:
    explicit GrabDriver(const QDir& dir) : dir_(dir) {}
    void drive(QDialog& dialog) override {
        const QString name = dialog.objectName() == QLatin1String("DataReport1")
                                 ? QStringLiteral("move-ticket")
                                 : QStringLiteral("label-preview");
        failed += !gfSAVE_PICTURE(dialog, dir_, name);
        dialog.reject();
    }
    int failed = 0;

  private:
    QDir dir_;
};

}  // namespace

int gfSAVE_REPORT_SCREENSHOTS(const QDir& dir) {
    frm_S_Report_Sangsan& s = gfFORM<frm_S_Report_Sangsan>();
    s.show();
    s.btnFind_Click();
    // The finished run of the day with pack quantities typed in.
    int row = 0;
    for (int r = 1; r <= s.spread->MaxRows() && !row; ++r)
        if (s.spread->ValueWithColID(QStringLiteral("양품수량"), r).toLongLong() > 0) row = r;
    int failed = 0;
    if (row) {
        s.spread->ValueWithColID(QStringLiteral("소포장수량"), row, QStringLiteral("50"));
        s.spread->ValueWithColID(QStringLiteral("대포장수량"), row, QStringLiteral("200"));
        s.lsSum();
        s.spread->SetFocus(1, row);
    }
    failed += !gfSAVE_PICTURE(s, dir, QStringLiteral("results"));
    GrabDriver driver(dir);
    ModalDriver* previous = gfMODAL_DRIVER();
    gsSET_MODAL_DRIVER(&driver);
    if (row) {
        s.printLabel(row, reports::PackSize::Small);
        s.btn_gongjung_Click();
    }
    gsSET_MODAL_DRIVER(previous);
    s.hide();
    return failed + driver.failed + (row ? 0 : 2);
}

}  // namespace mes
