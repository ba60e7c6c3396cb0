#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QThread>

#include "foundation/TerminalClock.h"
#include "production/ProductionFixture.h"
#include "production/frm_S_dayReport.h"
#include "quality/GridGroupCaptions.h"
#include "quality/InspectionJudgement.h"
#include "quality/ProductPicture.h"
#include "quality/QualityScreenshots.h"
#include "quality/frm_S_jajutest.h"
#include "ui/Forms.h"
#include "ui/TouchDatePicker.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"
#include "ui/frmImgShow.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

// Today's press order on P-01 (FP-100, day shift) has sheet 20261208001 with
// four items of standard QS-FP-100 (inspector E001).
class SelfInspection : public ProductionFixture {
  protected:
    frm_S_jajutest& inspect(const QString& shift = {}) {
        frm_S_dayReport& s = open();
        if (!shift.isEmpty()) s.lbl_juya->setText(shift);
        s.btnJajuTest->click();
        return gfFORM<frm_S_jajutest>();
    }
    void clearSheets() {
        exec("DELETE FROM Q_CHOJUNGJONGTEST_RESULT");
        exec("DELETE FROM Q_CHOJUNGJONGTEST_RESULT_SUB");
    }
    // Types keys into the cell of the item's row.
    void enter(frm_S_jajutest& j, int item, const QString& col, const QString& keys) {
        script.keypad(keys);
        touch(*j.spread, item, col);
    }
    void save(frm_S_jajutest& j) {
        script.notice("저장이 완료되었습니다.");
        j.btn_Savejaju->click();
    }
    QList<QVariantList> sheetsOfOrder() {
        return rows(
            "SELECT process_num, process_juya, process_test_check, process_test_result, "
            "process_pass_su, process_bad_su, process_tester_id, process_test_date FROM "
            "Q_CHOJUNGJONGTEST_RESULT WHERE seq = '" +
            kOrder + "' ORDER BY process_num");
    }
    QList<QVariantList> itemsOf(const QString& number) {
        return rows(
            "SELECT process_test_num_sub, x1, x2, x3, x7, process_test_result_sub FROM "
            "Q_CHOJUNGJONGTEST_RESULT_SUB WHERE process_num = '" +
            number + "' ORDER BY process_test_num_sub");
    }
    // The program folder's picture for a standard without one.
    void shipNoPhoto() {
        ASSERT_TRUE(QDir().mkpath(folder.file("img")));
        ASSERT_TRUE(QFile::copy(MES_NO_PHOTO_GIF, folder.file("img/no_photo.gif")));
    }
    static QColor fore(frm_S_jajutest& j, int row, const QString& col) {
        return j.spread->GetForeColor(j.spread->GetColNo(col), row);
    }
};

TEST_F(SelfInspection, OpensOnTheRunShownWithItsStoredSheet) {
    frm_S_jajutest& j = inspect();
    EXPECT_EQ(j.lbl_seq->text(), kOrder);
    EXPECT_EQ(j.lblProduct_code->text(), "FP-100");
    EXPECT_EQ(j.lbljuya->text(), "주간");
    EXPECT_EQ(j.lbltest_num->text(), "QS-FP-100");
    EXPECT_EQ(j.lbl_jaju_num->text(), "20261208001");
    EXPECT_EQ(j.lblipha_su->text(), "500");
    EXPECT_EQ(j.lbl_employee->text(), "김민수");
    EXPECT_EQ(j.lblemployee_no->text(), "E001");
    EXPECT_TRUE(j.optCheck->isChecked());
    EXPECT_TRUE(j.optPass->isChecked());
    ASSERT_EQ(j.spread->MaxRows(), 4);
    EXPECT_EQ(j.spread->TextWithColID("x1", 3), "8.52");
    EXPECT_EQ(j.spread->TextWithColID("항목명", 3), "홀 직경");
    EXPECT_EQ(j.dtptest_date->text(), day());
    EXPECT_FALSE(j.dtptest_date->isEnabled());
    EXPECT_EQ(j.groups->captionOver(j.spread->GetColNo("x4")), "중물");
    EXPECT_EQ(j.groups->captionOver(j.spread->GetColNo("MIN")), "SPEC");
}

