#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <functional>

#include "ListKit.h"
#include "foundation/TerminalClock.h"
#include "production/frm_S_dayReport.h"
#include "screens/support/ScreenFixture.h"
#include "ui/ButtonStrip.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "ui/Theme.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_Jakup.h"
#include "workorders/frm_S_jakupjisi_list.h"

using namespace mes;
using namespace listkit;

namespace {

class ListScreen : public screentest::ScreenFixture {
  protected:
    frm_S_jakupjisi_list& open() {
        frm_S_jakupjisi_list::showScreen();
        return gfFORM<frm_S_jakupjisi_list>();
    }
    // Order seq of the demo: "yyyymmdd" of the day + counter + "001".
    static QString seq(int day, int n) {
        return kNow.date().addDays(day).toString("yyyyMMdd") + QString::asprintf("%03d001", n);
    }
    int rowOfSeq(frm_S_jakupjisi_list& l, const QString& s) {
        return rowOf(*l.spread, "지시순번", s);
    }
    QString chulha(const QString& s) {
        return value("SELECT chulha_yn FROM B_JAKUPJISI_MASTER WHERE seq = '" + s + "'").toString();
    }
};

TEST_F(ListScreen, ListsOpenOrdersAndTheLastWeeksFinishedOnesColouredByState) {
    frm_S_jakupjisi_list& l = open();
    const int listed = value(
                           "SELECT count(*) FROM B_JAKUPJISI_MASTER WHERE end_yn IN ('1','2') "
                           "OR (end_yn = '3' AND jisi_date >= '" +
                           day(-7) + "')")
                           .toInt();
    EXPECT_EQ(l.spread->MaxRows(), listed);
    EXPECT_EQ(clsSpread::LastRowCount(), listed);
    const QColor none = l.spread->GetColor(3, rowOfSeq(l, seq(0, 3)));
    struct Case {
        QString seq;
        bool listed;
        QString state;
        QColor colour;
    } cases[] = {
        {seq(-8, 1), false, {}, {}},
        {seq(-7, 1), true, "완료", QColor(255, 128, 128)},
        {seq(-1, 1), true, "진행중", QColor(0, 192, 0)},
        {seq(0, 3), true, "미완료", none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seq.toStdString());
        const int r = rowOfSeq(l, c.seq);
        ASSERT_EQ(r > 0, c.listed);
        if (!c.listed) continue;
        EXPECT_EQ(l.spread->TextWithColID("완료여부", r), c.state);
        for (const char* col : {"지시일자", "완료여부", "취소"})
            EXPECT_EQ(l.spread->GetColor(l.spread->GetColNo(col), r), c.colour) << col;
        EXPECT_EQ(l.spread->GetCellText("저장", r), "저장");
        EXPECT_EQ(l.spread->GetCellText("취소", r), "취소");
    }
    EXPECT_NE(none, QColor(0, 192, 0));
    EXPECT_EQ(l.spread->TextWithColID("구분", rowOfSeq(l, seq(0, 3))), "주간") << "null shift";
    EXPECT_EQ(l.spread->MaxCols(), 26);
    const QStringList dates = column(*l.spread, "지시일자");
    QStringList sorted = dates;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    EXPECT_EQ(dates, sorted) << "newest date first";
}

TEST_F(ListScreen, CustomerAndDateButtonsBuildTheFilter) {
    frm_S_jakupjisi_list& l = open();
    const QString customer = "한빛오토텍";
    EXPECT_EQ(captions(*l.btnEquipment).size(), value("SELECT count(*) FROM B_CUSTOMER").toInt());
    struct Case {
        QString customer;  // "" none pressed
        QString date;      // "" none pressed
        QString serch;
        QString label;
        QString code;  // every row's customer code, "" any
    } cases[] = {
        {customer, {}, "AND B_JAK.Customer_Code = 'C001'", customer, "C001"},
        {customer, day(0),
         "\nAND B_JAK.jisi_date = '" + day(0) + "'\nAND B_JAK.customer_code = 'C001'",
         customer + " (" + day(0) + ")", "C001"},
        {{}, day(0), "\nAND B_JAK.jisi_date = '" + day(0) + "'", "작업 전체조회", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.customer + "/" + c.date).toStdString());
        l.btnFind->click();
        if (!c.customer.isEmpty()) {
            l.btnEquipment->button(buttonOf(*l.btnEquipment, c.customer))->click();
            EXPECT_EQ(captions(*l.btnEquipment2).size(),
                      value("SELECT count(DISTINCT jisi_date) FROM B_JAKUPJISI_MASTER WHERE "
                            "customer_code = 'C001' AND (end_yn IN ('1','2') OR jisi_date >= '" +
                            day(-7) + "')")
                          .toInt());
        }
        if (!c.date.isEmpty()) l.btnEquipment2->button(buttonOf(*l.btnEquipment2, c.date))->click();
        EXPECT_EQ(l.lvSerchSQL, c.serch);
        EXPECT_EQ(l.lblWC_name->text(), c.label);
        EXPECT_EQ(l.lvJakup_Customer_Name, c.customer);
        EXPECT_EQ(l.lvJakup_JisiDate_Code, c.date);
        ASSERT_GT(l.spread->MaxRows(), 0);
        for (int r = 1; r <= l.spread->MaxRows(); ++r) {
            if (!c.code.isEmpty()) EXPECT_EQ(l.spread->TextWithColID("수주처코드", r), c.code);
            if (!c.date.isEmpty()) EXPECT_EQ(l.spread->TextWithColID("지시일자", r), c.date);
        }
    }
    l.btnFind->click();
    EXPECT_EQ(l.lvSerchSQL, "");
    for (const QString& v : {l.lvJakup_Customer_Code, l.lvJakup_Customer_Name,
                             l.lvJakup_JisiDate_Code, l.lvJakup_JisiDate_Name})
        EXPECT_EQ(v, "");
    EXPECT_TRUE(selectedCaptions(*l.btnEquipment).isEmpty());
    EXPECT_TRUE(selectedCaptions(*l.btnEquipment2).isEmpty());
    EXPECT_EQ(l.lblWC_name->text(), "작업 전체조회");
}

