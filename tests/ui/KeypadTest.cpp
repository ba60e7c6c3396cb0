#include <QLineEdit>
#include <QPushButton>

#include "ui/Forms.h"
#include "ui/Theme.h"
#include "ui/frmKey2.h"
#include "ui/frmKey2_EnglishandNum.h"
#include "ui/frm_Pass_Key.h"
#include "ui/support/UiFixture.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class KeypadTest : public uitest::UiFixture {};

KeypadBase& keypad(const QString& name) {
    if (name == "frm_Pass_Key") return gfFORM<frm_Pass_Key>();
    if (name == "frmKey2_EnglishandNum") return gfFORM<frmKey2_EnglishandNum>();
    return gfFORM<frmKey2>();
}

// One showing: the keys pressed in order (names), and what it hands back.
struct KeyCase {
    const char* keypad;
    QStringList keys;
    const char* expected;
};

TEST_F(KeypadTest, KeysHandBackTheEntry) {
    const KeyCase cases[] = {
        {"frmKey2", {"cmd1", "cmd2", "cmdBackSpace", "cmd3", "Command13"}, "13"},
        {"frm_Pass_Key", {"cmd7", "cmd3", "cmd0", "cmd6", "Command13"}, "7306"},
        {"frmKey2", {"cmdBackSpace", "cmd0", "cmd0", "Command13"}, "00"},
        {"frmKey2", {"cmd9", "cmdCrea", "cmd4", "Command13"}, "4"},
        {"frmKey2", {"cmd5", "cmd5", "Command14"}, ""},
        {"frmKey2_EnglishandNum", {"Command3", "Command3", "Command13"}, "."},
        {"frmKey2_EnglishandNum", {"Command3", "cmdCrea", "Command3", "Command13"}, "."},
        {"frmKey2_EnglishandNum", {"Command3", "cmdBackSpace", "Command3", "Command13"}, "."},
        {"frmKey2_EnglishandNum",
         {"cmd1", "Command3", "cmd2", "Command3", "cmd3", "Command13"},
         "1.23"},
        // the flag only resets when the entry is empty again
        {"frmKey2_EnglishandNum",
         {"cmd1", "Command3", "cmdBackSpace", "Command3", "Command13"},
         "1"},
        {"frmKey2_EnglishandNum", {"cmda", "Command13"}, "A"},
        {"frmKey2_EnglishandNum", {"cmdshift", "cmda", "Command13"}, "A"},
        {"frmKey2_EnglishandNum", {"cmdshift", "cmdshift", "cmda", "Command13"}, "a"},
        {"frmKey2_EnglishandNum", {"cmdshift", "cmdshift", "cmdshift", "cmda", "Command13"}, "A"},
        {"frmKey2_EnglishandNum",
         {"cmdshift", "cmdshift", "cmdz", "cmdshift", "cmdz", "Command13"},
         "zZ"},
        {"frmKey2_EnglishandNum", {"cmdm", "Command15", "cmd0", "cmd7", "Command13"}, "M-07"},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(QString("%1: %2").arg(c.keypad, c.keys.join(' ')).toStdString());
        const QStringList keys = c.keys;
        script.on(c.keypad, [keys](DialogHandle& d) {
            for (const QString& k : keys) d.press(k);
        });
        EXPECT_EQ(keypad(c.keypad).Show(), c.expected);
        EXPECT_EQ(keypad(c.keypad).KEYPAD_no, c.expected);
    }
}

TEST_F(KeypadTest, OkOnAnEmptyEntryKeepsTheKeypadOpenAndTheLastResult) {
    for (const char* name : {"frmKey2", "frm_Pass_Key", "frmKey2_EnglishandNum"}) {
        SCOPED_TRACE(name);
        KeypadBase& k = keypad(name);
        k.KEYPAD_no = "77";
        script.on(name, [&k](DialogHandle& d) {
            EXPECT_EQ(d.entry(), "") << "a showing starts empty";
            d.press("Command13");
            EXPECT_TRUE(d.isOpen());
            EXPECT_EQ(k.KEYPAD_no, "77");
            d.press("Command14");
        });
        EXPECT_EQ(k.Show(), "") << "cancel always hands back the empty string";
    }
}