TEST_F(SelfInspection, EveryFilledValueJudgesItsRowAndTheSheet) {
    frm_S_jajutest& j = inspect();
    // Row 3: 8.4 to 8.6; row 2: only MAX 0.1; row 1: no limits (visual).
    struct Step {
        int row;
        const char* col;
        const char* keys;
        const char* judged;
        bool sheetPasses;
    };
    const Step steps[] = {
        {3, "x1", "8.3", "불합격", false}, {3, "x1", "8.5", "합격", true},
        {2, "x2", "0.2", "불합격", false}, {2, "x2", "0.1", "합격", true},
        {3, "x7", "8.7", "불합격", false}, {3, "x7", "8.6", "합격", true},
        {1, "x8", "12", "불합격", false},  // a number with no limits fails
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(QString("%1 %2 %3").arg(s.row).arg(s.col, s.keys).toStdString());
        enter(j, s.row, s.col, s.keys);
        EXPECT_EQ(j.spread->TextWithColID(s.col, s.row), s.keys);
        EXPECT_EQ(j.spread->TextWithColID("판정", s.row), s.judged);
        const QColor colour = QString(s.judged) == "합격" ? QColor(0, 0, 0) : QColor(255, 0, 0);
        EXPECT_EQ(fore(j, s.row, s.col), colour);
        EXPECT_EQ(fore(j, s.row, "판정"), colour);
        EXPECT_EQ(j.optPass->isChecked(), s.sheetPasses);
        EXPECT_EQ(j.optNotpass->isChecked(), !s.sheetPasses);
    }
    script.cancelKeypad("5");
    touch(*j.spread, 1, "x8");
    EXPECT_EQ(j.spread->TextWithColID("x8", 1), "12") << "a cancelled keypad changes nothing";
    touch(*j.spread, 1, "비고");  // no keypad outside x1 to 검사확인
}

TEST(InspectionJudgement, NumbersAgainstTheLimitsThereAreTextsOnlyOkOrEmpty) {
    struct Case {
        const char* value;
        const char* min;
        const char* max;
        bool fails;
    };
    const Case cases[] = {
        {"8.3", "8.4", "8.6", true},    {"8.4", "8.4", "8.6", false}, {"8.61", "8.4", "8.6", true},
        {"0.2", "", "0.1", true},       {"-5", "", "0.1", false},     {"3", "5", "", true},
        {"7", "5", "", false},          {"7", "", "", true},          {"7", "약간", "규격", true},
        {" 8.5 ", "8.4", "8.6", false}, {"OK", "", "", false},        {"ok", "8.4", "8.6", false},
        {"양호", "", "", false},        {"", "8.4", "8.6", false},    {"NG", "", "", true},
        {"ng", "", "", true},           {"1.2.3", "1", "2", true},    {"불량", "", "", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gfINSPECTION_FAILS(c.value, c.min, c.max), c.fails)
            << c.value << " [" << c.min << ", " << c.max << "]";
    }
}

TEST_F(SelfInspection, InputIsCompleteWhenEveryItemHasItsFirstThreeValues) {
    clearSheets();
    frm_S_jajutest& j = inspect();
    EXPECT_FALSE(j.optCheck->isChecked());
    enter(j, 1, "x9", "1");
    for (int row = 1; row <= 4; ++row) {
        for (const char* col : {"x1", "x2", "x3"}) {
            if (row == 4 && QString(col) == "x3") continue;
            enter(j, row, col, "1");
        }
    }
    EXPECT_FALSE(j.optCheck->isChecked()) << "row 4 lacks x3";
    enter(j, 4, "x3", "120");
    EXPECT_TRUE(j.optCheck->isChecked());
}

