#include <QLabel>
#include <QTest>
#include <functional>

#include "ui/Forms.h"
#include "ui/frmKey2.h"
#include "ui/frmKey2_EnglishandNum.h"
#include "ui/frm_MSG_002.h"
#include "ui/frm_MSG_004.h"
#include "ui/frm_Pass_Key.h"
#include "ui/support/UiFixture.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class DialogCloseTest : public uitest::UiFixture {
  protected:
    QLabel lbldelete_type;
};

// A dialog, how it is confirmed, and its answer as the caller reads it.
struct Subject {
    const char* name;
    std::function<void(DialogHandle&)> confirm;
    const char* confirmed;
    const char* cancelled;
};

struct Close {
    const char* how;
    std::function<void(QDialog&)> close;
};

TEST_F(DialogCloseTest, EveryCloseButTheConfirmingButtonIsCancel) {
    gfFORM<frm_MSG_004>().lbldelete_type = &lbldelete_type;
    const auto typeAndOk = [](DialogHandle& d) {
        d.type("7306");
        d.press("Command13");
    };
    const auto yes = [](DialogHandle& d) { d.press("Command14"); };
    const Subject subjects[] = {
        {"frmKey2", typeAndOk, "7306", ""},
        {"frm_Pass_Key", typeAndOk, "7306", ""},
        {"frmKey2_EnglishandNum", typeAndOk, "7306", ""},
        {"frm_MSG_002", yes, "Exit", "Cancel"},
        {"frm_MSG_004", yes, "Exit OK", "Cancel "},
    };
    const Close closes[] = {
        {"Escape", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"reject()", [](QDialog& d) { d.reject(); }},
        {"window close", [](QDialog& d) { d.close(); }},
    };
    const std::function<QString(const QString&)> show = [this](const QString& name) {
        if (name == "frmKey2") return gfFORM<frmKey2>().Show();
        if (name == "frm_Pass_Key") return gfFORM<frm_Pass_Key>().Show();
        if (name == "frmKey2_EnglishandNum") return gfFORM<frmKey2_EnglishandNum>().Show();
        if (name == "frm_MSG_002") return gfFORM<frm_MSG_002>().Show();
        const QString answer = gfFORM<frm_MSG_004>().Show();
        return answer + ' ' + lbldelete_type.text();
    };
    for (const Subject& s : subjects) {
        for (const Close& c : closes) {
            SCOPED_TRACE(std::string(s.name) + " closed by " + c.how);
            script.on(s.name, s.confirm);
            EXPECT_EQ(show(s.name), s.confirmed);
            script.on(s.name, [&c](DialogHandle& d) {
                // a typed entry is not handed back either
                if (d.name() == "frmKey2" || d.name() == "frm_Pass_Key") d.type("5");
                c.close(d.dialog());
                EXPECT_FALSE(d.isOpen());
            });
            EXPECT_EQ(show(s.name), s.cancelled);
        }
    }
}

}  // namespace
