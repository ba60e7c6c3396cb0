#include "workorders/frm_S_jakupjisi_list.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "foundation/UserInterface.h"
#include "production/frm_S_dayReport.h"
#include "ui/ButtonStrip.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "ui/ScreenParts.h"
#include "ui/ScreenTimers.h"
#include "ui/Theme.h"
#include "ui/clsSpread.h"
#include "ui/frm_MSG_001.h"
#include "ui/frm_Pass_Key.h"
#include "workorders/ListStatements.h"
#include "workorders/WorkRunStart.h"
#include "workorders/frm_S_Jakup.h"

namespace mes {

const QString frm_S_jakupjisi_list::kAccessCode = QStringLiteral("7306");

namespace {

constexpr int kCustomerButtons = 55;
constexpr int kDateButtons = 14;
const QString kDone = QStringLiteral("완료");
const QString kRunning = QStringLiteral("진행중");
const QString kNotStarted = QStringLiteral("미완료");

struct Column {
    const char* head;
    const char* id;
    int width;
    SpreadCellType type;
    bool hidden;
};

// The grid, in the order of the list query's columns.
const Column kColumns[] = {
    {"작업지시번호", "작업지시번호", 12, SpreadCellType::Text, true},
    {"작업번호", "지시순번", 14, SpreadCellType::Text, true},
    {"지시일자", "지시일자", 10, SpreadCellType::Text, false},
    {"구분", "구분", 5, SpreadCellType::PickList, true},
    {"수주처코드", "수주처코드", 8, SpreadCellType::Text, true},
    {"수주처", "수주처", 10, SpreadCellType::Text, false},
    {"공정코드", "공정코드", 6, SpreadCellType::Text, true},
    {"공정명", "공정명", 8, SpreadCellType::Text, true},
    {"설비코드", "설비코드", 6, SpreadCellType::Text, true},
    {"설비명", "설비명", 10, SpreadCellType::Text, true},
    {"품번코드", "품번코드", 10, SpreadCellType::Text, true},
    {"품번", "품번", 10, SpreadCellType::Text, false},
    {"Rev.No", "Rev.No", 5, SpreadCellType::Text, true},
    {"품명", "품명", 12, SpreadCellType::Text, false},
    {"규격", "규격", 8, SpreadCellType::Text, false},
    {"업체", "업체", 8, SpreadCellType::Text, false},
    {"품명(상세)", "품명상세", 12, SpreadCellType::Text, false},
    {"지시\n수량", "작업지시수량", 6, SpreadCellType::Number, false},
    {"생산\n수량", "생산수량", 6, SpreadCellType::Number, false},
    {"작업인원", "작업인원", 4, SpreadCellType::Number, true},
    {"작업자코드", "작업자코드", 6, SpreadCellType::Text, true},
    {"작업자", "작업자", 6, SpreadCellType::Text, true},
    {"완료\n여부", "완료여부", 5, SpreadCellType::Text, false},
    {"발행\n여부", "발행여부", 4, SpreadCellType::CheckBox, false},
    {"저장", "저장", 5, SpreadCellType::Button, false},
    {"취소", "취소", 5, SpreadCellType::Button, false},
};

// The production screen shown on an order: its inputs, then its own load.
void handOver(const QString& process, const QString& equipment, const QString& seq,
              const QString& opSeqSub) {
    frm_S_dayReport& day = gfFORM<frm_S_dayReport>();
    gsSHOW_SCREEN(day);
    day.lvSerchSQL = gfPROCESS_FILTER(process);
    day.lvEquipment_code = equipment;
    day.lblseq->setText(seq);
    if (!opSeqSub.isEmpty()) day.lblOp_seq_sub->setText(opSeqSub);
    day.lblProcess_code->setText(process);
    day.lsQuery();
}

}  // namespace

frm_S_jakupjisi_list::frm_S_jakupjisi_list(QWidget* parent) : QWidget(parent, Qt::Window) {
    const ScreenFrame frame = gfSCREEN_FRAME(this, QStringLiteral("frm_S_jakupjisi_list"),
                                             QStringLiteral("작업지시목록"));
    QVBoxLayout* layout = frame.layout;
    QHBoxLayout* top = frame.top;
    lblWC_name = new QLabel(this);
    lblWC_name->setObjectName(QStringLiteral("lblWC_name"));
    lblDate = new QLabel(this);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblTime = new QLabel(this);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    for (QLabel* l : {lblWC_name, lblDate, lblTime})
        l->setFont(Theme::font(Theme::kLargeFontPixels, true));
    top->addWidget(lblWC_name, 1);
    top->addWidget(lblDate);
    top->addSpacing(12);
    top->addWidget(lblTime);

    btnEquipment = new ButtonStrip(QStringLiteral("btnEquipment"), kCustomerButtons, 2, 6, this);
    layout->addWidget(btnEquipment);
    auto* dates = new QHBoxLayout;
    btnFind = gfBIG_BUTTON(this, QStringLiteral("btnFind"), QStringLiteral("작업 전체조회"));
    btnEquipment2 = new ButtonStrip(QStringLiteral("btnEquipment2"), kDateButtons, 1, 5, this);
    dates->addWidget(btnFind);
    dates->addWidget(btnEquipment2, 1);
    layout->addLayout(dates);

    ss = gfSPREAD_GRID(this, &spread);
    layout->addWidget(ss, 1);

    auto* actions = new QHBoxLayout;
    btnStart = gfBIG_BUTTON(this, QStringLiteral("btnStart"), QStringLiteral("작업시작"));
    btnJakup = gfBIG_BUTTON(this, QStringLiteral("btnJakup"), QStringLiteral("작업등록"));
    btnCancel = gfBIG_BUTTON(this, QStringLiteral("btnCancel"), QStringLiteral("작업삭제"));
    for (QPushButton* b : {btnStart, btnJakup, btnCancel}) actions->addWidget(b);
    layout->addLayout(actions);
    navigation = new NavigationBar(this);
    navigation->markCurrent(QStringLiteral("btnJakupJisi"));
    // This screen's "생산작업현황" is the bar's, with the checks of a row; its own
    // tab only brings it to the front.
    btnDayReport = navigation->btnDayReport;
    navigation->setAction(QStringLiteral("btnDayReport"), [this] { btnDayReport_Click(); });
    navigation->setAction(QStringLiteral("btnJakupJisi"), [this] { gsSHOW_SCREEN(*this); });
    layout->addWidget(navigation);

    connect(btnEquipment, &ButtonStrip::clicked, this, &frm_S_jakupjisi_list::customerClicked);
    connect(btnEquipment2, &ButtonStrip::clicked, this, &frm_S_jakupjisi_list::dateClicked);
    connect(btnFind, &QPushButton::clicked, this, &frm_S_jakupjisi_list::btnFind_Click);
    connect(btnStart, &QPushButton::clicked, this, &frm_S_jakupjisi_list::btnStart_Click);
    connect(btnJakup, &QPushButton::clicked, this, &frm_S_jakupjisi_list::btnJakup_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frm_S_jakupjisi_list::btnCancel_Click);
    connect(spread, &clsSpread::ButtonClicked, this, &frm_S_jakupjisi_list::buttonCell);
    connect(spread, &clsSpread::Click, this, [this](int col, int row) {
        if (spread->GetCellType(col) != SpreadCellType::Button) rowClicked(row);
    });

    lsGridInit();
    lsCustomerButtons();
    btnFind_Click();
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frm_S_jakupjisi_list::tick);
    ScreenTimers::govern(this, {Timer1});
    Timer1->start();
    tick();
}

