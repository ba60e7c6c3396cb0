#include <QLabel>
#include <QPushButton>

#include "ProductionFixture.h"
#include "foundation/TerminalClock.h"
#include "production/frm_S_bigadong2.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/clsSpread.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class Downtime : public ProductionFixture {
  protected:
    void enter(frm_S_dayReport& s, std::function<void(frm_S_bigadong2&)> edit) {
        script.on("frm_S_bigadong2", [edit](DialogHandle& d) { edit(d.as<frm_S_bigadong2>()); });
        s.btnBigadong->click();
    }
    void minutes(frm_S_bigadong2& d, const QString& cause, const QString& keys) {
        script.keypad(keys);
        touch(*d.spread, rowOf(*d.spread, "비가동코드", cause), "분");
    }
    QList<QVariantList> causes() {
        return rows(
            "SELECT idx, bigadong_code, min, employee_su, biga_date, last_time FROM "
            "P_BIGADONG WHERE op_seq_sub = '" +
            kRun + "' AND bigadong_code <> '' ORDER BY bigadong_code");
    }
    QList<QVariantList> timedStops() {
        return rows("SELECT * FROM P_BIGADONG WHERE bigadong_code = '' ORDER BY idx");
    }
};

TEST_F(Downtime, CausesAreInsertedUpdatedAndDeletedAndTimedStopsSurvive) {
    exec("UPDATE P_BIGADONG SET biga_date = '2026-12-01' WHERE bigadong_code = 'D03'");
    const QVariant d03 = value(
        "SELECT idx FROM P_BIGADONG WHERE bigadong_code = 'D03' AND "
        "op_seq_sub = '" +
        kRun + "'");
    const auto stopsBefore = timedStops();
    ASSERT_FALSE(stopsBefore.isEmpty());
    frm_S_dayReport& s = open();
    TerminalClock::setFixed(kNow.addSecs(90));
    enter(s, [&](frm_S_bigadong2& d) {
        EXPECT_EQ(d.spread->MaxRows(), 7) << "every cause once, no timed stop";
        EXPECT_EQ(rowOf(*d.spread, "비가동코드", ""), 0);
        EXPECT_EQ(d.lblEmployee_su->text(), "2");
        minutes(d, "D01", "0");   // recorded, set to 0: deleted
        minutes(d, "D03", "25");  // recorded: updated in place
        minutes(d, "D02", "5");   // new
        d.cmdSave->click();
    });
    const QList<QVariantList> after = causes();
    ASSERT_EQ(after.size(), 2);
    EXPECT_EQ(after[0].mid(1), (QVariantList{"D02", 5, 2, day(), "090130"}));
    EXPECT_EQ(after[1], (QVariantList{d03, "D03", 25, 2, day(), "090130"}));
    EXPECT_EQ(
        rows("SELECT op_seq, equipment_code, sdate, stime, etime, bigo, user_id FROM "
             "P_BIGADONG WHERE bigadong_code = 'D02' AND op_seq_sub = '" +
             kRun + "'"),
        (QList<QVariantList>{{kRun.left(11), "P-01", QVariant(), QVariant(), QVariant(), "", ""}}));
    EXPECT_EQ(timedStops(), stopsBefore);
    EXPECT_FALSE(gfFORM_LOADED<frm_S_bigadong2>()) << "closed after saving";
}

TEST_F(Downtime, NothingIsWrittenWithoutCausesOrWithAnImpossibleNumber) {
    struct Case {
        const char* name;
        const char* arrange;
        const char* keys;
        const char* notice;
    };
    const Case cases[] = {
        {"minutes past 32 bits", "", "99999999999", "숫자를 확인하십시오: 99,999,999,999"},
        {"empty cause master", "DELETE FROM B_BIGADONG", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (*c.arrange) exec(c.arrange);
        const auto before = rows("SELECT * FROM P_BIGADONG ORDER BY idx");
        frm_S_dayReport& s = open();
        enter(s, [&](frm_S_bigadong2& d) {
            if (c.keys) {
                minutes(d, "D02", c.keys);
                script.notice(QString::fromUtf8(c.notice));
            }
            d.cmdSave->click();
            if (d.isVisible()) d.Command14->click();
        });
        EXPECT_EQ(rows("SELECT * FROM P_BIGADONG ORDER BY idx"), before);
    }
}

TEST_F(Downtime, NoRunShownOpensNothing) {
    frm_S_dayReport& s = open("none");
    s.btnBigadong->click();  // a dialog here would fail the script
    EXPECT_TRUE(script.shown().isEmpty());
}

}  // namespace
