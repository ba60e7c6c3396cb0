// The self-inspection screen: its controls and the grid's columns.
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "quality/GridGroupCaptions.h"
#include "quality/frm_S_jajutest.h"
#include "ui/Forms.h"
#include "ui/ScreenParts.h"
#include "ui/Theme.h"
#include "ui/TouchDatePicker.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"

namespace mes {

namespace {

template <class T = QLabel>
T* field(QWidget* parent, const QString& name, bool shown = true) {
    auto* l = new T(parent);
    l->setObjectName(name);
    l->setVisible(shown);
    gsFIELD_LOOK(l);
    return l;
}

QRadioButton* option(QWidget* parent, const QString& name, const QString& text) {
    auto* o = new QRadioButton(text, parent);
    o->setObjectName(name);
    o->setMinimumHeight(Theme::kRowHeight);
    o->setFont(Theme::font(Theme::kFontPixels, true));
    return o;
}

}  // namespace

frm_S_jajutest::frm_S_jajutest(QWidget* parent) : QWidget(parent, Qt::Window) {
    gsSCREEN_WINDOW(this, QStringLiteral("frm_S_jajutest"), QStringLiteral("자주검사등록"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    buildTop();
    buildGrid();
    buildBottom();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frm_S_jajutest::Timer1_Timer);
    Timer1->start();
    Timer1_Timer();
    Form_Load();
}

void frm_S_jajutest::buildTop() {
    lblProduct_code = field(this, QStringLiteral("lblProduct_code"), false);
    lbl_seq = field(this, QStringLiteral("lbl_seq"));
    lbljuya = field(this, QStringLiteral("lbljuya"));
    lbltest_num = field(this, QStringLiteral("lbltest_num"), false);
    lbl_jaju_num = field(this, QStringLiteral("lbl_jaju_num"));
    lblipha_su = field(this, QStringLiteral("lblipha_su"));
    lblemployee_no = field(this, QStringLiteral("lblemployee_no"), false);
    lbl_employee = field<TouchLabel>(this, QStringLiteral("lbl_employee"));
    lbl_employee->setStyleSheet(QStringLiteral("background: rgb(255,255,192);"));
    lbldelete_type = field(this, QStringLiteral("lbldelete_type"), false);
    lblDate = field(this, QStringLiteral("lblDate"));
    lblTime = field(this, QStringLiteral("lblTime"));
    dtpSt_date = new TouchDatePicker(QStringLiteral("dtpSt_date"), this);
    dtptest_date = new TouchDatePicker(QStringLiteral("dtptest_date"), this);
    imgProduct = field<TouchLabel>(this, QStringLiteral("imgProduct"));
    imgProduct->setScaledContents(true);
    imgProduct->setFixedSize(160, 120);

    auto* g = new QGridLayout;
    g->setSpacing(4);
    const auto pair = [&](int row, int col, const QString& text, QWidget* value) {
        g->addWidget(gfCAPTION(this, text), row, col * 2);
        g->addWidget(value, row, col * 2 + 1);
    };
    pair(0, 0, QStringLiteral("작업지시"), lbl_seq);
    pair(0, 1, QStringLiteral("주야"), lbljuya);
    pair(1, 0, QStringLiteral("전표번호"), lbl_jaju_num);
    pair(1, 1, QStringLiteral("지시수량"), lblipha_su);
    pair(2, 0, QStringLiteral("검사자"), lbl_employee);
    g->addWidget(lblDate, 2, 2);
    g->addWidget(lblTime, 2, 3);
    pair(3, 0, QStringLiteral("작업일자"), dtpSt_date);
    pair(3, 1, QStringLiteral("검사일자"), dtptest_date);
    g->addWidget(imgProduct, 0, 4, 4, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(g);
    connect(lbl_employee, &TouchLabel::clicked, this, &frm_S_jajutest::lbl_employee_Click);
    connect(imgProduct, &TouchLabel::clicked, this, &frm_S_jajutest::imgProduct_Click);
}

void frm_S_jajutest::buildGrid() {
    ss = new QTableView(this);
    ss->setObjectName(QStringLiteral("ss"));
    spread = new clsSpread(this);
    spread->Spr(ss);
    groups = new GridGroupCaptions(ss,
                                   {{QStringLiteral("검사항목"), 1, 4},
                                    {QStringLiteral("SPEC"), 5, 10},
                                    {QStringLiteral("초물"), 11, 13},
                                    {QStringLiteral("중물"), 14, 16},
                                    {QStringLiteral("종물"), 17, 19}},
                                   this);
    layout()->addWidget(groups);
    static_cast<QVBoxLayout*>(layout())->addWidget(ss, 1);
    connect(spread, &clsSpread::Click, this, &frm_S_jajutest::ss_Click);
    connect(spread, &clsSpread::Change, this, &frm_S_jajutest::ss_Change);
}

void frm_S_jajutest::buildBottom() {
    auto* row = new QHBoxLayout;
    optPass = option(this, QStringLiteral("optPass"), QStringLiteral(" 합  격"));
    optNotpass = option(this, QStringLiteral("optNotpass"), QStringLiteral(" 불 합 격"));
    optCheck = option(this, QStringLiteral("optCheck"), QStringLiteral("입력완료"));
    auto* verdict = new QButtonGroup(this);
    verdict->addButton(optPass);
    verdict->addButton(optNotpass);
    optCheck->setAutoExclusive(false);
    optPass->setChecked(true);
    btn_Savejaju = gfBUTTON(this, QStringLiteral("btn_Savejaju"), QStringLiteral("초중종검사등록"));
    btn_deletejaju =
        gfBUTTON(this, QStringLiteral("btn_deletejaju"), QStringLiteral("초중종검사삭제"));
    btnClose = gfBUTTON(this, QStringLiteral("btnClose"), QStringLiteral("닫기"));
    for (QWidget* w : std::initializer_list<QWidget*>{optPass, optNotpass, optCheck})
        row->addWidget(w);
    row->addStretch(1);
    for (QPushButton* b : {btn_Savejaju, btn_deletejaju, btnClose}) row->addWidget(b);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(btn_Savejaju, &QPushButton::clicked, this, &frm_S_jajutest::btn_Savejaju_Click);
    connect(btn_deletejaju, &QPushButton::clicked, this, &frm_S_jajutest::btn_deletejaju_Click);
    connect(btnClose, &QPushButton::clicked, this, [] { gsUNLOAD<frm_S_jajutest>(); });
}

void frm_S_jajutest::lsSpreadInit() {
    spread->SetInit(0, 25, 20, 0, 11);
    const auto col = [this](int n, const char* head, const char* id, int width,
                            bool hidden = false) {
        spread->SetColType(n, QString::fromUtf8(head), QString::fromUtf8(id), width, {},
                           SpreadCellType::Text, 0, 0, false, 2, 2, hidden);
    };
    col(1, "세부출하검사번호", "세부출하검사번호", 0, true);
    col(2, "유형명", "유형명", 6);
    col(3, "검사항목코드", "검사항목코드", 0, true);
    col(4, "항목명", "항목명", 9);
    col(5, "기준", "기준", 10);
    col(6, "MIN", "MIN", 5);
    col(7, "MAX", "MAX", 5);
    col(8, "단위", "단위", 4);
    col(9, "검사구", "검사구", 7);
    col(10, "시료수", "시료수", 4);
    for (int n = 1; n <= 9; ++n) {
        const QByteArray head = QStringLiteral("%1회").arg((n - 1) % 3 + 1).toUtf8();
        const QByteArray id = QStringLiteral("x%1").arg(n).toUtf8();
        col(10 + n, head.constData(), id.constData(), 5);
    }
    col(20, "검사확인", "검사확인", 6);
    col(21, "판정", "판정", 6);
    col(22, "비고", "비고", 8);
    col(23, "검사자사번", "검사자사번", 0, true);
    col(24, "등록완료유무", "등록완료유무", 0, true);
    col(25, "검사자", "검사자", 0, true);
}

}  // namespace mes
