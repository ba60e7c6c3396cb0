#include <QLabel>
#include <QPushButton>

#include "production/ProductionFixture.h"
#include "production/frm_S_dayReport.h"
#include "quality/MoldTestSql.h"
#include "quality/frm_S_test.h"
#include "ui/TouchLabel.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class MoldSheet : public ProductionFixture {
  protected:
    // Opens the sheet with the production screen's button and runs edit on it.
    void sheet(std::function<void(frm_S_test&)> edit) {
        frm_S_dayReport& s = open();
        script.on("frm_S_test", [edit](DialogHandle& d) { edit(d.as<frm_S_test>()); });
        s.btnTest->click();
    }
    void key(frm_S_test& d, const QString& column, const QString& keys) {
        script.keypad(keys);
        emit d.entry(column)->clicked();
    }
    // A keypad answered with one key (cmdOK, cmd_NG) and OK.
    void word(frm_S_test& d, const QString& column, const QString& keyName) {
        script.on("frmKey2_jaju", [keyName](DialogHandle& k) {
            k.press(keyName);
            k.press("Command13");
        });
        emit d.entry(column)->clicked();
    }
    void save(frm_S_test& d) {
        script.notice("저장이 완료되었습니다.");
        d.btnSave->click();
    }
    // Every entry column of the work order's sheets, by date.
    QList<QVariantList> sheets() {
        return rows("SELECT test_date, product_code, " + gfMOLD_COLUMNS().join(',') +
                    " FROM Q_MOLDTEST_RESULT WHERE op_seq_sub = '" + kOrder +
                    "' ORDER BY test_date");
    }
    static QVariant at(const QVariantList& row, const char* column) {
        return row.value(2 + gfMOLD_COLUMNS().indexOf(column));
    }
    static int nulls(const QVariantList& row) {
        return static_cast<int>(
            std::count_if(row.begin(), row.end(), [](const QVariant& v) { return v.isNull(); }));
    }
};

TEST_F(MoldSheet, FirstSaveInsertsNullsAndTheNextUpdatesOnlyTheValuesShown) {
    sheet([&](frm_S_test& d) {
        EXPECT_EQ(d.lblOp_seq_sub->text(), kOrder);
        EXPECT_EQ(d.lblDate->text(), day());
        EXPECT_EQ(d.lblpumbun->text(), "84710-AX100");
        for (const QString& c : gfMOLD_COLUMNS())
            EXPECT_EQ(d.entry(c)->text(), "") << c.toStdString();
        key(d, "cylinder1", "12.5");
        key(d, "time_s_ya", "3");
        key(d, "gadong_ya3", "7.25");
        save(d);
    });
    QList<QVariantList> stored = sheets();
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0].mid(0, 2), (QVariantList{day(), "FP-100"}));
    EXPECT_EQ(at(stored[0], "cylinder1"), 12.5);
    EXPECT_EQ(at(stored[0], "time_s_ya"), 3);
    EXPECT_EQ(at(stored[0], "gadong_ya3"), 7.25);
    EXPECT_EQ(nulls(stored[0]), 41);

    sheet([&](frm_S_test& d) {
        EXPECT_EQ(d.lbl_cylinder[0]->text(), "12.5");
        EXPECT_EQ(d.lbltime_s[1]->text(), "3");
        script.cancelKeypad("9");
        emit d.lbl_cylinder[0]->clicked();
        EXPECT_EQ(d.lbl_cylinder[0]->text(), "") << "a cancelled keypad clears the field";
        key(d, "sacul2", "80");
        key(d, "time_s_ya", "4");
        save(d);
    });
    stored = sheets();
    ASSERT_EQ(stored.size(), 1) << "the same date updates its sheet";
    EXPECT_EQ(at(stored[0], "cylinder1"), 12.5) << "a cleared field keeps its stored value";
    EXPECT_EQ(at(stored[0], "sacul2"), 80);
    EXPECT_EQ(at(stored[0], "time_s_ya"), 4);
    EXPECT_EQ(nulls(stored[0]), 40);
}

