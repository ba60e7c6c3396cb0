// The end-time dialog and the minutes the end of the run writes.
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "EndRunFixture.h"
#include "production/frm_S_dayReport.h"
#include "production/frm_S_endtime.h"
#include "ui/TouchLabel.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class EndTime : public EndRunFixture {
  protected:
    // Presses the keys: digits, '<' back-space.
    static void keys(DialogHandle& d, const QString& keys) {
        for (QChar k : keys) d.press(k == u'<' ? QString("cmdBackSpace") : QString("cmdNum_") + k);
    }
};

TEST_F(EndTime, KeysFormTheTimeAndAFailedCheckStaysOpenForCorrection) {
    frm_S_dayReport& s = open();
    const QString before = s.lblEdTime->text();
    const std::pair<const char*, const char*> cases[] = {
        {"1", "1"},          {"12", "12"},      {"123", "12:3"}, {"12345", "12:34"},
        {"123456", "12:34"}, {"1234<", "12:3"}, {"123<", "12:"}, {"123<<", "12"},
        {"12<", "1"},        {"1<", ""},        {"<", ""},
    };
    script.on("frm_S_endtime", [&](DialogHandle& d) {
        auto& dlg = d.as<frm_S_endtime>();
        EXPECT_EQ(dlg.lblOp_seq_sub->text(), kRun);
        EXPECT_EQ(dlg.lblProcess_code->text(), "1000");
        for (const auto& [typed, shown] : cases) {
            keys(d, "<<<<<<");
            keys(d, typed);
            EXPECT_EQ(dlg.lblEndtime->text(), shown) << typed;
        }
        for (const char* wrong : {"2500", "1075", "9", "3", ""}) {
            keys(d, "<<<<<<");
            keys(d, wrong);
            script.ok("종료시간이 잘못 입력되었습니다.");
            d.press("cmdSave");
            EXPECT_TRUE(dlg.isVisible()) << wrong;
            EXPECT_EQ(dlg.lblEndtime->text(), "") << wrong;
            EXPECT_EQ(script.shown().last().title, "입력오류");
            EXPECT_EQ(script.shown().last().icon, UserInterface::Icon::Critical);
        }
        EXPECT_EQ(s.lblEdTime->text(), before);
        keys(d, "2359");
        d.press("Command14");
    });
    s.lblEdTime->clicked();
    EXPECT_EQ(s.lblEdTime->text(), before) << "Command14 copies nothing";
}

TEST_F(EndTime, OnlyTheDayShiftTakesItsMinutesFromTheEndTime) {
    const struct {
        const char* shift;
        const char* minutes;
    } cases[] = {{"1", "185"}, {"0", "95"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shift);
        exec(QString("UPDATE B_JAKUPJISI_MASTER SET juya_gubun = '%1' WHERE seq = '%2'")
                 .arg(c.shift, kOrder));
        frm_S_dayReport& s = counted();
        s.Timer1->timeout({});
        script.on("frm_S_endtime", [this](DialogHandle& d) {
            keys(d, "1030");
            d.press("cmdSave");
        });
        s.lblEdTime->clicked();
        EXPECT_EQ(s.lblEdTime->text(), "10:30");
        s.Timer1->timeout({});
        script.notice("저장이 완료되었습니다.");
        s.btnEnd->click();
        EXPECT_EQ(rows("SELECT min, etime FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + kRun + "'"),
                  (Table{{c.minutes, "09:00"}}));
        exec("UPDATE B_JAKUPJISI_MASTER SET end_yn = '2' WHERE seq = '" + kOrder + "'");
        exec("UPDATE P_SANGSAN_MASTER SET edate = NULL, etime = NULL WHERE op_seq_sub = '" + kRun +
             "'");
    }
}

}  // namespace