TEST_F(SelfInspection, SheetsAreNumberedPerTestDateAndASecondSaveUpdates) {
    clearSheets();
    exec(
        "INSERT INTO Q_CHOJUNGJONGTEST_RESULT (seq, product_code, process_test_num, "
        "process_num, process_juya, process_test_date) VALUES ('x', 'FP-100', 'QS-FP-100', "
        "'20261207005', '1', '" +
        day(-1) + "')");
    frm_S_jajutest& j = inspect();
    EXPECT_EQ(j.lbl_jaju_num->text(), "");
    enter(j, 3, "x1", "8.3");
    save(j);
    EXPECT_EQ(j.lbl_jaju_num->text(), "20261208001");
    EXPECT_EQ(sheetsOfOrder(),
              (QList<QVariantList>{{"20261208001", "1", "0", "0", 0, 500, "E001", day()}}));
    QList<QVariantList> items = itemsOf("20261208001");
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[2], (QVariantList{"QS-FP-100-03", "8.3", "", "", "", "불합격"}));

    enter(j, 3, "x1", "8.5");
    save(j);
    EXPECT_EQ(sheetsOfOrder(),
              (QList<QVariantList>{{"20261208001", "1", "0", "1", 500, 0, "E001", day()}}))
        << "the second save updates the sheet";
    items = itemsOf("20261208001");
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[2], (QVariantList{"QS-FP-100-03", "8.5", "", "", "", "합격"}));

    gsUNLOAD<frm_S_jajutest>();
    frm_S_jajutest& night = inspect("야간");
    enter(night, 1, "x1", "1");
    save(night);
    EXPECT_EQ(night.lbl_jaju_num->text(), "20261208002");
    EXPECT_EQ(sheetsOfOrder().size(), 2);
    EXPECT_EQ(sheetsOfOrder()[1].mid(0, 2), (QVariantList{"20261208002", "0"}));
    EXPECT_EQ(itemsOf("20261208002").size(), 4);
}

TEST_F(SelfInspection, EveryOpeningStartsAFreshSheetOfToday) {
    clearSheets();
    exec("UPDATE B_JAKUPJISI_MASTER SET order_qty = 100000 WHERE seq = '" + kOrder + "'");
    frm_S_jajutest& day1 = inspect();
    for (int row = 1; row <= 4; ++row)
        for (const char* col : {"x1", "x2", "x3"}) enter(day1, row, col, "1");
    enter(day1, 3, "x1", "8.3");
    ASSERT_TRUE(day1.optNotpass->isChecked());
    ASSERT_TRUE(day1.optCheck->isChecked());
    // Left open, unsaved; the night goes past midnight.
    open();
    TerminalClock::setFixed(QDateTime(kNow.date().addDays(1), QTime(0, 40)));
    frm_S_jajutest& night = inspect("야간");
    ASSERT_EQ(&night, &day1) << "the same screen, kept";
    EXPECT_TRUE(night.optPass->isChecked());
    EXPECT_FALSE(night.optCheck->isChecked());
    EXPECT_EQ(night.dtptest_date->text(), day(1));
    EXPECT_EQ(night.dtpSt_date->text(), day(1));
    EXPECT_EQ(night.lbl_jaju_num->text(), "");
    ASSERT_EQ(night.spread->MaxRows(), 4);
    EXPECT_EQ(night.spread->TextWithColID("x1", 3), "");
    save(night);
    const QString number = kNow.date().addDays(1).toString("yyyyMMdd") + "001";
    EXPECT_EQ(sheetsOfOrder(),
              (QList<QVariantList>{{number, "0", "0", "1", 100000, 0, "E001", day(1)}}));
    EXPECT_EQ(value("SELECT process_test_su FROM Q_CHOJUNGJONGTEST_RESULT"), 100000);

    enter(night, 2, "x1", "0.2");
    save(night);
    EXPECT_EQ(sheetsOfOrder(),
              (QList<QVariantList>{{number, "0", "0", "0", 0, 100000, "E001", day(1)}}));
    EXPECT_EQ(itemsOf(number).value(1),
              (QVariantList{"QS-FP-100-02", "0.2", "", "", "", "불합격"}));
}

