#include "ResultsFixture.h"

#include <QTableView>
#include <QTest>

#include "ui/Forms.h"
#include "ui/clsSpread.h"

using namespace mes;

namespace reporttest {

void ResultsFixture::SetUp() {
    ScreenFixture::SetUp();
    screen = &gfFORM<frm_S_Report_Sangsan>();
    screen->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(screen));
}

QString ResultsFixture::run(int n) {
    return kNow.date().toString("yyyyMMdd") + QString::number(n).rightJustified(3, '0') + "001";
}

int ResultsFixture::rowOf(const QString& opSeqSub) const {
    for (int r = 1; r <= screen->spread->MaxRows(); ++r)
        if (screen->spread->TextWithColID("생산실적순번", r) == opSeqSub) return r;
    return 0;
}

void ResultsFixture::touch(const QString& colId, int row) {
    QTableView* view = screen->ss;
    const QModelIndex index = view->model()->index(row - 1, screen->spread->GetColNo(colId) - 1);
    ASSERT_TRUE(index.isValid()) << colId.toStdString() << " row " << row;
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

QString ResultsFixture::cell(const QString& colId, int row) const {
    return screen->spread->TextWithColID(colId, row);
}

}  // namespace reporttest
