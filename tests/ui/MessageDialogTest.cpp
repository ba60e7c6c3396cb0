#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "ui/Forms.h"
#include "ui/Theme.h"
#include "ui/frm_MSG_001.h"
#include "ui/frm_MSG_002.h"
#include "ui/frm_MSG_004.h"
#include "ui/support/UiFixture.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class MessageDialogTest : public uitest::UiFixture {};

QPoint placeAt(double fraction) {
    const QRect g = QGuiApplication::primaryScreen()->geometry();
    return {g.left() + int(g.width() * fraction), g.top() + int(g.height() * fraction)};
}

TEST_F(MessageDialogTest, NoticeShowsTheCallersTextOnTwoLinesAtOneThird) {
    script.on("frm_MSG_001", [](DialogHandle& d) {
        EXPECT_EQ(d.dialog().pos(), placeAt(1.0 / 3.0));
        auto* label = d.dialog().findChild<QLabel*>("Lb_msg");
        QLabel oneLine("저장이 완료되었습니다.");
        oneLine.setFont(label->font());
        EXPECT_GT(label->sizeHint().height(), oneLine.sizeHint().height() * 3 / 2);
        d.press("Command14");
    });
    gsMSG("저장이 완료되었습니다.\n다시 확인하십시요.");
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.shown()[0].text, "저장이 완료되었습니다.\n다시 확인하십시요.");
    EXPECT_FALSE(gfFORM<frm_MSG_001>().isVisible());
}

TEST_F(MessageDialogTest, ExitQuestionAnswersExitOrCancelAndKeepsTheLastAnswer) {
    frm_MSG_002& q = gfFORM<frm_MSG_002>();
    script.on("frm_MSG_002", [](DialogHandle& d) {
        EXPECT_EQ(d.text(), "정말로 종료하시겠습니까?");
        EXPECT_EQ(d.dialog().pos(), placeAt(0.35));
        for (QPushButton* b : d.dialog().findChildren<QPushButton*>()) {
            EXPECT_GE(b->height(), Theme::kKeySize) << b->objectName().toStdString();
            EXPECT_GE(b->width(), Theme::kKeySize) << b->objectName().toStdString();
        }
        d.press("Command1");
    });
    EXPECT_EQ(q.Show(), "Cancel");
    script.on("frm_MSG_002", [&q](DialogHandle& d) {
        EXPECT_EQ(q.AA, "Cancel") << "the answer stays until the next press";
        d.press("Command14");
    });
    EXPECT_EQ(q.Show(), "Exit");
    EXPECT_EQ(q.AA, "Exit");
    EXPECT_FALSE(exits.ended()) << "the question alone ends nothing";
}

TEST_F(MessageDialogTest, DeleteQuestionWritesTheInspectionLabel) {
    QLabel lbldelete_type;
    frm_MSG_004& q = gfFORM<frm_MSG_004>();
    q.lbldelete_type = &lbldelete_type;
    struct Case {
        const char* button;
        const char* answer;
        const char* label;
    } const cases[] = {{"Command14", "Exit", "OK"}, {"Command1", "Cancel", ""}};
    for (const Case& c : cases) {
        script.on("frm_MSG_004", [&c](DialogHandle& d) {
            EXPECT_EQ(d.text(), "초중종검사를 삭제하시겠습니까?");
            EXPECT_EQ(d.dialog().pos(), placeAt(0.35));
            d.press(c.button);
        });
        EXPECT_EQ(q.Show(), c.answer);
        EXPECT_EQ(lbldelete_type.text(), c.label);
    }
}

}  // namespace
