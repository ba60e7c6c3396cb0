#pragma once

#include <QList>
#include <QWidget>
#include <optional>

#include "production/RunEntries.h"
#include "production/StrokeTally.h"
#include "ui/CountLabel.h"

class QFrame;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;

namespace mes {

class NavigationBar;
class StrokeCounter;
struct LotRow;
class TouchLabel;
class clsSpread;

// The production screen of the run on this machine. The list and the start of
// a run show it, set the inputs below, then call lsQuery. Its labels are the
// one place the run's state lives: the dialogs of the run read and write them.
class frm_S_dayReport : public QWidget {
    Q_OBJECT
  public:
    explicit frm_S_dayReport(QWidget* parent = nullptr);
    ~frm_S_dayReport() override;

    // Inputs set by the caller.
    QString lvSerchSQL;                 // process filter of the caller; not read here
    QString lvEquipment_code;           // the terminal's machine
    QLabel* lblseq = nullptr;           // work-order number
    QLabel* lblOp_seq_sub = nullptr;    // the run to show
    QLabel* lblProcess_code = nullptr;  // work centre of the order

    // The run, filled by lsQuery.
    QLabel* lblJakupdate = nullptr;
    QLabel* lbl_juya = nullptr;
    QLabel* lblEmployee_name = nullptr;
    QLabel* lblJakupsu = nullptr;
    QLabel* lbl_jakupjisi_num = nullptr;
    QLabel* lblCustomer_Code = nullptr;
    QLabel* lblCustomer_Name = nullptr;
    QLabel* lblWC_code = nullptr;
    QLabel* lblWC_name = nullptr;
    QLabel* lblEquipment_code = nullptr;
    QLabel* lblProduct_code = nullptr;
    QLabel* lblpumbun = nullptr;
    QLabel* lblproduct_name = nullptr;
    QLabel* lblProduct_name_Detail = nullptr;
    QLabel* lblUnit_Code = nullptr;
    CountLabel* lblJisi_Cnt = nullptr;
    // The counts hold their value (count()); the text shown carries separators.
    CountLabel* lblOk_Cnt = nullptr;
    CountLabel* lblOk_Cnt2 = nullptr;
    CountLabel* lblBad_Cnt = nullptr;
    CountLabel* lblBad_Cnt2 = nullptr;
    QLabel* lblStDate = nullptr;
    TouchLabel* lblStTime = nullptr;
    TouchLabel* lblEdTime = nullptr;
    QLabel* lblProduct_Gubun = nullptr;
    QLabel* lblemployee_no = nullptr;

    // Kept by the timers and the lot booking.
    CountLabel* lblJakup_Cnt = nullptr;
    QLabel* lblMin = nullptr;
    QLabel* lbl_okcnt2 = nullptr;
    QLabel* lbl_badcnt2 = nullptr;
    QLabel* lblLotno = nullptr;
    QLabel* lblProduct_type_code = nullptr;
    QLabel* lblCar_code = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* lblJisi_Text = nullptr;
    QLabel* lblSangsan_Text = nullptr;
    QLabel* lblOk_Text = nullptr;
    QLabel* lblBad_Text = nullptr;

    QTableView* ss = nullptr;
    clsSpread* spread = nullptr;
    QTimer* Timer1 = nullptr;  // clock, elapsed minutes, counts: every second
    QTimer* Timer2 = nullptr;  // order totals every 5 s while a run is shown

    QPushButton* btnEnd = nullptr;
    QPushButton* btnBigadong = nullptr;
    QPushButton* btnBigadong_s = nullptr;
    QPushButton* btnBigadong_e = nullptr;
    QPushButton* btnTest = nullptr;
    QPushButton* btnJajuTest = nullptr;  // the self-inspection of the run shown
    QPushButton* cmdUnit_Change = nullptr;
    QPushButton* CmdChange = nullptr;
    QList<QFrame*> Shape;  // Shape[0]: the machine's stop/run status
    // Only with a counter: its link and rate, and the switch of the run to the keypad.
    QLabel* lblCounter = nullptr;
    QPushButton* btnTypedCounts = nullptr;
    NavigationBar* navigation = nullptr;

    // Loads the run named by the inputs and refreshes everything shown.
    void lsQuery();
    // Rebinds the material grid from the bill of material.
    void lsBottomQuery();
    // Books the material lots for the change of the counts since the load.
    void lsTuip_Sum();
    // Sets the good count as entered and books it, the same for the keypad and
    // the machine's counter.
    void lsApplyGood(qint64 ok);
    qint16 lvLotIdx = 0;  // lot cursor of the continuation rows, kept between bookings
    // What was entered on the run shown and is not booked yet.
    RunEntries lsHeldEntries() const;
    // The order totals; also runs every 5 s while Timer2 is enabled.
    void Timer2_Timer();
    void Timer1_Timer();

    // Touches and presses (the controls are wired to these).
    void lblBad_Cnt_Click();
    void lblStTime_Click();
    void lblEdTime_Click();
    void btnBigadong_Click();
    void btnBigadong_s_Click();
    void btnBigadong_e_Click();
    void btnTest_Click();
    void btnJajuTest_Click();
    void CmdChange_Click();
    void lblOk_Cnt_Click();
    void cmdUnit_Change_Click();
    void btnEnd_Click();
    // The machine's counter (null without one configured) and its readings.
    StrokeCounter* counter() const { return counter_; }
    bool lsCountsFromMachine() const;
    void lsCounterRead(quint32 raw);
    void lsCounterLink(bool online);
    // Behind the access code: this run's counts are typed from now on (logged).
    void btnTypedCounts_Click();
    // A touch on a material-grid cell: the manual quantity or the lot picker.
    void ss_Click(int col, int row);

    // The status shape's colour ("" before the first change).
    static QColor stoppedColour();
    static QColor runningColour();
    static QColor unknownColour();

  private:
    void buildFields();
    void buildButtons();
    void lsSpreadInit();
    void copyRun();
    void emptyRun();
    void setCaptionsByUnit();
    void showStopState(bool stopped);
    void setShapeColour(const QColor& colour);
    // Buttons and shape as the run's open stops say (none shown: running).
    void loadStopState();
    void wireCounts();
    QList<LotRow> lotRows() const;  // the material grid's rows, values
    void lsRestoreEntries(const RunEntries& held);
    // The bad count changed: the production count and the lot booking follow, kept.
    void lsBadCounted();
    // The terminal's file of held entries: written after each entry, read
    // once by a fresh screen (after a restart), dropped by the end.
    void lsKeepEntries();
    std::optional<RunEntries> lsKeptEntries() const;
    void lsEndSaved();
    void lsOpenLotSelect(int row);
    void lsOpenStartTime();
    void lsOpenEndTime();
    void lsOpenTest();

    void lsCounterSetup();
    // The counts from the strokes counted so far; true when they changed (and were kept).
    bool lsCounterApply();
    void lsCounterFollow(bool newRun);

    QString shownRun_;
    StrokeCounter* counter_ = nullptr;
    StrokeTally tally_;
    bool counterOnline_ = false;
    bool typedCounts_ = false;
    qint64 rateStrokes_ = -1;  // the strokes and time the rate is measured from
    qint64 rateSince_ = 0;
    QString rateText_;
    qint64 movedStrokes_ = -1;  // the strokes at the last movement, and when it was seen
    qint64 movedAt_ = 0;
    bool ranWhileStopped_ = false;  // strokes came while the open stop is still open
};

}  // namespace mes
