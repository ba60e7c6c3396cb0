#include "WorkScreenshots.h"

#include <QPushButton>
#include <cstdio>

#include "ScreenPicture.h"
#include "production/frm_S_dayReport.h"
#include "ui/ButtonStrip.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_Jakup.h"
#include "workorders/frm_S_jakupjisi_list.h"

namespace mes {

namespace {

// Grabs the dialogs the pictures expect, then cancels them; any other dialog
// counts as a missing picture.
class GrabDriver : public ModalDriver {
  public:
    explicit GrabDriver(const QDir& dir) : dir_(dir) {}
    void drive(QDialog& dialog) override {
        const QString name = dialog.objectName();
        if (name == QLatin1String("frm_S_badqty")) {
            failed += !gfSAVE_PICTURE(dialog, dir_, QStringLiteral("defects"));
        } else if (name == QLatin1String("frm_S_bigadong2")) {
            failed += !gfSAVE_PICTURE(dialog, dir_, QStringLiteral("downtime"));
        } else {
            std::printf("FAILED unexpected dialog %s\n", qPrintable(name));
            ++failed;
        }
        dialog.reject();
    }
    int failed = 0;

  private:
    QDir dir_;
};

int rowWith(const clsSpread& spread, const QString& colId, const QString& text) {
    for (int r = 1; r <= spread.MaxRows(); ++r)
        if (spread.TextWithColID(colId, r) == text) return r;
    return 0;
}

int buttonWithTag(const ButtonStrip& strip, const QString& tag) {
    for (int i = 0; i < strip.count(); ++i)
        if (strip.isButtonVisible(i) && strip.tag(i) == tag) return i;
    return -1;
}

}  // namespace

int gfSAVE_WORK_SCREENSHOTS(const QDir& dir) {
    GrabDriver driver(dir);
    ModalDriver* previous = gfMODAL_DRIVER();
    gsSET_MODAL_DRIVER(&driver);
    int failed = 0;

    // Every order, coloured by state; a running row touched marks its customer
    // and date buttons.
    frm_S_jakupjisi_list::showScreen();
    frm_S_jakupjisi_list& list = gfFORM<frm_S_jakupjisi_list>();
    const int running = rowWith(*list.spread, QStringLiteral("완료여부"), QStringLiteral("진행중"));
    if (running) emit list.spread->Click(3, running);
    failed += !gfSAVE_PICTURE(list, dir, QStringLiteral("list"));

    const int customer = buttonWithTag(*list.btnEquipment, QStringLiteral("C001"));
    if (customer >= 0) {
        list.btnEquipment->button(customer)->click();
        list.btnJakup->click();
    }
    if (gfFORM_LOADED<frm_S_Jakup>()) {
        failed += !gfSAVE_PICTURE(gfFORM<frm_S_Jakup>(), dir, QStringLiteral("registration"));
        gsUNLOAD<frm_S_Jakup>();
    } else {
        ++failed;
    }

    // A not-started order of the press started from the list.
    list.btnFind->click();
    const int open = rowWith(*list.spread, QStringLiteral("완료여부"), QStringLiteral("미완료"));
    if (open) {
        list.spread->SetFocus(3, open);
        list.btnStart->click();
    }
    if (open && gfFORM_LOADED<frm_S_dayReport>()) {
        frm_S_dayReport& day = gfFORM<frm_S_dayReport>();
        failed += !gfSAVE_PICTURE(day, dir, QStringLiteral("production"));
        day.lblBad_Cnt_Click();
        day.btnBigadong_Click();
        day.hide();
    } else {
        failed += 3;
    }
    list.hide();
    gsSET_MODAL_DRIVER(previous);
    return failed + driver.failed;
}

}  // namespace mes
