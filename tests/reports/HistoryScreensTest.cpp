#include <QFile>
#include <QPushButton>

#include "foundation/ErrorLog.h"
#include "foundation/TerminalClock.h"
#include "reports/frm_S_Report_badqty.h"
#include "reports/frm_S_Report_bigadong.h"
#include "screens/support/ScreenFixture.h"
#include "ui/ButtonStrip.h"
#include "ui/Forms.h"
#include "ui/clsSpread.h"

using namespace mes;

namespace {

class History : public screentest::ScreenFixture {
  protected:
    static QString run(int daysBack, int n) {
        return kNow.date().addDays(-daysBack).toString("yyyyMMdd") +
               QString::number(n).rightJustified(3, '0') + "001";
    }
    // A stop row of P-01 for a run, dated `date`.
    void stop(const QString& opSeqSub, const QString& code, const QString& date) {
        exec(
            "INSERT INTO P_BIGADONG (prod_no, seq, op_seq, op_seq_sub, equipment_code, "
            "bigadong_code, biga_date, min, employee_su, bigo, last_date, last_time, user_id) "
            "VALUES ('', '', '', '" +
            opSeqSub + "', 'P-01', '" + code + "', '" + date + "', 7, 1, '', '" + date +
            "', '080000', '')");
    }
    static QStringList column(const clsSpread& s, const QString& id) {
        QStringList out;
        for (int r = 1; r <= s.MaxRows(); ++r) out << s.TextWithColID(id, r);
        return out;
    }
};

TEST_F(History, DefectsAreTodaysByTheRunsWorkDate) {
    auto& s = gfFORM<frm_S_Report_badqty>();
    s.btnFind_Click();
    EXPECT_EQ(s.spread->MaxRows(), 4) << "the press's two runs of today, two causes each";
    // The open run started yesterday: its defects are no longer today's.
    exec("UPDATE P_SANGSAN_MASTER SET jakup_date = '" + day(-1) + "' WHERE op_seq_sub = '" +
         run(0, 2) + "'");
    s.btnFind_Click();
    EXPECT_EQ(column(*s.spread, "생산실적순번"), QStringList(2, run(0, 1)));
}

TEST_F(History, TheDefectNameColumnShowsTheUserIdAsStored) {
    exec("UPDATE P_BADQTY SET user_id = 'op''7' WHERE op_seq_sub = '" + run(0, 1) +
         "' AND processbad_code = 'B10'");
    auto& s = gfFORM<frm_S_Report_badqty>();
    s.btnFind_Click();
    EXPECT_TRUE(column(*s.spread, "성명").contains("op'7"));
    EXPECT_TRUE(column(*s.spread, "불량코드").contains("B10"));
}

TEST_F(History, StopsListedAreTodaysRowsOfRunsThatExist) {
    auto& s = gfFORM<frm_S_Report_bigadong>();
    s.btnFind_Click();
    const int before = s.spread->MaxRows();
    EXPECT_EQ(before, 5);
    struct Case {
        const char* what;
        QString opSeqSub;
        QString code;
        QString date;
        int added;
    };
    const Case cases[] = {
        {"a timed stop dated with yesterday's order", run(0, 2), "", day(-1), 0},
        {"a stop whose run row is missing", "19990101001001", "D01", day(), 0},
        {"a cause missing from the master", run(0, 2), "Z99", day(), 1},
    };
    int expected = before;
    for (const Case& c : cases) {
        stop(c.opSeqSub, c.code, c.date);
        s.btnFind_Click();
        expected += c.added;
        EXPECT_EQ(s.spread->MaxRows(), expected) << c.what;
    }
    const QStringList codes = column(*s.spread, "비가동코드");
    const int unknown = static_cast<int>(codes.indexOf("Z99"));
    ASSERT_GE(unknown, 0);
    EXPECT_EQ(s.spread->TextWithColID("비가동명", unknown + 1), "");
    EXPECT_EQ(s.spread->TextWithColID("비가동명", codes.indexOf("D01") + 1),
              value("SELECT bigadong_name FROM B_BIGADONG WHERE bigadong_code = 'D01'").toString());
}

TEST_F(History, AProcessButtonFiltersBothHistories) {
    exec("UPDATE P_SANGSAN_MASTER SET process_code = '2000' WHERE op_seq_sub = '" + run(0, 2) +
         "'");
    exec("UPDATE P_BADQTY SET process_code = '2000' WHERE op_seq_sub = '" + run(0, 2) + "'");
    exec("UPDATE B_JAKUPJISI_MASTER SET process_code = '2000' WHERE seq = '" + run(0, 2) + "'");
    auto& bad = gfFORM<frm_S_Report_badqty>();
    auto& stops = gfFORM<frm_S_Report_bigadong>();
    for (ProcessHistoryScreen* s :
         {static_cast<ProcessHistoryScreen*>(&bad), static_cast<ProcessHistoryScreen*>(&stops)}) {
        s->btnFind_Click();
        const int all = s->spread->MaxRows();
        int moulding = -1;
        for (int i = 0; i < s->btnEquipment->count(); ++i)
            if (s->btnEquipment->isButtonVisible(i) && s->btnEquipment->tag(i) == "2000")
                moulding = i;
        ASSERT_GE(moulding, 0) << s->objectName().toStdString();
        s->btnEquipment->button(moulding)->click();
        EXPECT_GT(s->spread->MaxRows(), 0);
        EXPECT_LT(s->spread->MaxRows(), all) << s->objectName().toStdString();
        s->btnFind->click();
        EXPECT_EQ(s->spread->MaxRows(), all);
    }
}

TEST_F(History, AFailingProcessStatementIsLoggedAndKeepsTheButtons) {
    auto& s = gfFORM<frm_S_Report_badqty>();
    s.btnFind_Click();
    ASSERT_EQ(s.btnEquipment->caption(0), "프레스");
    exec("ALTER TABLE B_PROCESS RENAME TO B_PROCESS_GONE");
    script.then([](uitest::DialogHandle& d) { d.press("OK"); });
    script.then([](uitest::DialogHandle& d) { d.press("OK"); });
    s.btnFind_Click();
    EXPECT_TRUE(s.btnEquipment->isButtonVisible(0));
    EXPECT_EQ(s.btnEquipment->caption(0), "프레스");
    EXPECT_EQ(script.shown().size(), 2) << "the driver's description, for buttons and grid";
    QFile log(ErrorLog::filePath(TerminalClock::now()));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(log.readAll()).count("frm_S_Report_badqty"), 2)
        << "one record each, under the screen's name";
}

}  // namespace
