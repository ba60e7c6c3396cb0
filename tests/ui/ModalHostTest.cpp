#include <gtest/gtest-spi.h>
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include "foundation/DbError.h"
#include "foundation/ErrorLog.h"
#include "foundation/UserInterface.h"
#include "ui/ModalHost.h"
#include "ui/Theme.h"
#include "ui/WidgetUI.h"
#include "ui/frm_MSG_001.h"
#include "ui/support/UiFixture.h"

using namespace mes;
using uitest::DialogHandle;
using uitest::ModalScript;

namespace {

class ModalHostTest : public uitest::UiFixture {};

struct BoxCase {
    UserInterface::Icon icon;
    const char* title;
    const char* text;
};

TEST_F(ModalHostTest, MessageBoxesShowTitleIconTextAndOneOkButton) {
    const BoxCase cases[] = {
        {UserInterface::Icon::Information, "알림", "이미 실행중입니다."},
        {UserInterface::Icon::Critical, "에러",
         "서버에 접속할 수 없습니다.\r\n시스템을 종료합니다."},
        {UserInterface::Icon::Warning, "Panel_Orvel", "데이타베이스를 OPEN 할수 없습니다."},
        {UserInterface::Icon::None, "Panel_Orvel", "it's \"quoted\" <b>not bold</b>"},
    };
    for (const BoxCase& c : cases) script.press("OK");
    for (const BoxCase& c : cases) gvUI().showMessage(c.title, c.text, c.icon);
    ASSERT_EQ(script.shown().size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const uitest::Shown& s = script.shown()[i];
        EXPECT_EQ(s.name, "MsgBox");
        EXPECT_EQ(s.title, cases[i].title);
        EXPECT_EQ(s.text, cases[i].text);
        EXPECT_EQ(s.icon, cases[i].icon);
        EXPECT_EQ(s.buttons, QStringList{"OK"});
    }
}

TEST_F(ModalHostTest, RetryCancelQuestionAnswersByTheButtonPressed) {
    script.press("Retry").press("Cancel");
    EXPECT_TRUE(gvUI().askRetryCancel("Panel_Orvel", "재시도 하시겠습니까?"));
    EXPECT_FALSE(gvUI().askRetryCancel("Panel_Orvel", "재시도 하시겠습니까?"));
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.shown()[0].icon, UserInterface::Icon::Question);
    EXPECT_EQ(script.shown()[0].buttons, (QStringList{"Retry", "Cancel"}));
}

// What a finger needs of a box as it is shown: the large type of the
// terminal's dialogs, buttons of key height inside the box, the text unclipped.
void expectTouchSize(DialogHandle& d) {
    const QDialog& box = d.dialog();
    const auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font().pixelSize(), Theme::kLargeFontPixels);
    EXPECT_GE(label->height(), label->heightForWidth(label->width())) << "text not clipped";
    const auto buttons = box.findChildren<QAbstractButton*>();
    ASSERT_FALSE(buttons.isEmpty());
    for (const QAbstractButton* b : buttons) {
        const std::string name = b->text().toStdString();
        EXPECT_GE(b->height(), 44) << name;
        EXPECT_GE(b->height(), Theme::kKeySize) << name;
        EXPECT_GE(b->width(), Theme::kDialogButtonWidth) << name;
        EXPECT_EQ(b->font().pixelSize(), Theme::kLargeFontPixels) << name;
        EXPECT_TRUE(box.rect().contains(QRect(b->mapTo(&box, QPoint(0, 0)), b->size())))
            << name << " lies inside the box";
    }
}

TEST_F(ModalHostTest, EveryStandardBoxIsDrawnAtTouchSize) {
    const QString longText =
        QString("데이타베이스를 OPEN 할수 없습니다.\nCAUSE - ") +
        QString("[FreeTDS][SQL Server]Unable to connect 'MES_ORVEL' ").repeated(3);
    const auto touch = [](const char* button) {
        return [button](DialogHandle& d) {
            expectTouchSize(d);
            d.press(button);
        };
    };
    script.then(touch("OK")).then(touch("Retry")).then(touch("No"));
    gvUI().showMessage("", longText, UserInterface::Icon::Warning);
    EXPECT_TRUE(gvUI().askRetryCancel("Panel_Orvel", "재시도 하시겠습니까?"));
    EXPECT_EQ(WidgetUI::ask(UserInterface::Icon::Critical, "입력오류",
                            "LOT NO (L-2026-0001) 가 먼저 투입 되어야 합니다.\n"
                            "무시하고 투입 하시겠습니까?",
                            QMessageBox::Yes | QMessageBox::No),
              QMessageBox::No);
    // The error log's boxes: the closed Session's reconnect question, then the message.
    script.then(touch("Cancel")).then(touch("OK"));
    gsERR_LOG(DbError{-2147467259, "통신 연결 실패 'TCP'"}, "통신 연결 실패 'TCP'", "작업지시목록");
    EXPECT_EQ(script.texts().last(), "통신 연결 실패 'TCP'");
    EXPECT_EQ(script.pending(), 0);
}