TEST_F(ListScreen, RowClickMarksItsCustomerAndDateWithoutReloading) {
    frm_S_jakupjisi_list& l = open();
    QStringList sent;
    session.setTrace([&sent](const TraceEvent& e) { sent << e.statement; });
    const int r = rowOfSeq(l, seq(-1, 2));
    ASSERT_GT(r, 0);
    clickCell(*l.ss, *l.spread, "지시일자", r);
    EXPECT_EQ(selectedCaptions(*l.btnEquipment), QStringList{"대성정밀"});
    EXPECT_EQ(selectedCaptions(*l.btnEquipment2), QStringList{day(-1)});
    EXPECT_EQ(l.lblWC_name->text(), "대성정밀 (" + l.spread->TextWithColID("품명", r) + ")");
    EXPECT_EQ(l.spread->TextWithColID("품명", r),
              value("SELECT product_name FROM B_PRODUCT_MASTER WHERE product_code = 'WP-100'")
                  .toString());
    ASSERT_EQ(sent.size(), 1) << "the date buttons only";
    EXPECT_TRUE(sent[0].contains("GROUP BY jisi_date"));
    session.setTrace({});
}

TEST_F(ListScreen, IssuedFlagButtonsCheckTheRowAndWrite) {
    frm_S_jakupjisi_list& l = open();
    struct Case {
        QString seq;
        const char* column;
        QString message;
        QString after;
    } cases[] = {
        {seq(-3, 1), "저장", "이미 발행된 품목입니다.", "1"},
        {seq(0, 3), "취소", "발행되지 않은 품목입니다.", "0"},
        {seq(0, 3), "저장", "저장 완료", "1"},
        {seq(-3, 1), "취소", "취소 완료", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.seq + c.column).toStdString());
        script.notice(c.message);
        clickCell(*l.ss, *l.spread, c.column, rowOfSeq(l, c.seq));
        EXPECT_EQ(script.pending(), 0);
        EXPECT_EQ(chulha(c.seq), c.after);
        EXPECT_EQ(l.spread->ValueWithColID("발행여부", rowOfSeq(l, c.seq)), c.after);
    }
}