void frm_S_jakupjisi_list::showScreen() {
    frm_S_jakupjisi_list& s = gfFORM<frm_S_jakupjisi_list>();
    gsSHOW_SCREEN(s);
    s.lsQuery();
}

void frm_S_jakupjisi_list::showCleared() {
    frm_S_jakupjisi_list& s = gfFORM<frm_S_jakupjisi_list>();
    gsSHOW_SCREEN(s);
    s.btnFind_Click();
}

void frm_S_jakupjisi_list::tick() {
    lblDate->setText(TerminalClock::date());
    lblTime->setText(TerminalClock::time());
}

void frm_S_jakupjisi_list::lsGridInit() {
    const int count = static_cast<int>(std::size(kColumns));
    spread->SetInit(0, count, 20, 1, 12);
    for (int i = 0; i < count; ++i) {
        const Column& c = kColumns[i];
        SpreadColumn col;
        col.head = QString::fromUtf8(c.head);
        col.id = QString::fromUtf8(c.id);
        col.width = c.width;
        col.type = c.type;
        col.hidden = c.hidden;
        col.halign =
            c.type == SpreadCellType::Number ? 1 : (c.type == SpreadCellType::Text ? 0 : 2);
        if (c.type == SpreadCellType::PickList) {
            col.popup = true;
            col.choices = QStringList{QStringLiteral("주간"), QStringLiteral("야간")};
        }
        if (c.type == SpreadCellType::Button) col.caption = col.id;
        spread->SetColType(i + 1, col);
    }
    spread->SetCellText(QStringLiteral("저장"), -1, QStringLiteral("저장"));
    spread->SetCellText(QStringLiteral("취소"), -1, QStringLiteral("취소"));
}

