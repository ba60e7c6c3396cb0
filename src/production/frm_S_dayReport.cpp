#include "production/frm_S_dayReport.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/NavigationBar.h"
#include "ui/ScreenParts.h"
#include "ui/ScreenTimers.h"
#include "ui/Theme.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"

namespace mes {

namespace {

template <class T = QLabel>
T* field(QWidget* parent, const QString& name, bool shown = true) {
    auto* l = new T(parent);
    l->setObjectName(name);
    if (!shown) {
        l->hide();
        return l;
    }
    gsFIELD_LOOK(l);
    return l;
}

}  // namespace

frm_S_dayReport::frm_S_dayReport(QWidget* parent) : QWidget(parent, Qt::Window) {
    // The title is also the location its statements give the error log.
    gsSCREEN_WINDOW(this, QStringLiteral("frm_S_dayReport"), QStringLiteral("작업지시목록"));
    buildFields();
    buildButtons();
    lsSpreadInit();
    wireCounts();
    navigation->markCurrent(QStringLiteral("btnDayReport"));
    // Its own tab: marks the screen, does nothing.
    navigation->setAction(QStringLiteral("btnDayReport"), {});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frm_S_dayReport::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(5000);
    connect(Timer2, &QTimer::timeout, this, &frm_S_dayReport::Timer2_Timer);
    ScreenTimers::govern(this, {Timer1, Timer2});
    Timer1->start();
    Timer1_Timer();
    showStopState(false);
    lsCounterSetup();
}

frm_S_dayReport::~frm_S_dayReport() = default;

void frm_S_dayReport::buildFields() {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(6);

    // Held for the dialogs and the end of the run; not drawn.
    lblseq = field(this, QStringLiteral("lblseq"), false);
    lblProcess_code = field(this, QStringLiteral("lblProcess_code"), false);
    lblCustomer_Code = field(this, QStringLiteral("lblCustomer_Code"), false);
    lblWC_code = field(this, QStringLiteral("lblWC_code"), false);
    lblEquipment_code = field(this, QStringLiteral("lblEquipment_code"), false);
    lblProduct_code = field(this, QStringLiteral("lblProduct_code"), false);
    lblOk_Cnt2 = field<CountLabel>(this, QStringLiteral("lblOk_Cnt2"), false);
    lblBad_Cnt2 = field<CountLabel>(this, QStringLiteral("lblBad_Cnt2"), false);
    lblProduct_Gubun = field(this, QStringLiteral("lblProduct_Gubun"), false);
    lblemployee_no = field(this, QStringLiteral("lblemployee_no"), false);
    lblEmployee_name = field(this, QStringLiteral("lblEmployee_name"), false);
    lblJakupsu = field(this, QStringLiteral("lblJakupsu"), false);
    lblLotno = field(this, QStringLiteral("lblLotno"), false);
    lblProduct_type_code = field(this, QStringLiteral("lblProduct_type_code"), false);
    lblCar_code = field(this, QStringLiteral("lblCar_code"), false);

    auto* top = new QHBoxLayout;
    lblWC_name = field(this, QStringLiteral("lblWC_name"));
    lblWC_name->setFont(Theme::font(Theme::kLargeFontPixels, true));
    lblDate = field(this, QStringLiteral("lblDate"));
    lblTime = field(this, QStringLiteral("lblTime"));
    top->addWidget(lblWC_name, 3);
    top->addWidget(lblDate, 1);
    top->addWidget(lblTime, 1);
    layout->addLayout(top);

    auto* g = new QGridLayout;
    g->setSpacing(4);
    auto pair = [&](int row, int col, QLabel* cap, QLabel* value) {
        g->addWidget(cap, row, col * 2);
        g->addWidget(value, row, col * 2 + 1);
    };
    lblJakupdate = field(this, QStringLiteral("lblJakupdate"));
    lbl_jakupjisi_num = field(this, QStringLiteral("lbl_jakupjisi_num"));
    lbl_juya = field(this, QStringLiteral("lbl_juya"));
    lblOp_seq_sub = field(this, QStringLiteral("lblOp_seq_sub"));
    pair(0, 0, gfCAPTION(this, QStringLiteral("지시 일자")), lblJakupdate);
    pair(0, 1, gfCAPTION(this, QStringLiteral("작업번호")), lbl_jakupjisi_num);
    g->addWidget(lbl_juya, 0, 4);
    g->addWidget(lblOp_seq_sub, 0, 5, 1, 3);

    lblCustomer_Name = field(this, QStringLiteral("lblCustomer_Name"));
    lblpumbun = field(this, QStringLiteral("lblpumbun"));
    lblUnit_Code = field(this, QStringLiteral("lblUnit_Code"));
    pair(1, 0, gfCAPTION(this, QStringLiteral("수주처")), lblCustomer_Name);
    pair(1, 1, gfCAPTION(this, QStringLiteral("품번")), lblpumbun);
    pair(1, 2, gfCAPTION(this, QStringLiteral("단위")), lblUnit_Code);

    lblproduct_name = field(this, QStringLiteral("lblproduct_name"));
    lblProduct_name_Detail = field(this, QStringLiteral("lblProduct_name_Detail"));
    g->addWidget(gfCAPTION(this, QStringLiteral("품명")), 2, 0);
    g->addWidget(lblproduct_name, 2, 1, 1, 3);
    g->addWidget(gfCAPTION(this, QStringLiteral("품명(상세)")), 2, 4);
    g->addWidget(lblProduct_name_Detail, 2, 5, 1, 3);

    lblStDate = field(this, QStringLiteral("lblStDate"));
    lblStTime = field<TouchLabel>(this, QStringLiteral("lblStTime"));
    lblEdTime = field<TouchLabel>(this, QStringLiteral("lblEdTime"));
    lblMin = field(this, QStringLiteral("lblMin"));
    pair(3, 0, gfCAPTION(this, QStringLiteral("시작일자")), lblStDate);
    pair(3, 1, gfCAPTION(this, QStringLiteral("시작시간")), lblStTime);
    pair(3, 2, gfCAPTION(this, QStringLiteral("종료시간")), lblEdTime);
    pair(3, 3, gfCAPTION(this, QStringLiteral("경과시간")), lblMin);

    lblJisi_Text = gfCAPTION(this, {}, QStringLiteral("lblJisi_Text"));
    lblSangsan_Text = gfCAPTION(this, {}, QStringLiteral("lblSangsan_Text"));
    lblOk_Text = gfCAPTION(this, {}, QStringLiteral("lblOk_Text"));
    lblBad_Text = gfCAPTION(this, {}, QStringLiteral("lblBad_Text"));
    lblJisi_Cnt = field<CountLabel>(this, QStringLiteral("lblJisi_Cnt"));
    lblJakup_Cnt = field<CountLabel>(this, QStringLiteral("lblJakup_Cnt"));
    lblOk_Cnt = field<CountLabel>(this, QStringLiteral("lblOk_Cnt"));
    lblBad_Cnt = field<CountLabel>(this, QStringLiteral("lblBad_Cnt"));
    for (QLabel* count :
         std::initializer_list<QLabel*>{lblJisi_Cnt, lblJakup_Cnt, lblOk_Cnt, lblBad_Cnt}) {
        count->setFont(Theme::font(Theme::kLargeFontPixels, true));
    }
    pair(4, 0, lblJisi_Text, lblJisi_Cnt);
    pair(4, 1, lblSangsan_Text, lblJakup_Cnt);
    pair(4, 2, lblOk_Text, lblOk_Cnt);
    pair(4, 3, lblBad_Text, lblBad_Cnt);
    lbl_okcnt2 = field(this, QStringLiteral("lbl_okcnt2"));
    lbl_badcnt2 = field(this, QStringLiteral("lbl_badcnt2"));
    g->addWidget(lbl_okcnt2, 5, 5);
    g->addWidget(lbl_badcnt2, 5, 7);
    // The stroke counter under the counts it drives: the button row has no room left.
    btnTypedCounts = gfBUTTON(this, QStringLiteral("btnTypedCounts"), QStringLiteral("수기입력"));
    btnTypedCounts->hide();
    lblCounter = new QLabel(this);
    lblCounter->setObjectName(QStringLiteral("lblCounter"));
    lblCounter->hide();
    g->addWidget(btnTypedCounts, 5, 0);
    g->addWidget(lblCounter, 5, 1, 1, 3);
    layout->addLayout(g);
    setCaptionsByUnit();

    ss = new QTableView(this);
    ss->setObjectName(QStringLiteral("ss"));
    layout->addWidget(ss, 1);
}

void frm_S_dayReport::buildButtons() {
    auto* row = new QHBoxLayout;
    btnBigadong_s = gfBUTTON(this, QStringLiteral("btnBigadong_s"), QStringLiteral("설비정지"));
    auto* shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("Shape_0"));
    shape->setFrameShape(QFrame::Box);
    shape->setFixedSize(Theme::kButtonHeight, Theme::kButtonHeight);
    shape->setAutoFillBackground(true);
    Shape << shape;
    btnBigadong_e = gfBUTTON(this, QStringLiteral("btnBigadong_e"), QStringLiteral("설비가동"));
    btnBigadong = gfBUTTON(this, QStringLiteral("btnBigadong"), QStringLiteral("비가동 등록"));
    btnTest = gfBUTTON(this, QStringLiteral("btnTest"), QStringLiteral("성형조건 등록"));
    cmdUnit_Change = gfBUTTON(this, QStringLiteral("cmdUnit_Change"), QStringLiteral("단위변환"));
    CmdChange = gfBUTTON(this, QStringLiteral("CmdChange"), QStringLiteral("작업전환"));
    btnEnd = gfBUTTON(this, QStringLiteral("btnEnd"), QStringLiteral("작업종료"));
    row->addWidget(btnBigadong_s);
    row->addWidget(shape);
    for (QPushButton* b : {btnBigadong_e, btnBigadong, btnTest, cmdUnit_Change, CmdChange, btnEnd})
        row->addWidget(b);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    navigation = new NavigationBar(this);
    layout()->addWidget(navigation);