TEST_F(SelfInspection, AnItemAddedToTheStandardAfterTheSheetIsStoredOnUpdate) {
    clearSheets();
    frm_S_jajutest& j = inspect();
    enter(j, 1, "x1", "1");
    save(j);
    gsUNLOAD<frm_S_jajutest>();
    exec(
        "INSERT INTO Q_CHOJUNGJONGTEST_STD_SUB (process_test_num_sub, process_test_num, "
        "testlist_code, spec_std, spec_min, spec_max, spec_unit, process_test_gu, "
        "process_siryo_su, sortby) VALUES ('QS-FP-100-05', 'QS-FP-100', 'TL03', '8.5±0.1', "
        "'8.4', '8.6', 'mm', '핀 게이지', 3, 5)");
    frm_S_jajutest& again = inspect();
    enter(again, 5, "x1", "8.5");
    enter(again, 1, "x1", "2");
    save(again);
    const QList<QVariantList> items = itemsOf("20261208001");
    ASSERT_EQ(items.size(), 5) << "one row per item, none twice";
    EXPECT_EQ(items[0].mid(0, 2), (QVariantList{"QS-FP-100-01", "2"}));
    EXPECT_EQ(items[4].mid(0, 2), (QVariantList{"QS-FP-100-05", "8.5"}));
}

TEST_F(SelfInspection, QuotesInTheStandardAreStoredAsTheyStand) {
    clearSheets();
    exec(
        "INSERT INTO Q_CHOJUNGJONGTEST_STD_SUB (process_test_num_sub, process_test_num, "
        "testlist_code, spec_std, spec_min, spec_max, sortby) VALUES ('QS-FP-100-0''5', "
        "'QS-FP-100', 'TL05', '5''', '1', '9', 5)");
    frm_S_jajutest& j = inspect();
    ASSERT_EQ(j.spread->MaxRows(), 5);
    enter(j, 5, "x1", "5");
    save(j);
    enter(j, 5, "x2", "6");
    save(j);
    EXPECT_EQ(rows("SELECT x1, x2, process_test_result_sub FROM Q_CHOJUNGJONGTEST_RESULT_SUB "
                   "WHERE process_test_num_sub = 'QS-FP-100-0''5'"),
              (QList<QVariantList>{{"5", "6", "합격"}}));
}

TEST_F(SelfInspection, DeleteAsksFirstAndRemovesTheSheetWithItsItems) {
    frm_S_jajutest& j = inspect();
    script.on("frm_MSG_004", [](DialogHandle& d) { d.press("Command1"); });
    script.notice("삭제가 취소되었습니다.");
    j.btn_deletejaju->click();
    EXPECT_EQ(sheetsOfOrder().size(), 1);
    EXPECT_EQ(itemsOf("20261208001").size(), 4);

    script.on("frm_MSG_004", [](DialogHandle& d) { d.press("Command14"); });
    script.notice("초중종검사가 삭제되었습니다.");
    j.btn_deletejaju->click();
    EXPECT_TRUE(sheetsOfOrder().isEmpty());
    EXPECT_TRUE(itemsOf("20261208001").isEmpty());
    EXPECT_EQ(j.spread->TextWithColID("x1", 3), "") << "the screen shows the empty sheet";
    EXPECT_EQ(j.lbl_jaju_num->text(), "");
}

TEST_F(SelfInspection, ThePickerWritesTheInspectorsNameAndNumber) {
    frm_S_jajutest& j = inspect();
    script.on("frm_S_jaju_employee", [](DialogHandle& d) {
        auto* view = d.dialog().findChild<QTableView*>("ss");
        QModelIndex name;
        for (int r = 0; r < view->model()->rowCount(); ++r) {
            if (view->model()->index(r, 2).data().toString() == "이서연")
                name = view->model()->index(r, 2);
        }
        ASSERT_TRUE(name.isValid());
        emit view->clicked(name);
        d.press("cmdSave");
    });
    emit j.lbl_employee->clicked();
    EXPECT_EQ(j.lbl_employee->text(), "이서연");
    EXPECT_EQ(j.lblemployee_no->text(), "E002");
    save(j);
    EXPECT_EQ(value("SELECT process_tester_id FROM Q_CHOJUNGJONGTEST_RESULT WHERE seq = '" +
                    kOrder + "'"),
              "E002");
}

