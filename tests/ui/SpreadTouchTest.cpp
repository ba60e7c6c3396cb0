#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "SpreadFixture.h"
#include "ui/Theme.h"

using namespace mes;

namespace {

// The grid under a finger: the fixture's grid asks for 20-point rows.
class SpreadTouch : public SpreadFixture {
  protected:
    void SetUp() override {
        SpreadFixture::SetUp();
        ASSERT_EQ(fill(), 3);
        spread.SetCellText("저장", -1, "저장");
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    QRect cell(int row, int col) const { return view.visualRect(view.model()->index(row, col)); }
    QColor pixel(QPoint at) const { return view.viewport()->grab().toImage().pixelColor(at); }
};

TEST_F(SpreadTouch, RowsAreFingerHighWhateverTheScreenAsks) {
    for (int r = 0; r < 3; ++r) EXPECT_GE(view.rowHeight(r), Theme::kRowHeight) << r;
    spread.OneAddRow();
    EXPECT_GE(view.rowHeight(3), Theme::kRowHeight) << "rows added later too";
}

TEST_F(SpreadTouch, ButtonCellsFillTheirCellAndShowThePress) {
    const QRect button = cell(1, 5);
    const QPoint nearTop(button.center().x(), button.top() + 3);
    EXPECT_EQ(pixel(nearTop), Theme::buttonFace()) << "the button reaches the cell's edge";
    QSignalSpy buttons(&spread, &clsSpread::ButtonClicked);
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, button.center());
    EXPECT_EQ(pixel(nearTop), Theme::buttonPressed()) << "pressed while the finger is on it";
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, button.center());
    EXPECT_EQ(pixel(nearTop), Theme::buttonFace());
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0], (QVariantList{6, 2}));
}

TEST_F(SpreadTouch, APickListOpensOnOneTouchAndOneTouchChooses) {
    QSignalSpy changes(&spread, &clsSpread::Change);
    const QModelIndex shift = view.model()->index(0, 3);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell(0, 3).center());
    auto* box = qobject_cast<QComboBox*>(view.indexWidget(shift));
    ASSERT_NE(box, nullptr) << "the list opens on the first touch";
    EXPECT_TRUE(box->view()->isVisible());
    QAbstractItemView* list = box->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    EXPECT_EQ(spread.TextWithColID("구분", 1), "야간");
    EXPECT_EQ(view.indexWidget(shift), nullptr) << "closed after the choice";
    EXPECT_EQ(changes.size(), 1);

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell(1, 0).center());
    EXPECT_EQ(view.indexWidget(view.model()->index(1, 0)), nullptr) << "a locked cell stays shut";
}

TEST_F(SpreadTouch, InPlaceEditorsHaveTheRowsSizeAndTheGridsType) {
    const QModelIndex name = view.model()->index(0, 1);
    view.setCurrentIndex(name);
    view.edit(name);
    auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(name));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->geometry(), cell(0, 1));
    EXPECT_EQ(QFontInfo(editor->font()).pixelSize(), QFontInfo(view.font()).pixelSize())
        << "not the large type of the program's entry boxes";
    EXPECT_LE(editor->sizeHint().height(), view.rowHeight(0)) << "the text is not clipped";
}

}  // namespace