void frm_S_jakupjisi_list::lsCustomerButtons() {
    gvSQL = gfLIST_CUSTOMERS_SQL();
    QList<std::pair<QString, QString>> customers;
    if (gfDB_QUERY(gvSQL, false, windowTitle())) {
        for (; !gvRS().eof(); gvRS().moveNext())
            customers.append({gvRS().text(QStringLiteral("customer_name")),
                              gvRS().text(QStringLiteral("customer_code"))});
    }
    if (gvRS().isOpen()) gvRS().close();
    btnEquipment->setButtons(customers);
}

void frm_S_jakupjisi_list::lsDateButtons(const QString& customerCode) {
    gvSQL = gfLIST_DATES_SQL(customerCode, TerminalClock::now().date());
    QList<std::pair<QString, QString>> dates;
    if (gfDB_QUERY(gvSQL, false, windowTitle()) &&
        !gvRS().text(QStringLiteral("jisi_date")).isEmpty()) {
        for (; !gvRS().eof(); gvRS().moveNext()) {
            const QString d = gvRS().text(QStringLiteral("jisi_date"));
            dates.append({d, d});
        }
    }
    if (gvRS().isOpen()) gvRS().close();
    // One layout for the whole strip; the colours after, on the widgets of its page.
    btnEquipment2->setButtons(dates);
    for (int i = 0; i < dates.size(); ++i) btnEquipment2->setBackColor(i, Theme::unselected());
}

void frm_S_jakupjisi_list::lsQuery() {
    gvSQL = gfLIST_SQL(lvSerchSQL, TerminalClock::now().date());
    const int rows = spread->SetbindRS(gvSQL, objectName());
    spread->SetCellText(QStringLiteral("저장"), -1, QStringLiteral("저장"));
    spread->SetCellText(QStringLiteral("취소"), -1, QStringLiteral("취소"));
    for (int r = 1; r <= rows; ++r) {
        const QString state = spread->TextWithColID(QStringLiteral("완료여부"), r);
        if (state == kDone) spread->SetColor(1, spread->MaxCols(), r, r, QColor(255, 128, 128));
        if (state == kRunning) spread->SetColor(1, spread->MaxCols(), r, r, QColor(0, 192, 0));
    }
}

void frm_S_jakupjisi_list::lsQueryOn(const QString& seq) {
    lsQuery();
    // The reload clears the active row: a second touch of 작업시작 must find the
    // same order again (now 진행중), not another one or none.
    for (int r = 1; r <= spread->MaxRows(); ++r) {
        if (spread->TextWithColID(QStringLiteral("지시순번"), r) == seq) {
            spread->SetFocus(spread->GetColNo(QStringLiteral("지시일자")), r);
            return;
        }
    }
}

void frm_S_jakupjisi_list::setFindColour(bool selected) {
    const QColor c = selected ? Theme::selected() : Theme::unselected();
    btnFind->setStyleSheet(
        QStringLiteral("background: rgb(%1,%2,%3);").arg(c.red()).arg(c.green()).arg(c.blue()));
}

void frm_S_jakupjisi_list::btnFind_Click() {
    lvSerchSQL.clear();
    lvJakup_Customer_Code.clear();
    lvJakup_Customer_Name.clear();
    lvJakup_JisiDate_Code.clear();
    lvJakup_JisiDate_Name.clear();
    lsQuery();
    setFindColour(true);
    lsCustomerButtons();
    btnEquipment->clearSelection();
    btnEquipment2->clearSelection();
    btnEquipment2->setPage(0);
    lsDateButtons(QString());
    lblWC_name->setText(btnFind->text());
}

void frm_S_jakupjisi_list::lsSelectCustomer(int index) {
    if (index < 0) {
        btnEquipment->clearSelection();
        lvJakup_Customer_Code.clear();
        lvJakup_Customer_Name.clear();
        return;
    }
    btnEquipment->select(index);
    lvJakup_Customer_Code = btnEquipment->tag(index);
    lvJakup_Customer_Name = btnEquipment->caption(index);
}

