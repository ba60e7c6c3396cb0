#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/frm_MSG_001.h"
#include "ui/support/UiFixture.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

int serials = 0;

// What the unloading handler saw of itself after gsUNLOAD returned.
struct AfterUnload {
    bool ran = false;
    bool stillRegistered = true;
    bool aliveAfterNotice = false;
};
AfterUnload after;

// Closes the notice the screen opens, from inside its exec().
void answerNoticeFromTheLoop() {
    QTimer::singleShot(0, [] { gfFORM<frm_MSG_001>().Command14->click(); });
}

// Ends itself from its own button, then tells the operator and writes to itself.
class EndingScreen : public QWidget {
  public:
    EndingScreen() : QWidget(nullptr, Qt::Window), serial(++serials) {
        btnEnd = new QPushButton(this);
        lblState = new QLabel(this);
        Timer1 = new QTimer(this);
        Timer1->start(1000);
        connect(btnEnd, &QPushButton::clicked, this, [this] { end(); });
    }
    void end() {
        const QPointer<EndingScreen> self(this);
        gsUNLOAD<EndingScreen>();
        after.ran = true;
        after.stillRegistered = gfFORM_LOADED<EndingScreen>();
        if (blocking) answerNoticeFromTheLoop();
        gsMSG(QStringLiteral("작업이 종료되었습니다."));
        after.aliveAfterNotice = !self.isNull();
        if (self) lblState->setText(QStringLiteral("ended"));
    }
    const int serial;
    bool blocking = false;
    QPushButton* btnEnd;
    QLabel* lblState;
    QTimer* Timer1;
};

// Closes and unloads itself from its own Command14 while the modal host is on it.
class ClosingDialog : public QDialog {
  public:
    ClosingDialog() : serial(++serials) {
        setObjectName(QStringLiteral("ClosingDialog"));
        Command14 = new QPushButton(QStringLiteral("닫기"), this);
        Command14->setObjectName(QStringLiteral("Command14"));
        Timer1 = new QTimer(this);
        Timer1->start(1000);
        connect(Command14, &QPushButton::clicked, this, [this] {
            reject();
            gsUNLOAD<ClosingDialog>();
            after.ran = true;
            after.stillRegistered = gfFORM_LOADED<ClosingDialog>();
            answer = QStringLiteral("closed");
        });
    }
    QString Show() {
        gfSHOW_MODAL(*this);
        return answer;  // read after the unload
    }
    const int serial;
    QString answer;
    QPushButton* Command14;
    QTimer* Timer1;
};

class FormsTest : public uitest::UiFixture {
  protected:
    void SetUp() override {
        UiFixture::SetUp();
        after = {};
    }
    // The real blocking path: no driver, exec() answered by a timer.
    void block() {
        gsSET_MODAL_DRIVER(nullptr);
        gsALLOW_OFFSCREEN_EXEC(true);
    }
    void unblock() {
        gsALLOW_OFFSCREEN_EXEC(false);
        gsSET_MODAL_DRIVER(&script);
    }
    static void runDeferredDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

struct UnloadCase {
    const char* name;
    bool blocking;
};
const UnloadCase kPaths[] = {{"test driver", false}, {"blocking exec", true}};

TEST_F(FormsTest, AScreenUnloadsItselfFromItsOwnButtonHandler) {
    for (const UnloadCase& c : kPaths) {
        SCOPED_TRACE(c.name);
        after = {};
        EndingScreen& screen = gfFORM<EndingScreen>();
        screen.show();
        const QPointer<EndingScreen> old(&screen);
        const int oldSerial = screen.serial;
        if (c.blocking) {
            block();
            screen.blocking = true;
            QEventLoop loop;  // the program's event loop delivers the press
            QTimer::singleShot(0, &loop, [&] {
                old->btnEnd->click();
                loop.quit();
            });
            loop.exec();
            unblock();
        } else {
            script.notice("작업이 종료되었습니다.");
            screen.btnEnd->click();
            ASSERT_FALSE(old.isNull()) << "deleted under its own handler";
            EXPECT_FALSE(old->isVisible());
            EXPECT_FALSE(old->Timer1->isActive()) << "an unloaded screen's clock stops";
            EXPECT_EQ(old->lblState->text(), "ended");
        }
        EXPECT_TRUE(after.ran);
        EXPECT_FALSE(after.stillRegistered);
        EXPECT_TRUE(after.aliveAfterNotice);
        EXPECT_FALSE(gfFORM_LOADED<EndingScreen>());
        runDeferredDeletes();
        EXPECT_TRUE(old.isNull()) << "deleted once back in the event loop";
        EXPECT_EQ(Forms::pendingCount(), 0);
        EXPECT_NE(gfFORM<EndingScreen>().serial, oldSerial) << "the next one is new";
        gsUNLOAD<EndingScreen>();
        runDeferredDeletes();
    }
}

TEST_F(FormsTest, ADialogUnloadsItselfInsideItsModalSession) {
    for (const UnloadCase& c : kPaths) {
        SCOPED_TRACE(c.name);
        after = {};
        ClosingDialog& dialog = gfFORM<ClosingDialog>();
        const QPointer<ClosingDialog> old(&dialog);
        const int oldSerial = dialog.serial;
        QString first;
        QString again;
        // A screen's handler: asks the dialog, tells the operator, reads the answer again.
        const auto handler = [&] {
            if (c.blocking) QTimer::singleShot(0, old, [&] { old->Command14->click(); });
            first = dialog.Show();
            if (c.blocking) answerNoticeFromTheLoop();
            gsMSG(QStringLiteral("저장 완료"));
            again = old ? dialog.answer : QStringLiteral("deleted");
        };
        if (c.blocking) {
            block();
            QEventLoop loop;
            QTimer::singleShot(0, &loop, [&] {
                handler();
                loop.quit();
            });
            loop.exec();
            unblock();
        } else {
            script.on("ClosingDialog", [](DialogHandle& d) { d.press("Command14"); });
            script.notice("저장 완료");
            handler();
            ASSERT_FALSE(old.isNull());
            EXPECT_FALSE(old->isVisible());
            EXPECT_FALSE(old->Timer1->isActive());
            EXPECT_EQ(Forms::pendingCount(), 1);
        }
        EXPECT_EQ(first, "closed");
        EXPECT_EQ(again, "closed") << "deleted while its caller still held it";
        EXPECT_TRUE(after.ran);
        EXPECT_FALSE(after.stillRegistered);
        runDeferredDeletes();
        EXPECT_TRUE(old.isNull());
        EXPECT_EQ(Forms::pendingCount(), 0);
        EXPECT_NE(gfFORM<ClosingDialog>().serial, oldSerial);
        gsUNLOAD<ClosingDialog>();
        runDeferredDeletes();
    }
}

TEST_F(FormsTest, UnloadAllDeletesScreensAwaitingDeletionAtOnce) {
    const QPointer<EndingScreen> unloaded(&gfFORM<EndingScreen>());
    gsUNLOAD<EndingScreen>();
    const QPointer<ClosingDialog> loaded(&gfFORM<ClosingDialog>());
    Forms::unloadAll();
    EXPECT_TRUE(unloaded.isNull());
    EXPECT_TRUE(loaded.isNull());
    EXPECT_FALSE(gfFORM_LOADED<ClosingDialog>());
    EXPECT_EQ(Forms::pendingCount(), 0);
}

}  // namespace
