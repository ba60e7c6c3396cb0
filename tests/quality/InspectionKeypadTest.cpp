#include <QPushButton>

#include "ui/Forms.h"
#include "ui/frmKey2_jaju.h"
#include "ui/support/UiFixture.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class InspectionKeypad : public uitest::UiFixture {};

// Keys pressed on a fresh showing and what the display shows then.
struct KeyCase {
    QStringList keys;
    const char* display;
};

TEST_F(InspectionKeypad, EachKeyChangesTheDisplayAsItsTableSays) {
    const KeyCase cases[] = {
        {{"cmd1", "Command3", "cmd5"}, "1.5"},
        {{"Command3"}, ""},  // no point on an empty display
        {{"cmd1", "Command3", "Command3", "cmd2"}, "1..2"},
        {{"cmd3", "cmdOK"}, "OK"},
        {{"cmdOK", "cmd_NG"}, "NG"},
        {{"cmd9", "cmd_NG", "cmd7"}, "7"},
        {{"cmdOK", "cmd0"}, "0"},
        {{"cmd_NG", "Command3"}, ""},
        {{"cmd_NG", "cmdBackSpace"}, ""},
        {{"cmdOK", "cmdBackSpace", "cmd4"}, "4"},
        {{"cmd1", "cmd2", "cmdBackSpace"}, "1"},
        {{"cmd8", "Command3", "cmdBackSpace"}, "8"},
        {{"cmdBackSpace"}, ""},
    };
    frmKey2_jaju& k = gfFORM<frmKey2_jaju>();
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.keys.join(' ').toStdString());
        k.KEYPAD_no = "stale";
        const QString display = QString::fromUtf8(c.display);
        const QStringList keys = c.keys;
        script.on("frmKey2_jaju", [&](DialogHandle& d) {
            EXPECT_EQ(d.entry(), "") << "every opening starts empty";
            for (const QString& key : keys) d.press(key);
            EXPECT_EQ(d.entry(), display);
            d.press("Command13");
            if (!display.isEmpty()) return;
            EXPECT_TRUE(d.isOpen()) << "OK on an empty display does nothing";
            EXPECT_EQ(k.KEYPAD_no, "stale");
            d.press("Command14");
        });
        EXPECT_EQ(k.Show(), display);
    }
}

TEST_F(InspectionKeypad, CancelHandsBackNothingAndThereIsNoClearKey) {
    frmKey2_jaju& k = gfFORM<frmKey2_jaju>();
    script.keypad("12");
    script.cancelKeypad("3.4");
    EXPECT_EQ(k.Show(), "12");
    EXPECT_EQ(k.Show(), "");
    EXPECT_EQ(k.KEYPAD_no, "");
    EXPECT_EQ(k.findChild<QPushButton*>("cmdCrea"), nullptr);
}

}  // namespace
