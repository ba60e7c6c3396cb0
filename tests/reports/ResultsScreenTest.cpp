#include <QLabel>
#include <QPushButton>

#include "ResultsFixture.h"
#include "reports/frm_S_Report_badqty.h"
#include "ui/ButtonStrip.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "ui/TouchDatePicker.h"
#include "ui/clsSpread.h"

using namespace mes;

namespace {

class Results : public reporttest::ResultsFixture {
  protected:
    int visibleButtons() const {
        int n = 0;
        for (int i = 0; i < screen->btnEquipment->count(); ++i)
            n += screen->btnEquipment->isButtonVisible(i);
        return n;
    }
};

TEST_F(Results, ListsTheMachinesRunsOfTheDateOnly) {
    screen->btnFind->click();

    EXPECT_GT(rowOf(run(1)), 0);
    EXPECT_GT(rowOf(run(2)), 0);
    EXPECT_EQ(screen->spread->MaxRows(), 2) << "other machines' runs are not listed";
    const int r = rowOf(run(1));
    EXPECT_EQ(cell("품번", r), "84720-AX200");
    EXPECT_EQ(cell("성명", r), "이서연");
    EXPECT_EQ(cell("바코드소포장", r), "출력");

    screen->dtpSt_date->setDate(kNow.date().addDays(5));
    screen->btnFind->click();
    EXPECT_EQ(screen->spread->MaxRows(), 0);
    screen->lsSum();
    EXPECT_EQ(screen->spread->MaxRows(), 0) << "lsSum adds nothing to an empty grid";
}

TEST_F(Results, NoOrdersOnTheDateHidesEveryProcessButtonButListsTheRuns) {
    exec("UPDATE B_JAKUPJISI_MASTER SET jisi_date = '" + day(-30) +
         "', end_yn = '3' WHERE equipment_code = 'P-01'");
    screen->btnFind->click();
    EXPECT_EQ(visibleButtons(), 0);
    EXPECT_EQ(screen->spread->MaxRows(), 2);
}

TEST_F(Results, DefaultPrintCountsRoundUpAndAnEmptyPackGivesNone) {
    struct Case {
        int good;
        const char* pack;  // typed on the keypad; nullptr: cancelled
        const char* expected;
    };
    const Case cases[] = {{25, "10", "3"},  {20, "10", "2"},       {25, "0", "0"},
                          {1, "1000", "1"}, {12345, "1200", "11"}, {100000, "1000", "100"}};
    for (const Case& c : cases) {
        exec(QString("UPDATE P_SANGSAN_MASTER SET qty = %1 WHERE op_seq_sub = '%2'")
                 .arg(c.good)
                 .arg(run(1)));
        screen->btnFind->click();
        const int r = rowOf(run(1));
        script.keypad(c.pack).keypad(c.pack);
        touch("소포장수량", r);
        touch("대포장수량", r);
        EXPECT_EQ(cell("소출력수", r), c.expected) << c.good << "/" << c.pack;
        EXPECT_EQ(cell("대출력수", r), c.expected) << c.good << "/" << c.pack;
    }
    // Nothing typed yet on a fresh list: no pack size, no labels.
    screen->btnFind->click();
    EXPECT_EQ(cell("소출력수", rowOf(run(1))), "0");
}

TEST_F(Results, ACancelledKeypadLeavesAnEmptyPrintCountAndKeepsThePack) {
    screen->btnFind->click();
    const int r = rowOf(run(1));
    script.keypad("7").cancelKeypad("9").keypad("50").cancelKeypad("3");
    touch("소출력수", r);
    EXPECT_EQ(cell("소출력수", r), "7");
    touch("소출력수", r);
    EXPECT_EQ(cell("소출력수", r), "");
    touch("소포장수량", r);
    touch("소포장수량", r);
    EXPECT_EQ(cell("소포장수량", r), "50");
    EXPECT_EQ(cell("소출력수", r), "6") << "296 good at 50 a box";
}

TEST_F(Results, AProcessNarrowsTheListAndBtnFindClearsFilterAndHighlight) {
    // The open run moves to the moulding process: two processes on the press.
    exec("UPDATE B_JAKUPJISI_MASTER SET process_code = '2000' WHERE seq = '" + run(2) + "'");
    exec("UPDATE P_SANGSAN_MASTER SET process_code = '2000' WHERE op_seq_sub = '" + run(2) + "'");
    screen->btnFind->click();
    ButtonStrip* strip = screen->btnEquipment;
    ASSERT_EQ(visibleButtons(), 2);
    int moulding = -1;
    for (int i = 0; i < 2; ++i)
        if (strip->tag(i) == "2000") moulding = i;
    ASSERT_GE(moulding, 0);
    strip->button(moulding)->click();
    EXPECT_EQ(screen->spread->MaxRows(), 1);
    EXPECT_GT(rowOf(run(2)), 0);
    EXPECT_EQ(strip->selected(), moulding);
    EXPECT_EQ(screen->lblWC_name->text(), "사출");

    screen->btnFind->click();
    EXPECT_EQ(screen->spread->MaxRows(), 2);
    EXPECT_EQ(strip->selected(), -1);
    EXPECT_TRUE(screen->processFilter().isEmpty());
    EXPECT_EQ(screen->lblWC_name->text(), "실적내역 전체조회");
}

TEST_F(Results, AProductWithoutVehicleIsListedWithAnEmptyModel) {
    exec("UPDATE B_PRODUCT_MASTER SET car_code = NULL WHERE product_code = 'FP-200'");
    screen->btnFind->click();
    const int r = rowOf(run(1));
    ASSERT_GT(r, 0);
    EXPECT_EQ(cell("차종명", r), "");
    EXPECT_EQ(cell("차종명", rowOf(run(2))), "AX 세단");
}

TEST_F(Results, MoreProcessesThanButtonsPageInsteadOfBeingCut) {
    const char* names[] = {"가공", "나사", "도장", "렌즈", "마킹", "부품", "세척", "열처리"};
    int n = 0;
    for (const char* name : names) {
        const QString code = QString("9%1").arg(n++, 3, 10, QChar('0'));
        exec("INSERT INTO B_PROCESS (process_code, process_name) VALUES ('" + code + "', '" + name +
             "')");
        exec(
            "INSERT INTO B_JAKUPJISI_MASTER (seq, prod_no, jisi_date, process_code, "
            "equipment_code, end_yn) VALUES ('X" +
            code + "', 'X" + code + "', '" + day() + "', '" + code + "', 'P-01', '1')");
    }
    screen->btnFind->click();
    EXPECT_EQ(visibleButtons(), 9) << "eight new processes and the press";
    EXPECT_GT(screen->btnEquipment->pageCount(), 1);
}

TEST_F(Results, TheNavigationRowReachesTheOtherHistories) {
    NavigationBar* bar = screen->navigation;
    EXPECT_TRUE(bar->btnJakupList->styleSheet().contains("255,128,0")) << "its own tab";
    bar->btnBadList->click();
    ASSERT_TRUE(gfFORM_LOADED<frm_S_Report_badqty>());
    EXPECT_TRUE(gfFORM<frm_S_Report_badqty>().isVisible());
    EXPECT_EQ(gfFORM<frm_S_Report_badqty>().spread->MaxRows(), 4);
    EXPECT_TRUE(screen->isVisible()) << "the results stay open";
}

}  // namespace
