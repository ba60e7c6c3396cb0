#include "WorkScreenshots.h"

#include <QHash>
#include <QPushButton>
#include <cstdio>

#include "ScreenPicture.h"
#include "production/frm_S_dayReport.h"
#include "ui/ButtonStrip.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_Jakup.h"
#include "workorders/frm_S_jakupjisi_list.h"

namespace mes {

namespace {

// Presses the named buttons of a dialog in turn; false, and says which, when
// one is missing.
bool pressAll(QDialog& dialog, const QStringList& buttons) {
    for (const QString& b : buttons) {
        auto* button = dialog.findChild<QPushButton*>(b);
        if (!button) {
            std::printf("FAILED no button %s on %s\n", qPrintable(b),
                        qPrintable(dialog.objectName()));
            return false;
        }
        button->click();
    }
    return true;
}

// Grabs the dialogs the pictures expect, then cancels them; the keypad takes
// the queued entry. Any other dialog counts as a missing picture.
class GrabDriver : public ModalDriver {
  public:
    explicit GrabDriver(const QDir& dir) : dir_(dir) {}
    void drive(QDialog& dialog) override {
        const QString name = dialog.objectName();
        if (name == QLatin1String("frmKey2") && !keypadEntry.isEmpty()) {
            QStringList keys;
            for (const QChar c : keypadEntry) keys << QStringLiteral("cmd") + c;
            failed += !pressAll(dialog, keys << QStringLiteral("Command13"));
            keypadEntry.clear();
        } else if (name == QLatin1String("frm_S_endtime")) {
            // A time half typed, so the picture shows the entry at work.
            const QStringList digits{QStringLiteral("cmdNum_1"), QStringLiteral("cmdNum_7"),
                                     QStringLiteral("cmdNum_3"), QStringLiteral("cmdNum_0")};
            failed += !pressAll(dialog, digits);
            grab(dialog, QStringLiteral("end-time"));
        } else if (kPictures.contains(name)) {
            grab(dialog, kPictures.value(name));
        } else {
            std::printf("FAILED unexpected dialog %s\n", qPrintable(name));
            ++failed;
        }
        if (dialog.isVisible()) dialog.reject();
    }
    // Pictures that never opened, each said on standard output.
    int missing(const QStringList& pictures) const {
        int n = 0;
        for (const QString& p : pictures) {
            if (saved_.contains(p)) continue;
            std::printf("FAILED %s: its dialog never opened\n", qPrintable(p));
            ++n;
        }
        return n;
    }
    QString keypadEntry;  // typed into the next keypad, then confirmed
    int failed = 0;

  private:
    void grab(QDialog& dialog, const QString& picture) {
        if (gfSAVE_PICTURE(dialog, dir_, picture)) {
            saved_ << picture;
        } else {
            ++failed;
        }
    }
    inline static const QHash<QString, QString> kPictures{
        {QStringLiteral("frm_S_badqty"), QStringLiteral("defects")},
        {QStringLiteral("frm_S_bigadong2"), QStringLiteral("downtime")},
        {QStringLiteral("frm_S_lot_select"), QStringLiteral("lot-picker")}};
    QDir dir_;
    QStringList saved_;
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

// A row booked with the next lot of the component in the row above it.
int continuationRow(const clsSpread& spread) {
    const QString product = QStringLiteral("품번코드");
    const QString lot = QStringLiteral("LOT NO");
    for (int r = 2; r <= spread.MaxRows(); ++r) {
        if (spread.TextWithColID(product, r) == spread.TextWithColID(product, r - 1) &&
            !spread.TextWithColID(lot, r).isEmpty() &&
            spread.TextWithColID(lot, r) != spread.TextWithColID(lot, r - 1))
            return r;
    }
    return 0;
}

// A shift's good count of 2,000 needs more sheet than is left of its first lot,
// so the booking continues on the next lots; then the lot picker from that
// row's LOT NO and the end time, each through the screen's own touch.
int saveLotsAndEnd(frm_S_dayReport& day, GrabDriver& driver, const QDir& dir) {
    driver.keypadEntry = QStringLiteral("2000");
    emit day.lblOk_Cnt->clicked();
    const int row = continuationRow(*day.spread);
    int failed = 0;
    if (row) {
        day.spread->SetFocus(day.spread->GetColNo(QStringLiteral("투입수량")), row);
    } else {
        std::printf("FAILED material-lots: the count needed no second lot\n");
        ++failed;
    }
    failed += !gfSAVE_PICTURE(day, dir, QStringLiteral("material-lots"));
    if (row) emit day.spread->Click(day.spread->GetColNo(QStringLiteral("LOT NO")), row);
    emit day.lblEdTime->clicked();
    return failed;
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
        failed += saveLotsAndEnd(day, driver, dir);
        day.hide();
    } else {
        failed += 2;  // production and material-lots; the dialogs count below
    }
    list.hide();
    gsSET_MODAL_DRIVER(previous);
    return failed + driver.failed +
           driver.missing({QStringLiteral("defects"), QStringLiteral("downtime"),
                           QStringLiteral("lot-picker"), QStringLiteral("end-time")});
}

}  // namespace mes