TEST_F(ListScreen, DeletingNeedsTheCodeANotStartedOrderAndBothRows) {
    const QString refused = "진행중이거나 완료된 작업은 삭제할 수 없습니다.";
    frm_S_jakupjisi_list& l = open();
    auto startedElsewhere = [this](frm_S_jakupjisi_list&) {
        exec("INSERT INTO P_SANGSAN_MASTER (prod_no, seq, op_seq, op_seq_sub) VALUES ('" +
             seq(0, 3).left(11) + "', '" + seq(0, 3) + "', 'X1', 'X1001')");
        exec("UPDATE B_JAKUPJISI_MASTER SET end_yn = '2' WHERE seq = '" + seq(0, 3) + "'");
    };
    auto setBackAndReload = [this](frm_S_jakupjisi_list& list) {
        exec("UPDATE B_JAKUPJISI_MASTER SET end_yn = '1' WHERE seq = '" + seq(0, 2) + "'");
        list.lsQuery();
    };
    struct Case {
        const char* name;
        QString code;  // "" when no code is asked
        QString seq;
        std::function<void(frm_S_jakupjisi_list&)> arrange;
        QStringList notices;  // after the keypad
        bool deleted;
    } cases[] = {
        {"running", "", seq(0, 2), {}, {refused}, false},
        {"finished", "", seq(0, 1), {}, {refused}, false},
        {"wrong code", "1234", seq(0, 3), {}, {"잘못된 비밀번호 입니다."}, false},
        {"never started: no run",
         "7306",
         seq(0, 3),
         {},
         {"작업을 삭제합니다.", "삭제 실패"},
         false},
        {"started by another terminal, list not reloaded",
         "7306",
         seq(0, 3),
         startedElsewhere,
         {"작업을 삭제합니다.", "삭제 실패"},
         false},
        {"a run left under an order not started",
         "7306",
         seq(0, 2),
         setBackAndReload,
         {"작업을 삭제합니다.", "작업삭제가 완료되었습니다."},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.arrange) c.arrange(l);
        const int runs = value("SELECT count(*) FROM P_SANGSAN_MASTER").toInt();
        const int orders = value("SELECT count(*) FROM B_JAKUPJISI_MASTER").toInt();
        const int hadRun =
            value("SELECT count(*) FROM P_SANGSAN_MASTER WHERE seq = '" + c.seq + "'").toInt();
        l.spread->SetFocus(3, rowOfSeq(l, c.seq));
        if (!c.code.isEmpty()) script.notice("비밀번호를 확인합니다.").keypad(c.code);
        for (const QString& n : c.notices) script.notice(n);
        l.btnCancel->click();
        EXPECT_EQ(script.pending(), 0);
        EXPECT_EQ(value("SELECT count(*) FROM P_SANGSAN_MASTER").toInt(),
                  runs - (c.deleted ? hadRun : 0));
        EXPECT_EQ(value("SELECT count(*) FROM B_JAKUPJISI_MASTER").toInt(),
                  orders - (c.deleted ? 1 : 0));
        EXPECT_EQ(rowOfSeq(l, c.seq) == 0, c.deleted) << "listed as stored";
    }
}

// The customer a row touch marks is the one the date buttons and a registration use.
TEST_F(ListScreen, ARowTouchSelectsItsCustomerForDatesAndRegistration) {
    frm_S_jakupjisi_list& l = open();
    const int r = rowOfSeq(l, seq(-1, 2));
    ASSERT_GT(r, 0);
    ASSERT_EQ(l.spread->TextWithColID("수주처", r), "대성정밀");
    clickCell(*l.ss, *l.spread, "지시일자", r);
    ASSERT_EQ(selectedCaptions(*l.btnEquipment), QStringList{"대성정밀"});
    const QString code =
        value("SELECT customer_code FROM B_CUSTOMER WHERE customer_name = '대성정밀'").toString();

    l.btnJakup->click();
    ASSERT_TRUE(gfFORM_LOADED<frm_S_Jakup>());
    frm_S_Jakup& reg = gfFORM<frm_S_Jakup>();
    EXPECT_EQ(reg.txtCustomer_Code->text(), code);
    EXPECT_EQ(reg.txtCustomer_Name->text(), "대성정밀");
    const int products = value("SELECT count(*) FROM B_PRODUCT_MASTER WHERE customer_code = '" +
                               code + "' AND use_yn = 1")
                             .toInt();
    ASSERT_GT(products, 0);
    EXPECT_EQ(column(*reg.spread, "수주처"), QStringList(products, "대성정밀"));
    gsUNLOAD<frm_S_Jakup>();

    l.btnEquipment2->button(buttonOf(*l.btnEquipment2, day(-1)))->click();
    EXPECT_EQ(l.lblWC_name->text(), "대성정밀 (" + day(-1) + ")");
    const int listed = value("SELECT count(*) FROM B_JAKUPJISI_MASTER WHERE customer_code = '" +
                             code + "' AND jisi_date = '" + day(-1) + "'")
                           .toInt();
    ASSERT_GT(listed, 0);
    EXPECT_EQ(column(*l.spread, "수주처"), QStringList(listed, "대성정밀"));
    EXPECT_EQ(column(*l.spread, "지시일자"), QStringList(listed, day(-1)));
}

