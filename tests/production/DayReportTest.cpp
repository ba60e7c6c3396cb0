#include <QLabel>
#include <QPushButton>

#include "production/frm_S_dayReport.h"
#include "screens/support/ScreenFixture.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "workorders/frm_S_jakupjisi_list.h"

using namespace mes;

namespace {

class DayReport : public screentest::ScreenFixture {};

TEST_F(DayReport, TakesTheHandOverOfTheListAndKeepsItsOwnTabStill) {
    NavigationBar list;  // any other screen's bar
    list.btnDayReport->click();
    frm_S_dayReport& screen = gfFORM<frm_S_dayReport>();
    EXPECT_EQ(screen.windowTitle(), "작업지시목록");
    EXPECT_EQ(screen.pos(), QPoint(0, 0));
    for (const char* name : {"lblseq", "lblOp_seq_sub", "lblProcess_code"}) {
        EXPECT_NE(screen.findChild<QLabel*>(name), nullptr) << name;
    }
    screen.lvSerchSQL = "AND B_PR.process_code = '1000'";
    screen.lvEquipment_code = "P-01";
    screen.lblseq->setText("20261208001");
    screen.lsQuery();

    EXPECT_EQ(screen.navigation->btnDayReport->styleSheet(), "background: rgb(255,128,0);");
    screen.hide();
    screen.navigation->btnDayReport->click();
    EXPECT_FALSE(screen.isVisible()) << "its own tab does nothing";
    screen.navigation->btnJakupJisi->click();
    EXPECT_TRUE(gfFORM<frm_S_jakupjisi_list>().isVisible());
}

}  // namespace
