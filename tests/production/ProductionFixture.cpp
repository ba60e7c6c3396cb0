#include "ProductionFixture.h"

#include <QLabel>
#include <QTableView>

#include "foundation/EmbeddedEngine.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/clsSpread.h"

using namespace mes;

// kNow is 2026-12-08.
const QString ProductionFixture::kOrder = QStringLiteral("20261208002001");
const QString ProductionFixture::kRun = QStringLiteral("20261208002001");

frm_S_dayReport& ProductionFixture::open(const QString& run, const QString& equipment) {
    frm_S_dayReport& screen = gfFORM<frm_S_dayReport>();
    gsSHOW_SCREEN(screen);
    screen.lvSerchSQL = "AND B_PR.process_code = '1000'";
    screen.lvEquipment_code = equipment;
    screen.lblseq->setText(run.left(11));
    screen.lblOp_seq_sub->setText(run);
    screen.lblProcess_code->setText("1000");
    screen.lsQuery();
    return screen;
}

void ProductionFixture::setServerClock(const QDateTime& now) {
    auto* engine = dynamic_cast<EmbeddedEngine*>(session.connection());
    ASSERT_NE(engine, nullptr);
    engine->database().setClock([now] { return now; });
}

int ProductionFixture::rowOf(const clsSpread& spread, const QString& colId, const QString& value) {
    for (int r = 1; r <= spread.MaxRows(); ++r) {
        if (spread.TextWithColID(colId, r) == value) return r;
    }
    return 0;
}

void ProductionFixture::touch(clsSpread& spread, int row, const QString& colId) {
    QTableView* view = spread.Spr();
    emit view->clicked(view->model()->index(row - 1, spread.GetColNo(colId) - 1));
}

void ProductionFixture::typeInto(clsSpread& spread, int row, const QString& colId,
                                 const QString& text) {
    QAbstractItemModel* m = spread.Spr()->model();
    EXPECT_TRUE(m->setData(m->index(row - 1, spread.GetColNo(colId) - 1), text, Qt::EditRole))
        << colId.toStdString() << " is not editable";
}
