#include "SpreadFixture.h"

#include <sqlite3.h>
#include <QFile>

#include "foundation/Configuration.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/ErrorLog.h"
#include "foundation/TerminalClock.h"

using namespace mes;

void SpreadFixture::SetUp() {
    UiFixture::SetUp();
    TerminalClock::setFixed(QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0)));
    dbPath = folder.file("plant.db");
    native("CREATE TABLE t (code TEXT, name TEXT, qty NUMERIC, shift TEXT, issued INTEGER)");
    native(
        "INSERT INTO t VALUES ('A01', '볼트', 1200, '주간', 1), ('A02', '너트', NULL, '야간', 0),"
        " ('A03', '와셔 ''S''', 12.5, NULL, NULL)");
    gvConfig() = Configuration();
    gvConfig().DBNAME = "MES_ORVEL";
    session.setEngineFactory([p = dbPath] { return std::make_unique<EmbeddedEngine>(p); });
    gsSET_SESSION(&session);
    ASSERT_TRUE(session.connect());
    view.resize(900, 400);
    spread.Spr(&view);
    defineGrid();
}

void SpreadFixture::TearDown() {
    gsSET_SESSION(nullptr);
    UiFixture::TearDown();
}

void SpreadFixture::native(const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(dbPath.toUtf8().constData(), &db), SQLITE_OK);
    char* msg = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &msg);
    const std::string error = msg ? msg : "";
    sqlite3_free(msg);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << error;
}

void SpreadFixture::defineGrid() {
    spread.SetInit(0, 6, 20, 0, 12);
    spread.SetColType(1, "코드", "코드", 6, "PK");
    spread.SetColType(2, "품명", "품명", 12, "NU", SpreadCellType::Text, 20, 0, false, 0, 2, false,
                      false);
    spread.SetColType(3, "수량", "수량", 8, {}, SpreadCellType::Number, 9, 0, true, 1, 2, false,
                      false);
    spread.SetColType(4, "구분", "구분", 6, {}, SpreadCellType::PickList, 0, 0, false, 2, 2, false,
                      false, true);
    spread.SetCboAddList(4, -1, "주간\t야간", 0);
    spread.SetColType(5, "발행\n여부", "발행여부", 5, {}, SpreadCellType::CheckBox, 0, 0, false, 2,
                      2, false, false);
    spread.SetColType(6, "저장", "저장", 6, {}, SpreadCellType::Button, 0, 0, false, 2);
}

int SpreadFixture::fill() {
    return spread.SetbindRS("SELECT code, name, qty, shift, issued FROM t ORDER BY code",
                            "작업지시목록");
}

void SpreadFixture::selectRows(int first, int last) {
    auto* m = view.model();
    view.setCurrentIndex(m->index(first - 1, 0));
    view.selectionModel()->select(
        QItemSelection(m->index(first - 1, 0), m->index(last - 1, m->columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect);
}

QString SpreadFixture::errorLog() const {
    QFile f(ErrorLog::filePath(TerminalClock::now()));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}
