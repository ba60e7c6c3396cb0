#include <QApplication>

#include "SpreadFixture.h"
#include "foundation/DbError.h"
#include "ui/SpreadModel.h"
#include "ui/support/FakeEngine.h"

using namespace mes;

namespace {

using SpreadFill = SpreadFixture;

TEST_F(SpreadFill, LoadsRecordsByPositionNullsEmptyQuotesKept) {
    ASSERT_EQ(fill(), 3);
    EXPECT_EQ(spread.MaxRows(), 3);
    EXPECT_EQ(clsSpread::LastRowCount(), 3);
    EXPECT_EQ(spread.TextWithColID("코드", 1), "A01");
    EXPECT_EQ(spread.TextWithColID("품명", 3), "와셔 'S'");
    EXPECT_EQ(spread.TextWithColID("수량", 1), "1,200") << "thousands separator shown";
    EXPECT_EQ(spread.ValueWithColID("수량", 1), "1200");
    EXPECT_EQ(spread.ValueWithColID("수량", 3), "12.5");
    EXPECT_EQ(spread.TextWithColID("구분", 2), "야간");
    EXPECT_EQ(spread.TextWithColID("구분", 3), "");
    EXPECT_EQ(spread.GetCellText("발행여부", 1), "1");
    EXPECT_EQ(spread.ValueWithColID("발행여부", 3), "0");
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(spread.RowMark(r), "");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "hourglass restored";
}

TEST_F(SpreadFill, EmptyResultKeepsHeadersAndReturnsZero) {
    ASSERT_EQ(fill(), 3);
    EXPECT_EQ(spread.SetbindRS("SELECT code, name FROM t WHERE code = 'none'", "작업지시목록"), 0);
    EXPECT_EQ(spread.MaxRows(), 0);
    EXPECT_EQ(spread.MaxCols(), 6);
    EXPECT_EQ(view.model()->headerData(1, Qt::Horizontal).toString(), "품명");
    EXPECT_EQ(view.model()->headerData(4, Qt::Horizontal).toString(), "발행\n여부");
    EXPECT_EQ(spread.GetColNo("저장"), 6);
}

TEST_F(SpreadFill, DroppedConnectionIsReopenedSilently) {
    ASSERT_EQ(fill(), 3);
    session.connection()->close();
    EXPECT_EQ(fill(), 3);
    EXPECT_TRUE(session.isOpen());
    EXPECT_EQ(errorLog(), "") << "nothing is logged";
}

TEST_F(SpreadFill, ConnectionThatCannotBeReopenedReturnsMinus99AndKeepsTheRows) {
    ASSERT_EQ(fill(), 3);
    spread.SetRowMark(2, clsSpread::kChanged);
    Session never;  // no engine: the reopen fails with its notice
    gsSET_SESSION(&never);
    script.ok();
    EXPECT_EQ(fill(), -99);
    EXPECT_TRUE(script.shown()[0].text.startsWith("데이타베이스를 OPEN 할수 없습니다."));
    EXPECT_EQ(spread.MaxRows(), 3);
    EXPECT_EQ(spread.TextWithColID("품명", 1), "볼트");
    EXPECT_EQ(spread.RowMark(2), clsSpread::kChanged);
    EXPECT_EQ(errorLog(), "") << "nothing is logged";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SpreadFill, FailingStatementShowsItsDescriptionOnceLogsOnceReturnsZero) {
    ASSERT_EQ(fill(), 3);
    script.press("OK");
    EXPECT_EQ(spread.SetbindRS("SELECT nope FROM missing_table", "작업지시목록"), 0);
    ASSERT_EQ(script.shown().size(), 1);
    const QString description = script.shown()[0].text;
    EXPECT_TRUE(description.contains("missing_table")) << description.toStdString();
    EXPECT_EQ(script.shown()[0].title, gfPRODUCT_NAME());
    const QString log = errorLog();
    EXPECT_EQ(log.count("ERR LOCATION : 작업지시목록 / " + description), 1) << log.toStdString();
    EXPECT_EQ(log.count("ERR NO("), 1);
    EXPECT_EQ(spread.MaxRows(), 3) << "the rows stay as they were";
    EXPECT_EQ(spread.TextWithColID("코드", 3), "A03");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SpreadFill, LostConnectionOpensTheSessionAgain) {
    int connects = 0;
    int losses = 1;
    Session fake;
    fake.setEngineFactory([&] {
        ++connects;
        return std::make_unique<uitest::FakeEngine>(
            nullptr, [&](const QString&, RecordData* out, DbError* err) {
                if (losses > 0) {
                    --losses;
                    *err = DbError{DbError::kConnectionLost, "Communication link failure"};
                    return false;
                }
                out->columns = {"code"};
                out->rows = {{"Z9"}};
                return true;
            });
    });
    gsSET_SESSION(&fake);
    ASSERT_TRUE(fake.connect());
    // A read is sent once more on a new connection: the operator sees nothing.
    EXPECT_EQ(fill(), 1);
    EXPECT_EQ(connects, 2);
    EXPECT_TRUE(script.shown().isEmpty());
    // Lost on the new connection too: reported, and connected again for the next fill.
    losses = 2;
    script.press("OK");
    EXPECT_EQ(fill(), 0);
    EXPECT_EQ(connects, 4);
    EXPECT_EQ(script.texts(), QStringList{"Communication link failure"});
    EXPECT_EQ(fill(), 1);
    EXPECT_EQ(spread.TextWithColID("코드", 1), "Z9");
}

TEST_F(SpreadFill, NextFillClearsMarksColoursAndSpans) {
    ASSERT_EQ(fill(), 3);
    spread.KeyUpdateChk(0, 1);
    spread.SetColor(1, 6, 2, 2, QColor(0, 192, 0));
    spread.SPCellSpan(1, 3, 2, 1, "합계");
    ASSERT_EQ(view.columnSpan(2, 0), 2);
    ASSERT_EQ(fill(), 3);
    EXPECT_EQ(spread.RowMark(1), "");
    EXPECT_EQ(spread.GetColor(1, 2), QColor(Qt::white));
    EXPECT_EQ(view.columnSpan(2, 0), 1);
    EXPECT_EQ(spread.TextWithColID("코드", 3), "A03");
}

TEST_F(SpreadFill, RecordColumnsBeyondTheGridAreDroppedMissingOnesStayEmpty) {
    RecordData data;
    data.columns = {"a", "b", "c", "d", "e", "f", "g"};
    data.rows = {{"1", "x", 3.0, "주간", true, "저장", "extra"}, {"2"}};
    EXPECT_EQ(spread.LoadRecords(data), 2);
    EXPECT_EQ(spread.ValueWithColID("수량", 1), "3");
    EXPECT_EQ(spread.GetCellText("발행여부", 1), "1");
    EXPECT_EQ(spread.TextWithColID("품명", 2), "");
    EXPECT_EQ(spread.ValueWithColID("수량", 2), "0");
}

// A shift's list: 10,000 rows with long Korean names, quotes and round
// quantities in the millions, every third row coloured as a finished order, the buttons'
// captions set for all rows; the view shows each cell as loaded.
TEST_F(SpreadFill, TenThousandRowsShowEveryCellAsLoaded) {
    const int n = 10000;
    RecordData data;
    data.columns = {"code", "name", "qty", "shift", "issued"};
    for (int r = 0; r < n; ++r) {
        data.rows.append(QVariantList{QString("W%1").arg(r, 5, 10, QChar('0')),
                                      QString("(주)대한정밀 '브래킷' 제%1호").arg(r), r * 100.0,
                                      r % 2 ? "야간" : "주간", r % 4 == 0});
    }
    view.resize(900, 500);
    view.show();
    ASSERT_EQ(spread.LoadRecords(data), n);
    spread.SetCellText("저장", -1, "저장");
    const QColor done(255, 128, 128);
    for (int r = 3; r <= n; r += 3) spread.SetColor(1, spread.MaxCols(), r, r, done);
    QAbstractItemModel* m = view.model();
    ASSERT_EQ(m->rowCount(), n);
    for (int r = 0; r < n; ++r) {
        const QVariantList& in = data.rows[r];
        auto cell = [&](int c, int role = Qt::DisplayRole) { return m->index(r, c).data(role); };
        ASSERT_EQ(cell(0).toString(), in[0].toString()) << r;
        ASSERT_EQ(cell(1).toString(), in[1].toString()) << r;
        ASSERT_DOUBLE_EQ(cell(2).toString().remove(',').toDouble(), in[2].toDouble()) << r;
        ASSERT_EQ(cell(3).toString(), in[3].toString()) << r;
        ASSERT_EQ(cell(4, Qt::CheckStateRole).toInt() == Qt::Checked, in[4].toBool()) << r;
        ASSERT_EQ(spread.GetText(6, r + 1), "저장") << r;
        const QColor back = cell(1, Qt::BackgroundRole).value<QColor>();
        ASSERT_EQ(back == done, (r + 1) % 3 == 0) << r;
    }
    // The last row reached by scrolling is the one drawn there.
    const QModelIndex last = m->index(n - 1, 1);
    view.scrollTo(last);
    EXPECT_EQ(view.indexAt(view.visualRect(last).center()), last);
}

}  // namespace