void frm_S_jakupjisi_list::customerClicked(int index) {
    lsSelectCustomer(index);
    setFindColour(false);
    lblWC_name->setText(lvJakup_Customer_Name);
    lvSerchSQL = gfLIST_CUSTOMER_FILTER(lvJakup_Customer_Code);
    lsDateButtons(lvJakup_Customer_Code);
    lsQuery();
}

void frm_S_jakupjisi_list::dateClicked(int index) {
    btnEquipment2->select(index);
    setFindColour(false);
    lvSerchSQL = gfLIST_DATE_FILTER(btnEquipment2->tag(index), lvJakup_Customer_Code);
    if (!lvJakup_Customer_Code.isEmpty()) {
        lblWC_name->setText(lvJakup_Customer_Name + QStringLiteral(" (") +
                            btnEquipment2->caption(index) + QLatin1Char(')'));
    }
    lvJakup_JisiDate_Code = btnEquipment2->tag(index);
    lvJakup_JisiDate_Name = btnEquipment2->caption(index);
    lsQuery();
}

void frm_S_jakupjisi_list::rowClicked(int row) {
    const QString code = spread->TextWithColID(QStringLiteral("수주처코드"), row);
    int customer = -1;
    for (int i = 0; i < btnEquipment->count() && customer < 0; ++i) {
        if (btnEquipment->isButtonVisible(i) && btnEquipment->tag(i) == code) customer = i;
    }
    // The row's customer becomes the selected one, for the date buttons and a registration.
    lsSelectCustomer(customer);
    lsDateButtons(code);
    const QString date = spread->TextWithColID(QStringLiteral("지시일자"), row);
    for (int i = 0; i < btnEquipment2->count(); ++i) {
        const bool match = btnEquipment2->isButtonVisible(i) && btnEquipment2->tag(i) == date;
        btnEquipment2->setBackColor(i, match ? Theme::selected() : Theme::unselected());
    }
    lblWC_name->setText(lvJakup_Customer_Name + QStringLiteral(" (") +
                        spread->TextWithColID(QStringLiteral("품명"), row) + QLatin1Char(')'));
    setFindColour(false);
}

void frm_S_jakupjisi_list::buttonCell(int col, int row) {
    const QString id = spread->GetColID(col);
    if (id == QStringLiteral("저장")) setIssued(row, true);
    if (id == QStringLiteral("취소")) setIssued(row, false);
}

void frm_S_jakupjisi_list::setIssued(int row, bool issued) {
    const bool isIssued =
        spread->ValueWithColID(QStringLiteral("발행여부"), row) == QLatin1String("1");
    if (issued && isIssued) {
        gsMSG(QStringLiteral("이미 발행된 품목입니다."));
        return;
    }
    if (!issued && !isIssued) {
        gsMSG(QStringLiteral("발행되지 않은 품목입니다."));
        return;
    }
    gvSQL = gfISSUED_SQL(spread->TextWithColID(QStringLiteral("지시순번"), row),
                         issued ? QStringLiteral("1") : QStringLiteral("0"));
    if (!gfDB_EXEC(gvSQL, windowTitle())) {
        gsMSG(QStringLiteral("저장 실패"));
    } else {
        gsMSG(issued ? QStringLiteral("저장 완료") : QStringLiteral("취소 완료"));
    }
    lsQuery();
}

