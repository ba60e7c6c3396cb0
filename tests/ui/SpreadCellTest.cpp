#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include "SpreadFixture.h"
#include "ui/SpreadModel.h"
#include "ui/Theme.h"

using namespace mes;

namespace {

class SpreadCells : public SpreadFixture {
  protected:
    void SetUp() override {
        SpreadFixture::SetUp();
        ASSERT_EQ(fill(), 3);
    }
};

TEST_F(SpreadCells, EmptyNumberCellValueIsZeroButItsCellTextIsRaw) {
    EXPECT_EQ(spread.ValueWithColID("수량", 2), "0");
    EXPECT_EQ(spread.GetCellText("수량", 2), "");
    EXPECT_EQ(spread.TextWithColID("수량", 2), "");
    EXPECT_EQ(spread.GetCellText("수량", 1), "1200") << "number cells give their value";
    EXPECT_EQ(spread.GetCellText("품명", 1), "볼트");
}

TEST_F(SpreadCells, SetCellTextByTypeAndForEveryRow) {
    spread.SetCellText("저장", -1, "저장");
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(spread.TextWithColID("저장", r), "저장") << r;
    spread.OneAddRow();
    EXPECT_EQ(spread.TextWithColID("저장", 4), "저장") << "rows added later show the caption";
    spread.SetCellText("수량", 2, "");
    EXPECT_EQ(spread.GetCellText("수량", 2), "0") << "empty text gives the number 0";
    spread.SetCellText("수량", -1, "1,500");
    EXPECT_EQ(spread.ValueWithColID("수량", 3), "1500");
    spread.SetCellText("발행여부", 1, "0");
    EXPECT_EQ(spread.GetCellText("발행여부", 1), "1") << "check boxes are left unchanged";
    spread.SetCellText("품명", -1, "");
    EXPECT_EQ(spread.TextWithColID("품명", 1), "");
}

TEST_F(SpreadCells, UnknownColumnIdsFindNothingAndChangeNothing) {
    EXPECT_EQ(spread.GetColNo("없는열"), 0);
    EXPECT_EQ(spread.TextWithColID("없는열", 1), "");
    spread.TextWithColID("없는열", 1, "x");
    spread.SetCellText("없는열", -1, "x");
    EXPECT_EQ(spread.TextWithColID("코드", 1), "A01");
    EXPECT_EQ(spread.GetText(1, 99), "");
}

TEST_F(SpreadCells, MeaningfulColours) {
    EXPECT_EQ(spread.GetColor(1, 1), QColor(Qt::white)) << "locked text";
    EXPECT_EQ(spread.GetColor(2, 1), QColor(255, 255, 192)) << "editable";
    EXPECT_EQ(spread.GetColor(4, 1), QColor(213, 255, 175)) << "pick list";
    EXPECT_EQ(Theme::fromNumber(11534037), QColor(213, 254, 175));
    EXPECT_EQ(Theme::fromNumber(33023), QColor(255, 128, 0));
    spread.SetColor(1, spread.MaxCols(), 2, 2, QColor(0, 192, 0));
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(spread.GetColor(c, 2), QColor(0, 192, 0)) << c;
    EXPECT_EQ(spread.GetColor(1, 3), QColor(Qt::white));
    spread.SetForeColor(3, 1, QColor(255, 0, 0));
    EXPECT_EQ(view.model()->data(view.model()->index(0, 2), Qt::ForegroundRole).value<QColor>(),
              QColor(255, 0, 0));
    spread.ShadedRow(2);
    EXPECT_EQ(spread.GetColor(1, 2), QColor(224, 224, 224));
    EXPECT_EQ(spread.GetColor(1, 1), QColor(Qt::white));
}

TEST_F(SpreadCells, LockingCellsAndColumns) {
    spread.SetLock(1, 1, 2, 2, false);
    EXPECT_TRUE(view.model()->flags(view.model()->index(1, 0)) & Qt::ItemIsEditable);
    EXPECT_EQ(spread.GetColor(1, 2), QColor(Qt::white)) << "an unlocked key cell stays white";
    spread.SetLock(2, 3, -1, -1, true);
    EXPECT_FALSE(view.model()->flags(view.model()->index(0, 1)) & Qt::ItemIsEditable);
    spread.SetAllLock(true);
    EXPECT_FALSE(view.model()->flags(view.model()->index(1, 0)) & Qt::ItemIsEditable);
}

TEST_F(SpreadCells, OperatorEditsAreCheckedAndReported) {
    QSignalSpy changes(&spread, &clsSpread::Change);
    auto* m = view.model();
    EXPECT_FALSE(m->setData(m->index(0, 2), "열개", Qt::EditRole)) << "not a number";
    EXPECT_EQ(spread.ValueWithColID("수량", 1), "1200") << "the value stays";
    EXPECT_FALSE(m->setData(m->index(0, 2), "1000000000", Qt::EditRole)) << "above 9 digits";
    EXPECT_TRUE(m->setData(m->index(0, 2), "2,500", Qt::EditRole));
    EXPECT_EQ(spread.ValueWithColID("수량", 1), "2500");
    EXPECT_TRUE(m->setData(m->index(1, 4), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(spread.GetCellText("발행여부", 2), "1");
    EXPECT_TRUE(m->setData(m->index(0, 1), QString(30, 'x'), Qt::EditRole));
    EXPECT_EQ(spread.TextWithColID("품명", 1).size(), 20) << "the column's maximum length";
    EXPECT_FALSE(m->setData(m->index(0, 0), "B01", Qt::EditRole)) << "locked";
    ASSERT_EQ(changes.size(), 3);
    EXPECT_EQ(changes[1], (QVariantList{5, 2}));
}

TEST_F(SpreadCells, ButtonCellsRaiseTheButtonEventWithColumnAndRow) {
    spread.SetCellText("저장", -1, "저장");
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QSignalSpy buttons(&spread, &clsSpread::ButtonClicked);
    QSignalSpy clicks(&spread, &clsSpread::Click);
    const QRect cell = view.visualRect(view.model()->index(1, 5));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0], (QVariantList{6, 2}));
    ASSERT_EQ(clicks.size(), 1);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.visualRect(view.model()->index(2, 1)).center());
    EXPECT_EQ(buttons.size(), 1) << "other cells raise only the click";
    EXPECT_EQ(clicks.last(), (QVariantList{2, 3}));
}