TEST_F(KeypadTest, EachShowingStartsFreshWhileTheResultCarriesOver) {
    frmKey2_EnglishandNum& k = gfFORM<frmKey2_EnglishandNum>();
    script.keypad("ab.");
    script.then([&k](DialogHandle& d) {
        EXPECT_EQ(d.entry(), "");
        EXPECT_EQ(k.KEYPAD_no, "AB.") << "kept until a key is typed";
        EXPECT_FALSE(k.lowerCase());
        EXPECT_EQ(k.shiftCount(), 2);
        EXPECT_EQ(k.pointFlag(), "0");
        d.press("Command3");  // the point does not drop the stale result
        EXPECT_EQ(k.KEYPAD_no, "AB.");
        d.press("cmdc");
        EXPECT_EQ(k.KEYPAD_no, "") << "a letter drops the stale result";
        EXPECT_EQ(d.entry(), "C") << "and the entry typed so far";
        d.press("Command13");
    });
    EXPECT_EQ(k.Show(), "AB.");
    EXPECT_EQ(k.Show(), "C");
}

TEST_F(KeypadTest, LetterCaptionsFollowTheCaseAndNoOtherKeyReadsLikeALetter) {
    const auto caption = [](DialogHandle& d, const char* key) {
        return d.dialog().findChild<QPushButton*>(key)->text();
    };
    script.on("frmKey2_EnglishandNum", [&caption](DialogHandle& d) {
        QStringList captions;
        for (QPushButton* b : d.dialog().findChildren<QPushButton*>()) captions << b->text();
        EXPECT_EQ(captions.count("C"), 1)
            << "only the letter C: " << captions.join(' ').toStdString();
        EXPECT_EQ(caption(d, "cmdq"), "Q");
        d.press("cmdshift");
        EXPECT_EQ(caption(d, "cmdq"), "Q") << "the first press keeps upper case";
        d.press("cmdshift");
        EXPECT_EQ(caption(d, "cmdq"), "q");
        d.press("cmdq");
        EXPECT_EQ(d.entry(), "q") << "the key types what it shows";
        d.press("Command14");
    });
    script.on("frmKey2_EnglishandNum", [&caption](DialogHandle& d) {
        EXPECT_EQ(caption(d, "cmdq"), "Q") << "each showing starts in upper case";
        d.press("Command14");
    });
    gfFORM<frmKey2_EnglishandNum>().Show();
    gfFORM<frmKey2_EnglishandNum>().Show();
}

TEST_F(KeypadTest, NumericKeypadsKeepTheirResultWhileTyping) {
    frmKey2& k = gfFORM<frmKey2>();
    script.keypad("12");
    script.then([&k](DialogHandle& d) {
        d.type("3");
        EXPECT_EQ(k.KEYPAD_no, "12");
        EXPECT_EQ(d.entry(), "3");
        d.press("Command14");
    });
    k.Show();
    k.Show();
    EXPECT_EQ(k.KEYPAD_no, "");
}

TEST_F(KeypadTest, NumericKeypadsHaveDigitsOnlyAndShowTheCodeAsTyped) {
    for (const char* name : {"frmKey2", "frm_Pass_Key"}) {
        KeypadBase& k = keypad(name);
        EXPECT_EQ(k.findChild<QPushButton*>("Command3"), nullptr) << name;
        EXPECT_EQ(k.findChild<QPushButton*>("Command15"), nullptr) << name;
        EXPECT_EQ(k.Text2->echoMode(), QLineEdit::Normal) << name;
        EXPECT_TRUE(k.Text2->isReadOnly()) << name << ": typed on the keys only";
        for (int d = 0; d < 10; ++d) {
            EXPECT_NE(k.findChild<QPushButton*>(QString("cmd%1").arg(d)), nullptr) << name << d;
        }
    }
}

TEST_F(KeypadTest, KeysAreFingerSized) {
    for (const char* name : {"frmKey2", "frm_Pass_Key", "frmKey2_EnglishandNum"}) {
        script.on(name, [](DialogHandle& d) {
            const auto keys = d.dialog().findChildren<QPushButton*>();
            EXPECT_GE(keys.size(), 14);
            for (QPushButton* key : keys) {
                EXPECT_GE(key->width(), Theme::kKeySize) << key->objectName().toStdString();
                EXPECT_GE(key->height(), Theme::kKeySize) << key->objectName().toStdString();
            }
            EXPECT_LE(d.dialog().width(), 1024);
            EXPECT_LE(d.dialog().height(), 768);
            d.press("Command14");
        });
        keypad(name).Show();
    }
}

TEST_F(KeypadTest, AKeypadIsCreatedOnceAndKeptUntilUnloaded) {
    frmKey2* first = &gfFORM<frmKey2>();
    first->KEYPAD_no = "5";
    EXPECT_EQ(&gfFORM<frmKey2>(), first);
    gsUNLOAD<frmKey2>();
    EXPECT_FALSE(gfFORM_LOADED<frmKey2>());
    EXPECT_EQ(gfFORM<frmKey2>().KEYPAD_no, "");
}

}  // namespace