void frm_S_jakupjisi_list::btnStart_Click() {
    const int row = spread->ActiveRow();
    if (spread->MaxRows() == 0 || row < 1) {
        gsMSG(QStringLiteral("작업지시가 없습니다."));
        return;
    }
    const QString state = spread->TextWithColID(QStringLiteral("완료여부"), row);
    if (state == kRunning) {
        gsMSG(QStringLiteral("이미 진행중인 작업입니다."));
        return;
    }
    if (state == kDone) {
        gsMSG(QStringLiteral("이미 완료된 작업입니다."));
        return;
    }
    auto text = [this, row](const char* id) {
        return spread->TextWithColID(QString::fromUtf8(id), row);
    };
    bool qtyOk = false;
    bool workersOk = false;
    const double qty = spread->ValueWithColID(QStringLiteral("작업지시수량"), row).toDouble(&qtyOk);
    const int workers = spread->ValueWithColID(QStringLiteral("작업인원"), row).toInt(&workersOk);
    const QString title = QStringLiteral("오류");
    if (!qtyOk || !workersOk || workers < -32768 || workers > 32767) {
        // A value the run record cannot hold: nothing is written.
        gvUI().showMessage(title, QStringLiteral("저장실패"), UserInterface::Icon::Critical);
        return;
    }
    RunValues run;
    run.prodNo = text("작업지시번호");
    run.seq = text("지시순번");
    run.processCode = text("공정코드");
    run.equipmentCode = text("설비코드");
    run.productCode = text("품번코드");
    run.customerCode = text("수주처코드");
    run.orderQty = qty;
    run.sdate = TerminalClock::date();
    run.stime = TerminalClock::hhmm();
    run.jisiDate = text("지시일자");
    run.workers = static_cast<qint16>(workers);
    run.workerCode = text("작업자코드");
    run.lastDate = run.sdate;
    run.lastTime = TerminalClock::hhmmss();
    const KeyedWrite::Outcome started = gfSTART_WORK_RUN(&run, objectName());
    if (started == KeyedWrite::Outcome::Unchanged) {
        // Started meanwhile: a double tap, a stale list or another terminal.
        gsMSG(QStringLiteral("이미 진행중인 작업입니다."));
        lsQueryOn(run.seq);
        return;
    }
    if (started == KeyedWrite::Outcome::Failed) {
        gvUI().showMessage(title, QStringLiteral("저장실패"), UserInterface::Icon::Critical);
        return;
    }
    lsQueryOn(run.seq);
    handOver(run.processCode, run.equipmentCode, run.seq, run.opSeqSub);
}

void frm_S_jakupjisi_list::btnDayReport_Click() {
    const int row = spread->ActiveRow();
    const QString state = spread->TextWithColID(QStringLiteral("완료여부"), row);
    if (state == kNotStarted) {
        gsMSG(QStringLiteral("미완료인 품번은 작업시작을 눌러주세요."));
        return;
    }
    if (state == kDone) {
        gsMSG(QStringLiteral("완료된 품번입니다."));
        return;
    }
    if (spread->MaxRows() == 0 || row < 1) return;
    const QString seq = spread->TextWithColID(QStringLiteral("지시순번"), row);
    gvSQL = gfRUN_OF_ORDER_SQL(seq);
    const QString opSeqSub = gfDB_VALUE(gvSQL, QString()).toString();
    handOver(spread->TextWithColID(QStringLiteral("공정코드"), row),
             spread->TextWithColID(QStringLiteral("설비코드"), row), seq, opSeqSub);
}

void frm_S_jakupjisi_list::btnJakup_Click() {
    if (lvJakup_Customer_Code.isEmpty()) {
        gsMSG(QStringLiteral("수주처를 먼저 선택하십시오."));
        return;
    }
    frm_S_Jakup& reg = gfFORM<frm_S_Jakup>();
    gsSHOW_SCREEN(reg);
    reg.txtCustomer_Code->setText(lvJakup_Customer_Code);
    reg.txtCustomer_Name->setText(lvJakup_Customer_Name);
    reg.lsQuery();
}

void frm_S_jakupjisi_list::btnCancel_Click() {
    const int row = spread->ActiveRow();
    const QString state = spread->TextWithColID(QStringLiteral("완료여부"), row);
    if (state == kRunning || state == kDone) {
        // Its defects, stops and ledger rows would be left without their run.
        gsMSG(QStringLiteral("진행중이거나 완료된 작업은 삭제할 수 없습니다."));
        return;
    }
    gsMSG(QStringLiteral("비밀번호를 확인합니다."));
    if (gfFORM<frm_Pass_Key>().Show() != kAccessCode) {
        gsMSG(QStringLiteral("잘못된 비밀번호 입니다."));
        return;
    }
    gsMSG(QStringLiteral("작업을 삭제합니다."));
    gsSQL_LIST_START();
    for (const QString& sql :
         gfDELETE_ORDER_LIST(spread->TextWithColID(QStringLiteral("지시순번"), row))) {
        gvSQL = sql;
        gsSQL_LIST_ADD();
    }
    gfSQL_LIST_READY();
    if (gfDB_EXEC_LIST_CNT(gvSQLList, objectName(), 1)) {
        gsMSG(QStringLiteral("작업삭제가 완료되었습니다."));
        btnFind_Click();
    } else {
        gsMSG(QStringLiteral("삭제 실패"));
    }
}

}  // namespace mes
