#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "ui/Theme.h"
#include "ui/frmImgShow.h"
#include "ui/support/UiFixture.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

class ScreensTest : public uitest::UiFixture {};

TEST_F(ScreensTest, NavigationRowHasTheSharedButtonsInOrder) {
    NavigationBar bar;
    const QStringList names = {"btnJakupJisi", "btnDayReport",    "btnJakupList",
                               "btnBadList",   "btnBigadongList", "btnExit"};
    const QStringList captions = {"작업지시목록", "생산작업현황", "실적내역",
                                  "불량내역",     "비가동내역",   "종료"};
    bar.resize(1024, 80);
    bar.show();
    int left = -1;
    for (int i = 0; i < names.size(); ++i) {
        auto* b = bar.findChild<QPushButton*>(names[i]);
        ASSERT_NE(b, nullptr) << names[i].toStdString();
        EXPECT_EQ(b->text(), captions[i]);
        EXPECT_GT(b->x(), left) << "in the order of the table";
        EXPECT_GE(b->height(), Theme::kRowHeight);
        left = b->x();
    }
}

TEST_F(ScreensTest, ExitButtonEndsTheProgramOnlyOnExit) {
    NavigationBar bar;
    script.on("frm_MSG_002", [](DialogHandle& d) { d.press("Command1"); });
    bar.btnExit->click();
    EXPECT_FALSE(exits.ended());
    script.on("frm_MSG_002", [](DialogHandle& d) { d.press("Command14"); });
    bar.btnExit->click();
    EXPECT_EQ(exits.codes, QList<int>{0});
}

void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST_F(ScreensTest, PictureViewerShowsWithoutBlockingDragsAndClosesOnDoubleClick) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    gsIMG_SHOW(picture);  // any modal would fail: the script has no step
    frmImgShow& viewer = gfFORM<frmImgShow>();
    ASSERT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.windowTitle(), "이미지보기");
    EXPECT_EQ(viewer.size(), QSize(667, 667));
    EXPECT_EQ(viewer.pos(), QPoint(67, 67));
    EXPECT_EQ(viewer.img->size(), viewer.size()) << "the picture is stretched over the window";
    EXPECT_EQ(viewer.img->pixmap().size(), QSize(40, 30));

    mouse(viewer.img, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    mouse(viewer.img, QEvent::MouseMove, {30, 50}, Qt::LeftButton);
    EXPECT_EQ(viewer.pos(), QPoint(87, 107));
    mouse(viewer.img, QEvent::MouseButtonRelease, {30, 50}, Qt::NoButton);
    mouse(viewer.img, QEvent::MouseMove, {60, 60}, Qt::NoButton);
    EXPECT_EQ(viewer.pos(), QPoint(87, 107)) << "released: no more dragging";

    mouse(viewer.img, QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton);
    EXPECT_FALSE(viewer.isVisible());
}

}  // namespace
