#include <QLabel>
#include <QPushButton>

#include <QTableView>
#include <QTimer>

#include "ProductionFixture.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "production/frm_S_dayReport.h"
#include "screens/support/ScreenFixture.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "ui/clsSpread.h"
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

namespace {

class DayReportLoad : public ProductionFixture {};

TEST_F(DayReportLoad, ShowsTheRunItsCountsAndItsMaterialGrid) {
    frm_S_dayReport& s = open();
    const QList<std::pair<const char*, QString>> shown{
        {"lblJakupdate", day()},
        {"lbl_juya", "주간"},
        {"lbl_jakupjisi_num", kOrder},
        {"lblseq", kOrder},
        {"lblCustomer_Name", "한빛오토텍"},
        {"lblWC_code", "1000"},
        {"lblWC_name", "한빛오토텍 (" + kOrder + ")"},
        {"lblEquipment_code", "P-01"},
        {"lblpumbun", "84710-AX100"},
        {"lblUnit_Code", "EA"},
        {"lblJisi_Cnt", "500"},
        {"lblOk_Cnt", "0"},
        {"lblBad_Cnt", "3"},
        {"lblBad_Cnt2", "3"},
        {"lblJakup_Cnt", "3"},
        {"lblEmployee_name", "김민수"},
        {"lblProduct_Gubun", "완제품"},
        {"lblMin", "95분"},
        {"lbl_okcnt2", "0"},
        {"lbl_badcnt2", "3"},
        {"lblOk_Text", "양품수량"},
    };
    for (const auto& [name, text] : shown)
        EXPECT_EQ(s.findChild<QLabel*>(name)->text(), text) << name;
    EXPECT_TRUE(s.Timer2->isActive());
    EXPECT_EQ(s.Timer2->interval(), 5000);
    ASSERT_EQ(s.spread->MaxRows(), 2);
    const int bolt = rowOf(*s.spread, "품번코드", "RM-400");
    ASSERT_GT(bolt, 0);
    EXPECT_EQ(s.spread->TextWithColID("usage", bolt), "2");
    // Booked at once: the first lot in, nothing taken yet.
    EXPECT_EQ(s.spread->TextWithColID("LOT NO", bolt),
              "L" + kNow.date().addDays(-25).toString("yyMMdd") + "-04");
    EXPECT_EQ(s.spread->TextWithColID("투입수량", bolt), "0");
    EXPECT_EQ(s.spread->TextWithColID("단위", bolt), "EA");
    EXPECT_TRUE(s.ss->isColumnHidden(s.spread->GetColNo("품번코드") - 1));
    EXPECT_TRUE(s.ss->isColumnHidden(s.spread->GetColNo("Rev.No") - 1));
    EXPECT_EQ(s.spread->GetColNo("투입수량"), 10);
    EXPECT_EQ(s.spread->GetColNo("LOT재고"), 9);
}

// One arrangement of the order or run, one field it decides.
struct LoadCase {
    const char* name;
    const char* arrange;  // %1 the order
    const char* field;
    const char* shows;
};

TEST_F(DayReportLoad, FieldsFollowTheOrderAndTheRun) {
    const LoadCase cases[] = {
        {"null shift", "UPDATE B_JAKUPJISI_MASTER SET juya_gubun = NULL WHERE seq = '%1'",
         "lbl_juya", "주간"},
        {"night shift", "UPDATE B_JAKUPJISI_MASTER SET juya_gubun = '0' WHERE seq = '%1'",
         "lbl_juya", "야간"},
        {"bad counts against the rest",
         "UPDATE B_JAKUPJISI_MASTER SET order_qty = 100, qty = 60, bad_qty = 50 WHERE seq = '%1'",
         "lblJisi_Cnt", "-10"},
        {"more good than ordered",
         "UPDATE B_JAKUPJISI_MASTER SET order_qty = 100, qty = 120, bad_qty = 0 WHERE seq = '%1'",
         "lblJisi_Cnt", "0"},
        {"missing customer",
         "UPDATE B_JAKUPJISI_MASTER SET customer_code = 'C999' WHERE seq = '%1'",
         "lblCustomer_Name", ""},
        {"null workers", "UPDATE P_SANGSAN_MASTER SET employee_su = NULL WHERE seq = '%1'",
         "lblJakupsu", ""},
        {"kilograms", "UPDATE B_PRODUCT_MASTER SET unit_code = 'KG' WHERE product_code = 'FP-100'",
         "lblBad_Text", "불량중량"},
        {"another unit",
         "UPDATE B_PRODUCT_MASTER SET unit_code = 'SET' WHERE product_code = 'FP-100'",
         "lblJisi_Text", "지시수량"},
        {"good and bad", "UPDATE P_SANGSAN_MASTER SET qty = 40, bad_qty = 2 WHERE seq = '%1'",
         "lblJakup_Cnt", "42"},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        // Each case sets every value its field depends on: no undo needed. A fresh
        // screen: one showing the run already keeps the counts entered on it.
        exec(QString::fromUtf8(c.arrange).replace("%1", kOrder));
        gsUNLOAD<frm_S_dayReport>();
        frm_S_dayReport& s = open();
        EXPECT_EQ(s.findChild<QLabel*>(c.field)->text(), QString::fromUtf8(c.shows));
    }
}

TEST_F(DayReportLoad, ARunNotShownEmptiesExactlyTheListedFields) {
    const QString emptied[] = {
        "lblJakupdate",         "lbl_juya",      "lblEmployee_name", "lblJakupsu",
        "lbl_jakupjisi_num",    "lblOp_seq_sub", "lblCustomer_Name", "lblWC_code",
        "lblProduct_code",      "lblpumbun",     "lblproduct_name",  "lblProduct_name_Detail",
        "lblUnit_Code",         "lblStDate",     "lblStTime",        "lblMin",
        "lblCar_code",          "lblLotno",      "lblProduct_Gubun", "lblEdTime",
        "lblProduct_type_code", "lblseq"};
    const QString zeroed[] = {"lblJisi_Cnt", "lblJakup_Cnt", "lblBad_Cnt", "lblOk_Cnt",
                              "lblBad_Cnt2", "lblOk_Cnt2",   "lbl_okcnt2", "lbl_badcnt2"};
    const QString kept[] = {"lblCustomer_Code", "lblEquipment_code"};
    const std::pair<const char*, QString> notShown[] = {
        {"another machine", "P-02"},
        {"order not in progress", "P-01"},
    };
    for (const auto& [why, equipment] : notShown) {
        SCOPED_TRACE(why);
        frm_S_dayReport& s = open();
        ASSERT_FALSE(s.lblOp_seq_sub->text().isEmpty());
        if (QString(why) == "order not in progress")
            exec("UPDATE B_JAKUPJISI_MASTER SET end_yn = '3' WHERE seq = '" + kOrder + "'");
        open(kRun, equipment);
        for (const QString& f : emptied)
            EXPECT_EQ(s.findChild<QLabel*>(f)->text(), "") << f.toStdString();
        for (const QString& f : zeroed)
            EXPECT_EQ(s.findChild<QLabel*>(f)->text(), "0") << f.toStdString();
        for (const QString& f : kept)
            EXPECT_FALSE(s.findChild<QLabel*>(f)->text().isEmpty()) << f.toStdString();
        EXPECT_FALSE(s.Timer2->isActive());
        EXPECT_EQ(s.spread->MaxRows(), 0);
    }
}

TEST_F(DayReportLoad, TheGridTakesItsShapeFromTheLotTableOfAnotherClient) {
    exec("UPDATE B_JAKUPJISI_MASTER SET product_code = 'RM-100' WHERE seq = '" + kOrder + "'");
    EXPECT_EQ(open().spread->MaxRows(), 0) << "no bill of material";
    exec("UPDATE B_JAKUPJISI_MASTER SET product_code = 'FP-100' WHERE seq = '" + kOrder + "'");
    ASSERT_TRUE(
        gfDB_EXEC("CREATE TABLE ##TEMP_REAL_LOT (product_code NVARCHAR(20), op_seq_sub "
                  "NVARCHAR(14), lot_no NVARCHAR(30), lot_su NUMERIC)",
                  "test"));
    ASSERT_TRUE(gfDB_EXEC("INSERT INTO ##TEMP_REAL_LOT VALUES ('RM-100', '" + kRun +
                              "', 'L-77', 1250), ('RM-400', 'other', 'L-9', 5)",
                          "test"));
    frm_S_dayReport& s = open();
    s.lsBottomQuery();  // the grid as bound, before the booking replaces the lots
    const int steel = rowOf(*s.spread, "품번코드", "RM-100");
    const int bolt = rowOf(*s.spread, "품번코드", "RM-400");
    ASSERT_TRUE(steel && bolt);
    EXPECT_EQ(s.spread->TextWithColID("LOT NO", steel), "L-77");
    EXPECT_EQ(s.spread->TextWithColID("LOT재고", steel), "1,250");
    EXPECT_EQ(s.spread->TextWithColID("투입수량", steel), "");
    EXPECT_EQ(s.spread->TextWithColID("LOT NO", bolt), "") << "another run's lot";
    EXPECT_EQ(s.spread->TextWithColID("LOT재고", bolt), "0");
}

struct ElapsedCase {
    const char* shift;
    const char* start;
    const char* end;
    const char* shows;
};

TEST_F(DayReportLoad, ElapsedMinutesFollowTheShiftAndTheEnd) {
    const ElapsedCase cases[] = {
        {"1", "08:00", "07:30", "-30분"},
        {"1", "08:00", "", "60분"},
        {"1", "08:00", "10:15", "135분"},
        {"0", "08:00", "10:15", ""},  // a closed night run keeps what it showed
    };
    for (const ElapsedCase& c : cases) {
        SCOPED_TRACE(std::string(c.start) + "-" + c.end);
        exec(QString("UPDATE B_JAKUPJISI_MASTER SET juya_gubun = '%1' WHERE seq = '%2'")
                 .arg(c.shift, kOrder));
        exec(QString("UPDATE P_SANGSAN_MASTER SET stime = '%1', etime = '%2' WHERE seq = '%3'")
                 .arg(c.start, c.end, kOrder));
        frm_S_dayReport& s = open();
        s.lblMin->clear();
        s.Timer1->timeout({});
        EXPECT_EQ(s.lblMin->text(), QString::fromUtf8(c.shows));
    }
}

TEST_F(DayReportLoad, TheClockRunsWhileNoRunIsShown) {
    frm_S_dayReport& s = open("none");
    TerminalClock::setFixed(kNow.addSecs(3725));
    s.Timer1->timeout({});
    EXPECT_EQ(s.lblDate->text(), day());
    EXPECT_EQ(s.lblTime->text(), "10:02:05");
    EXPECT_EQ(s.lblMin->text(), "");
}

TEST_F(DayReportLoad, WhileTheDatabaseIsDownTheTotalsKeepTheirFiguresQuietly) {
    frm_S_dayReport& s = open();
    const QString totals =
        "SELECT sum(qty), sum(bad_qty) FROM P_SANGSAN_MASTER WHERE seq = '" + kOrder + "'";
    const auto booked = [&](int good) {
        exec(
            QString("UPDATE P_SANGSAN_MASTER SET qty = %1 WHERE seq = '%2'").arg(good).arg(kOrder));
        return rows(totals).value(0);
    };
    const QVariantList before = booked(12345);
    s.Timer2->timeout({});
    EXPECT_EQ(s.lbl_okcnt2->text().toDouble(), before.value(0).toDouble());

    // The server goes away: a dropped connection that cannot be opened again.
    session.setEngineFactory(
        [p = folder.file("gone/plant.db")] { return std::make_unique<EmbeddedEngine>(p); });
    session.connection()->close();
    booked(23456);
    for (int tick = 0; tick < 3; ++tick) s.Timer2->timeout({});  // any box fails the test
    EXPECT_EQ(s.lbl_okcnt2->text().toDouble(), before.value(0).toDouble()) << "the last figures";
    EXPECT_EQ(s.lbl_badcnt2->text().toDouble(), before.value(1).toDouble());
    EXPECT_FALSE(session.isOpen()) << "no reconnect from a timer";
    const QByteArray log = folder.read(kNow.toString("yyyyMM") + ".err");
    EXPECT_EQ(log.count(QString("ERR LOCATION : 작업지시목록").toUtf8()), 1) << log.constData();

    // Back: the operator's next action reconnects silently and the totals follow.
    session.setEngineFactory([p = dbPath] { return std::make_unique<EmbeddedEngine>(p); });
    const QVariantList after = booked(34567);
    open();
    EXPECT_TRUE(session.isOpen());
    EXPECT_EQ(s.lbl_okcnt2->text().toDouble(), after.value(0).toDouble());
}

TEST_F(DayReportLoad, CmdChangeIsForPressWorkOnly) {
    frm_S_dayReport& s = open();
    s.CmdChange->click();  // press work: nothing
    exec("UPDATE B_JAKUPJISI_MASTER SET process_code = '2000' WHERE seq = '" + kOrder + "'");
    open();
    script.notice("작업전환은\n프레스작업만 가능합니다.");
    s.CmdChange->click();
    EXPECT_EQ(script.pending(), 0);
}

}  // namespace