TEST_F(MoldSheet, EachDateHasItsOwnSheetAndTheLoadShowsTodays) {
    exec(
        "INSERT INTO Q_MOLDTEST_RESULT (op_seq_sub, product_code, test_date, cylinder1, mm5) "
        "VALUES ('" +
        kOrder + "', 'FP-100', '" + day(-1) + "', 99, 1)");
    sheet([&](frm_S_test& d) {
        EXPECT_EQ(d.lbl_cylinder[0]->text(), "") << "yesterday's sheet is not today's";
        key(d, "cylinder1", "5");
        save(d);
    });
    const QList<QVariantList> stored = sheets();
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored[0][0], day(-1));
    EXPECT_EQ(at(stored[0], "cylinder1"), 99) << "the other date is left alone";
    EXPECT_EQ(stored[1][0], day());
    EXPECT_EQ(at(stored[1], "cylinder1"), 5);
    EXPECT_TRUE(at(stored[1], "mm5").isNull());
    sheet([&](frm_S_test& d) {
        EXPECT_EQ(d.lbl_cylinder[0]->text(), "5");
        EXPECT_EQ(d.lbl_mm[4]->text(), "");
        d.btnCancel->click();
    });
}

TEST_F(MoldSheet, ShiftSizedValuesShowAndStoreAsPlainNumbers) {
    exec(
        "INSERT INTO Q_MOLDTEST_RESULT (op_seq_sub, product_code, test_date, cylinder1, "
        "shot_ju1, gadong_ju1, cv_ya1) VALUES ('" +
        kOrder + "', 'FP-100', '" + day() + "', 1234.5, 100000, 1000000, 12345)");
    sheet([&](frm_S_test& d) {
        EXPECT_EQ(d.entry("cylinder1")->text(), "1234.5");
        EXPECT_EQ(d.entry("shot_ju1")->text(), "100000");
        EXPECT_EQ(d.entry("gadong_ju1")->text(), "1000000");
        EXPECT_EQ(d.entry("cv_ya1")->text(), "12345");
        key(d, "shot_ya1", "200000");
        save(d);
    });
    const QList<QVariantList> stored = sheets();
    ASSERT_EQ(stored.size(), 1);
    const QVariantList want{1234.5, 100000, 1000000, 12345, 200000};
    QVariantList got;
    for (const char* c : {"cylinder1", "shot_ju1", "gadong_ju1", "cv_ya1", "shot_ya1"})
        got << at(stored[0], c).toDouble();
    EXPECT_EQ(got, want);
}

TEST_F(MoldSheet, AValueThatIsNoNumberFailsTheSaveSendsNothingAndKeepsTheScreen) {
    struct Case {
        bool existing;
        const char* key;  // a key name, or digits and points to type
        const char* shown;
    };
    const Case cases[] = {{false, "cmdOK", "OK"},
                          {true, "cmd_NG", "NG"},
                          {false, "1.2.3", "1.2.3"},
                          {true, "1..", "1.."}};
    QStringList sent;
    session.setTrace([&sent](const TraceEvent& e) { sent << e.statement; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        exec("DELETE FROM Q_MOLDTEST_RESULT");
        if (c.existing) {
            exec(
                "INSERT INTO Q_MOLDTEST_RESULT (op_seq_sub, product_code, test_date, speed3) "
                "VALUES ('" +
                kOrder + "', 'FP-100', '" + day() + "', 50)");
        }
        const QList<QVariantList> before = sheets();
        sent.clear();
        sheet([&](frm_S_test& d) {
            key(d, "cylinder2", "7");
            if (QString(c.key).startsWith("cmd")) {
                word(d, "speed3", c.key);
            } else {
                key(d, "speed3", c.key);
            }
            script.ok(QStringLiteral("숫자가 아닌 값은 저장할 수 없습니다: speed3 = ") + c.shown);
            d.btnSave->click();
            EXPECT_TRUE(d.isVisible()) << "the sheet stays open";
            EXPECT_EQ(d.lbl_speed[2]->text(), c.shown);
            EXPECT_EQ(d.lbl_cylinder[1]->text(), "7");
            d.btnCancel->click();
        });
        EXPECT_EQ(sheets(), before);
        for (const QString& s : sent) EXPECT_FALSE(s.contains("speed3 =") || s.contains("INSERT"));
    }
}

TEST_F(MoldSheet, TwoSheetsOfOneDateAreReportedAndNothingIsStored) {
    for (int i = 0; i < 2; ++i) {
        exec(
            "INSERT INTO Q_MOLDTEST_RESULT (op_seq_sub, product_code, test_date, cylinder1) "
            "VALUES ('" +
            kOrder + "', 'FP-100', '" + day() + "', " + QString::number(i) + ")");
    }
    const QList<QVariantList> before = sheets();
    sheet([&](frm_S_test& d) {
        key(d, "cylinder1", "8");
        script.ok();
        d.btnSave->click();
        EXPECT_TRUE(script.shown().last().text.contains("2건"))
            << script.texts().join('|').toStdString();
        d.btnCancel->click();
    });
    EXPECT_EQ(sheets(), before);
}

}  // namespace