TEST_F(SpreadCells, DeleteKeyEmptiesAnUnlockedCellOnly) {
    view.show();
    spread.SetFocus(2, 1);
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(spread.TextWithColID("품명", 1), "");
    spread.SetFocus(1, 1);
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(spread.TextWithColID("코드", 1), "A01");
}

TEST_F(SpreadCells, SpansPickListsHiddenColumnsAndRowMarksInTheHeader) {
    spread.SPCellSpan(1, 1, 3, 2, "소계");
    EXPECT_EQ(view.columnSpan(0, 0), 3);
    EXPECT_EQ(view.rowSpan(0, 0), 2);
    EXPECT_EQ(spread.GetText(1, 1), "소계");
    spread.SetCboAddList(4, 2, QStringList{"A", "B"}, 80);
    EXPECT_EQ(spread.model()->choices(1, 3), (QStringList{"A", "B"}));
    EXPECT_EQ(spread.model()->choices(0, 3), (QStringList{"주간", "야간"}));
    spread.SetCboAddList(4, 2, QStringList{" "}, 0);  // a blank list changes nothing
    EXPECT_EQ(spread.model()->choices(1, 3), (QStringList{"A", "B"}));
    spread.SetColHidden(2, true);
    EXPECT_TRUE(view.isColumnHidden(1));
    spread.SetRowHidden(3, true);
    EXPECT_TRUE(view.isRowHidden(2));
    spread.KeyUpdateChk(0, 1);
    EXPECT_EQ(view.model()->headerData(0, Qt::Vertical).toString(), "√");
}

TEST_F(SpreadCells, BlinkingAlternatesTheWatchedRows) {
    spread.setUseTimer();
    spread.SetTwinkle(4, "야간");
    spread.EnableTimer(true);
    QTRY_COMPARE_WITH_TIMEOUT(spread.GetColor(1, 2), QColor(255, 0, 0), 2500);
    EXPECT_EQ(spread.GetForeColor(1, 2), QColor(Qt::white));
    EXPECT_EQ(spread.GetColor(1, 1), QColor(Qt::white)) << "other rows do not blink";
    QTRY_COMPARE_WITH_TIMEOUT(spread.GetColor(1, 2), QColor(Qt::white), 2500);
    EXPECT_EQ(spread.GetForeColor(1, 2), QColor(Qt::black));
    spread.EnableTimer(false);
}

}  // namespace