TEST_F(ListScreen, DayReportOpensOnlyOnARunningOrderWithItsRun) {
    frm_S_jakupjisi_list& l = open();
    struct Case {
        QString seq;
        QString message;  // "" opens the production screen
    } cases[] = {
        {seq(0, 3), "미완료인 품번은 작업시작을 눌러주세요."},
        {seq(0, 1), "완료된 품번입니다."},
        {seq(0, 2), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seq.toStdString());
        l.spread->SetFocus(3, rowOfSeq(l, c.seq));
        if (!c.message.isEmpty()) script.notice(c.message);
        l.btnDayReport->click();
        EXPECT_EQ(script.pending(), 0);
        EXPECT_EQ(gfFORM_LOADED<frm_S_dayReport>(), c.message.isEmpty());
    }
    frm_S_dayReport& day = gfFORM<frm_S_dayReport>();
    EXPECT_TRUE(day.isVisible());
    EXPECT_EQ(day.lvSerchSQL, "AND B_PR.process_code = '1000'");
    EXPECT_EQ(day.lvEquipment_code, "P-01");
    EXPECT_EQ(day.lblseq->text(), seq(0, 2));
    EXPECT_EQ(day.lblOp_seq_sub->text(),
              value("SELECT op_seq_sub FROM P_SANGSAN_MASTER WHERE seq = '" + seq(0, 2) + "'")
                  .toString());
    EXPECT_EQ(day.lblProcess_code->text(), "1000");
}

TEST_F(ListScreen, RegistrationNeedsACustomer) {
    frm_S_jakupjisi_list& l = open();
    script.notice("수주처를 먼저 선택하십시오.");
    l.btnJakup->click();
    EXPECT_EQ(script.pending(), 0);
}

TEST_F(ListScreen, ExistsOnceAndItsClockFollowsTheTerminalClock) {
    frm_S_jakupjisi_list& first = open();
    EXPECT_EQ(&open(), &first);
    EXPECT_TRUE(first.isVisible());
    EXPECT_EQ(first.findChildren<NavigationBar*>().size(), 1);
    EXPECT_EQ(first.navigation->btnJakupJisi->styleSheet(), "background: rgb(255,128,0);");
    EXPECT_EQ(first.Timer1->interval(), 1000);
    TerminalClock::setFixed(QDateTime(QDate(2026, 3, 2), QTime(23, 59, 58)));
    QTRY_COMPARE_WITH_TIMEOUT(first.lblTime->text(), QString("23:59:58"), 2500);
    EXPECT_EQ(first.lblDate->text(), "2026-03-02");
}

TEST_F(ListScreen, MoreCustomersThanButtonsPageInsteadOfBeingCut) {
    for (int i = 0; i < 60; ++i)
        exec(QString("INSERT INTO B_CUSTOMER (customer_code, customer_name) VALUES ('X%1', "
                     "'추가%1')")
                 .arg(i));
    frm_S_jakupjisi_list& l = open();
    const int total = value("SELECT count(*) FROM B_CUSTOMER").toInt();
    EXPECT_EQ(captions(*l.btnEquipment).size(), total);
    EXPECT_GT(l.btnEquipment->pageCount(), 1);
    const int last = buttonOf(*l.btnEquipment, "추가59");
    ASSERT_GE(last, 55);
    l.btnEquipment->select(last);
    l.btnEquipment->button(last)->click();
    EXPECT_EQ(l.lvJakup_Customer_Code, "X59");
}

}  // namespace