TEST_F(ModalHostTest, DialogsAreModalAndStayOnTop) {
    script.then([](DialogHandle& d) {
        EXPECT_TRUE(d.dialog().isModal());
        EXPECT_TRUE(d.dialog().windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_TRUE(d.isOpen());
        d.press("Command14");
    });
    gsMSG("확인");
}

TEST_F(ModalHostTest, BusyPointerIsTheHourglassAndStepsAsideForABox) {
    gvUI().setBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    script.then([](DialogHandle& d) {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "box shown with the hourglass";
        d.press("OK");
    });
    gvUI().showMessage("Panel_Orvel", "x", UserInterface::Icon::None);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    gvUI().setBusy(true);  // nested helpers do not stack cursors
    gvUI().setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ModalHostTest, ADialogNobodyExpectedFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ModalScript inner;
            gvUI().showMessage("알림", "surprise", UserInterface::Icon::Information);
        },
        "unexpected dialog MsgBox");
}

TEST_F(ModalHostTest, AStepThatLeavesItsDialogOpenFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ModalScript inner;
            inner.then([](DialogHandle&) {});
            gvUI().showMessage("알림", "x", UserInterface::Icon::Information);
        },
        "left MsgBox open");
}

TEST_F(ModalHostTest, UnusedStepsAndWrongDialogsFailTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ModalScript inner;
            inner.press("OK");
        },
        "never used");
    EXPECT_NONFATAL_FAILURE(
        {
            ModalScript inner;
            inner.on("frmKey2", [](DialogHandle& d) { d.press("OK"); });
            gvUI().showMessage("알림", "x", UserInterface::Icon::Information);
        },
        "expected dialog frmKey2, got MsgBox");
    EXPECT_NONFATAL_FAILURE(
        {
            ModalScript inner;
            inner.then([](DialogHandle& d) {
                d.press("Nope");
                d.press("OK");
            });
            gvUI().showMessage("알림", "x", UserInterface::Icon::Information);
        },
        "no button \"Nope\"");
}

TEST_F(ModalHostTest, ShorthandStepsCheckTheTextTheyExpect) {
    script.ok("저장 실패").notice("저장 완료");
    gvUI().showMessage("Panel_Orvel", "저장 실패", UserInterface::Icon::None);
    gsMSG("저장 완료");
    EXPECT_EQ(script.pending(), 0);
    EXPECT_NONFATAL_FAILURE(
        {
            ModalScript inner;
            inner.notice("저장 완료");
            gsMSG("삭제 실패");
        },
        "삭제 실패");
}

struct Orphan {
    int result = -1;
    bool visible = true;
} orphan;

void showOrphan() {
    QDialog dialog;
    dialog.setObjectName("orphan");
    orphan.result = gfSHOW_MODAL(dialog);
    orphan.visible = dialog.isVisible();
}

TEST_F(ModalHostTest, OffscreenWithoutADriverADialogIsRejectedAndFailsTheTest) {
    gsSET_MODAL_DRIVER(nullptr);
    EXPECT_NONFATAL_FAILURE(showOrphan(),
                            "modal dialog orphan \"\" shown offscreen with no driver");
    gsSET_MODAL_DRIVER(&script);
    EXPECT_EQ(orphan.result, QDialog::Rejected) << "rejected instead of hanging";
    EXPECT_FALSE(orphan.visible);
}

TEST_F(ModalHostTest, AStepMayOpenFurtherDialogs) {
    script.then([](DialogHandle& d) {
        gvUI().showMessage("알림", "inner", UserInterface::Icon::Information);
        d.press("OK");
    });
    script.press("OK");
    gvUI().showMessage("알림", "outer", UserInterface::Icon::Information);
    EXPECT_EQ(script.texts(), (QStringList{"outer", "inner"}));
    EXPECT_EQ(script.pending(), 0);
}

}  // namespace