    connect(lblBad_Cnt, &TouchLabel::clicked, this, &frm_S_dayReport::lblBad_Cnt_Click);
    connect(lblStTime, &TouchLabel::clicked, this, &frm_S_dayReport::lblStTime_Click);
    connect(lblEdTime, &TouchLabel::clicked, this, &frm_S_dayReport::lblEdTime_Click);
    connect(btnBigadong, &QPushButton::clicked, this, &frm_S_dayReport::btnBigadong_Click);
    connect(btnBigadong_s, &QPushButton::clicked, this, &frm_S_dayReport::btnBigadong_s_Click);
    connect(btnBigadong_e, &QPushButton::clicked, this, &frm_S_dayReport::btnBigadong_e_Click);
    connect(btnTest, &QPushButton::clicked, this, &frm_S_dayReport::btnTest_Click);
    connect(CmdChange, &QPushButton::clicked, this, &frm_S_dayReport::CmdChange_Click);
    btnJajuTest = gfBUTTON(this, QStringLiteral("btnJajuTest"), QStringLiteral("자주검사"));
    row->insertWidget(row->indexOf(btnTest) + 1, btnJajuTest);
    connect(btnJajuTest, &QPushButton::clicked, this, &frm_S_dayReport::btnJajuTest_Click);
}

