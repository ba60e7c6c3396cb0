#include <QHeaderView>
#include <algorithm>
#include "SpreadFixture.h"

using namespace mes;

namespace {

class SpreadRows : public SpreadFixture {
  protected:
    void SetUp() override {
        SpreadFixture::SetUp();
        ASSERT_EQ(fill(), 3);
    }
};

// A row in a state, a key typed, the mark afterwards.
struct MarkCase {
    QString before;
    int key;
    QString after;
};

TEST_F(SpreadRows, KeyUpdateMarksChangedAndNewRows) {
    const MarkCase cases[] = {
        {"", 0, "√"},    {"", 'a', "√"}, {"", 13, ""},   {"☞", 0, "▶"},
        {"☞", '1', "▶"}, {"☞", 13, "☞"}, {"▶", 0, "▶"},  {"▶", 'x', "▶"},
        {"√", 0, "√"},   {"X", 0, "√"},  {"X", 13, "X"},
    };
    for (const MarkCase& c : cases) {
        spread.SetRowMark(2, c.before);
        spread.KeyUpdateChk(c.key, 2);
        EXPECT_EQ(spread.RowMark(2), c.after)
            << "mark '" << c.before.toStdString() << "' key " << c.key;
    }
    spread.KeyUpdateChk(0, 9);  // no such row: nothing happens
    EXPECT_EQ(spread.MaxRows(), 3);
}

TEST_F(SpreadRows, CancelOfAMixedBlockRemovesNewRowsAndClearsTheOthers) {
    spread.KeyUpdateChk(0, 1);  // loaded row 1 changed
    spread.SetFocus(1, 1);
    spread.InsertRow();  // new row 2 under row 1
    ASSERT_EQ(spread.MaxRows(), 4);
    EXPECT_EQ(spread.RowMark(2), "☞");
    spread.TextWithColID("품명", 2, "새 품목");
    spread.KeyUpdateChk('a', 2);
    EXPECT_EQ(spread.RowMark(2), "▶");
    selectRows(1, 2);
    spread.CancelRow();
    EXPECT_EQ(spread.MaxRows(), 3);
    EXPECT_EQ(spread.RowMark(1), "");
    EXPECT_EQ(spread.TextWithColID("코드", 2), "A02") << "the loaded rows stay";
    EXPECT_FALSE(spread.EditChk());
}

TEST_F(SpreadRows, DeleteMarksLoadedRowsAndWarnsOnceAboutNewOnes) {
    spread.OneAddRow();
    spread.OneAddRow();
    ASSERT_EQ(spread.MaxRows(), 5);
    selectRows(2, 5);
    script.press("OK");
    spread.DeleteChk();
    EXPECT_EQ(script.texts(), QStringList{"입력한 데이타는 행취소 버턴을 누르세요."});
    EXPECT_EQ(spread.RowMark(1), "");
    EXPECT_EQ(spread.RowMark(2), "X");
    EXPECT_EQ(spread.RowMark(3), "X");
    EXPECT_EQ(spread.RowMark(4), "☞");
    EXPECT_EQ(spread.RowMark(5), "☞");
    selectRows(2, 3);
    spread.DeleteChk();  // only loaded rows: no message
    EXPECT_EQ(script.shown().size(), 1);
}

TEST_F(SpreadRows, CopyRowInsertsAMarkedCopyUnderTheCursorWithOneColumnBlank) {
    spread.SetFocus(2, 1);
    spread.CopyRow(1, 2);
    ASSERT_EQ(spread.MaxRows(), 4);
    EXPECT_EQ(spread.RowMark(2), "▶");
    EXPECT_EQ(spread.TextWithColID("코드", 2), "A01");
    EXPECT_EQ(spread.TextWithColID("품명", 2), "") << "the blank column";
    EXPECT_EQ(spread.ValueWithColID("수량", 2), "1200");
    EXPECT_EQ(spread.TextWithColID("코드", 3), "A02");
    EXPECT_EQ(spread.ActiveRow(), 2);
    EXPECT_EQ(spread.ActiveCol(), 1);

    spread.SetFocus(1, 4);  // copying a row from below the cursor
    spread.CopyRow(2, 0);
    EXPECT_EQ(spread.MaxRows(), 5);
    EXPECT_EQ(spread.TextWithColID("코드", 5), "A01");
    EXPECT_EQ(spread.RowMark(5), "▶");
}

TEST_F(SpreadRows, QueriesOnTheMarks) {
    EXPECT_FALSE(spread.EditChk());
    EXPECT_FALSE(spread.InsertChk());
    EXPECT_LT(spread.FindInsertRow(), 0);
    EXPECT_EQ(spread.OneAddRow(), 4);
    EXPECT_FALSE(spread.EditChk()) << "a new row without data is no edit";
    EXPECT_TRUE(spread.InsertChk());
    spread.SetRowMark(3, "√");
    EXPECT_TRUE(spread.EditChk());
    spread.SetRowMark(2, "▶");
    EXPECT_EQ(spread.FindInsertRow(), 4) << "a row without data comes first";
    spread.SetRowMark(4, "");
    EXPECT_EQ(spread.FindInsertRow(), 2);
    EXPECT_EQ(spread.FindRow("√"), 3);
    EXPECT_EQ(spread.FindRcount("√"), 1);
    EXPECT_EQ(spread.FindRcount(""), 2);
}

TEST_F(SpreadRows, OneAddRowOpensKeyAndNewColumnsAndChecksKeys) {
    EXPECT_EQ(spread.OneAddRow(2), 4);
    EXPECT_EQ(spread.RowMark(2), "☞");
    EXPECT_EQ(spread.TextWithColID("코드", 3), "A02");
    EXPECT_EQ(spread.GetColor(1, 2), QColor(Qt::white)) << "PK cell unlocked, white";
    EXPECT_EQ(spread.GetColor(2, 2), QColor(255, 255, 192)) << "NU cell unlocked, yellow";
    EXPECT_TRUE(view.model()->flags(view.model()->index(1, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(view.model()->flags(view.model()->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_EQ(spread.CheckPKField(2), 1);
    spread.TextWithColID("코드", 2, "A09");
    EXPECT_EQ(spread.CheckPKField(2), 0);
}

TEST_F(SpreadRows, DuplicateChecksReportTheMatchingRow) {
    spread.TextWithColID("코드", 3, "A01");
    script.press("OK");
    EXPECT_TRUE(spread.DuplicateChk("코드", 3));
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.shown()[0].title, "입력오류");
    EXPECT_EQ(script.shown()[0].text, "1 행에 중복된 값이 있습니다.");
    EXPECT_EQ(script.shown()[0].icon, UserInterface::Icon::Critical);
    EXPECT_FALSE(spread.DuplicateChk("코드", 2));
    EXPECT_FALSE(spread.DuplicateChk2("코드", "품명", 3)) << "names differ";
    spread.TextWithColID("품명", 3, "볼트");
    script.press("OK");
    EXPECT_TRUE(spread.DuplicateChk2("코드", "품명", 3));
}

TEST_F(SpreadRows, UnchkDelRowRemovesEveryMatchingRow) {
    spread.UnchkDelRow(5, "0");  // issued = 0: row A02 only (A03's null is "")
    EXPECT_EQ(spread.MaxRows(), 2);
    EXPECT_EQ(spread.TextWithColID("코드", 2), "A03");
    spread.UnchkDelRow(4, "");
    EXPECT_EQ(spread.MaxRows(), 1);
}

// The row header measures each mark once; a wider mark, on any row it samples,
// still widens it, and a wider font measures again.
TEST_F(SpreadRows, RowHeaderIsAsWideAsItsWidestMark) {
    QHeaderView* header = view.verticalHeader();
    const struct {
        int row;
        QString mark;
    } cases[] = {{1, "√"}, {3, "WWWWWW"}, {2, "삭제 예정 행"}, {1, "▶"}};
    int widest = 0;
    for (const auto& c : cases) {
        spread.SetRowMark(c.row, c.mark);
        widest = std::max(widest, header->fontMetrics().horizontalAdvance(c.mark));
        EXPECT_GE(header->sizeHint().width(), widest) << c.mark.toStdString();
    }
    QFont big = header->font();
    big.setPixelSize(QFontInfo(big).pixelSize() * 3);
    header->setFont(big);
    EXPECT_GE(header->sizeHint().width(), QFontMetrics(big).horizontalAdvance("삭제 예정 행"));
}

}  // namespace