TEST_F(SelfInspection, APictureLoadsOnlyFromTheTerminalsOwnShareElseTheNoPhotoPicture) {
    shipNoPhoto();
    ASSERT_TRUE(QDir().mkpath(folder.file("share/10.20.30.40/img")));
    ASSERT_TRUE(QDir().mkpath(folder.file("share/10.0.0.5/img")));
    ASSERT_TRUE(
        QImage(7, 5, QImage::Format_RGB32).save(folder.file("share/10.20.30.40/img/p.png")));
    ASSERT_TRUE(QImage(7, 5, QImage::Format_RGB32).save(folder.file("share/10.0.0.5/img/p.png")));
    const QSize shared(7, 5);
    const QSize none = QImage(MES_NO_PHOTO_GIF).size();
    ASSERT_FALSE(none.isEmpty()) << "the shipped picture loads";
    struct Case {
        const char* path;
        const char* ip;
        QSize shown;
    };
    const Case cases[] = {
        {"\\\\10.20.30.40\\img\\p.png", "10.20.30.40", shared},
        {"\\\\10.0.0.5\\img\\p.png", "10.0.0.5", shared},  // a short address too
        {"\\\\10.20.30.40\\img\\p.png", "10.20.30.4", none},
        {"\\\\10.20.30.400\\img\\p.png", "10.20.30.40", none},  // only the whole host
        {"\\\\10.20.30.40\\img\\missing.png", "10.20.30.40", none},
        {"C:\\img\\p.png", "10.20.30.40", none},
        {"", "10.20.30.40", none},
        {"\\\\10.20.30.40\\img\\p.png", "", none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(gfPRODUCT_PICTURE(c.path, c.ip, folder.file("share")).size(), c.shown);
    }
    EXPECT_EQ(gfPRODUCT_PICTURE(cases[0].path, cases[0].ip, QString()).size(), none)
        << "no share folder configured";
}

TEST_F(SelfInspection, ConfiguredShareCommandsRunAndEmptyOnesAreSkipped) {
    const QString mark = folder.file("connected");
    gsRUN_SHARE_COMMANDS({"touch " + mark});
    for (int i = 0; i < 100 && !QFile::exists(mark); ++i) QThread::msleep(50);
    EXPECT_TRUE(QFile::exists(mark));
    EXPECT_TRUE(gfSHARE_COMMANDS().isEmpty()) << "none configured in this build";
}

TEST_F(SelfInspection, ATouchOnThePictureShowsItFullSize) {
    shipNoPhoto();
    frm_S_jajutest& j = inspect();
    EXPECT_FALSE(j.picture.isNull()) << "the program's no-photo picture";
    emit j.imgProduct->clicked();
    ASSERT_TRUE(gfFORM_LOADED<frmImgShow>());
    EXPECT_TRUE(gfFORM<frmImgShow>().isVisible());
    EXPECT_EQ(gfFORM<frmImgShow>().img->pixmap().size(), j.picture.size());
}

TEST_F(SelfInspection, BothScreensCanBePictured) {
    shipNoPhoto();
    EXPECT_EQ(gfSAVE_QUALITY_SCREENSHOTS(QDir(folder.path())), 0);
    for (const char* name : {"mould-sheet.png", "self-inspection.png"})
        EXPECT_EQ(QImage(folder.file(name)).size(), QSize(1024, 768)) << name;
    EXPECT_TRUE(
        rows("SELECT 1 FROM Q_MOLDTEST_RESULT WHERE op_seq_sub = '" + kOrder + "'").isEmpty())
        << "the sheet is pictured, not saved";
}

}  // namespace