void frm_S_dayReport::lsSpreadInit() {
    spread = new clsSpread(this);
    spread->Spr(ss);
    spread->SetInit(0, 11, 20, 0, 12);
    const QColor lot(255, 255, 0);
    const SpreadCellType text = SpreadCellType::Text;
    const SpreadCellType number = SpreadCellType::Number;
    spread->SetColType(1, QStringLiteral("품번코드"), QStringLiteral("품번코드"), 6, {}, text, 0, 0,
                       false, 0, 2, true);
    spread->SetColType(2, QStringLiteral("차종명"), QStringLiteral("차종명"), 12);
    spread->SetColType(3, QStringLiteral("구분"), QStringLiteral("구분"), 8);
    spread->SetColType(4, QStringLiteral("품번"), QStringLiteral("품번"), 32);
    spread->SetColType(5, QStringLiteral("Rev.No"), QStringLiteral("Rev.No"), 8, {}, text, 0, 0,
                       false, 0, 2, true);
    spread->SetColType(6, QStringLiteral("품명"), QStringLiteral("제품명"), 35);
    spread->SetColType(7, QStringLiteral("usage"), QStringLiteral("usage"), 7);
    spread->SetColType(8, QStringLiteral("LOT NO"), QStringLiteral("LOT NO"), 25, {}, text, 0, 0,
                       false, 0, 2, false, true, false, false, lot);
    spread->SetColType(9, QStringLiteral("LOT\r\n재고"), QStringLiteral("LOT재고"), 12, {}, number,
                       0, 0, true, 1);
    spread->SetColType(10, QStringLiteral("투입수량"), QStringLiteral("투입수량"), 12, {}, number,
                       0, 0, true, 1, 2, false, false);
    spread->SetColType(11, QStringLiteral("단위"), QStringLiteral("단위"), 6, {}, text, 0, 0, false,
                       2);
}

QColor frm_S_dayReport::stoppedColour() { return {255, 0, 0}; }
QColor frm_S_dayReport::runningColour() { return {71, 120, 252}; }

void frm_S_dayReport::showStopState(bool stopped) {
    btnBigadong_s->setEnabled(!stopped);
    btnBigadong_e->setEnabled(stopped);
}

}  // namespace mes
