// Grid fill: records into the grid helper's model with a view attached, and the
// whole SetbindRS through the embedded engine, and a bare QTableView with a plain
// model filled with the same records. Rows: 1,000 / 10,000 / 50,000.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <QAbstractTableModel>
#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>

#include "foundation/Configuration.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/Session.h"
#include "ui/clsSpread.h"

using namespace mes;

namespace {

constexpr int kCols = 12;

void defineGrid(clsSpread& spread) {
    spread.SetInit(0, kCols, 20, 2, 12);
    for (int c = 1; c <= kCols; ++c) {
        const bool number = c % 3 == 0;
        spread.SetColType(c, QString("열%1").arg(c), QString("c%1").arg(c), 8, {},
                          number ? SpreadCellType::Number : SpreadCellType::Text, 9, 0, number,
                          number ? 1 : 0);
    }
}

RecordData records(int rows) {
    RecordData data;
    for (int c = 1; c <= kCols; ++c) data.columns << QString("c%1").arg(c);
    data.rows.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QVariantList row;
        for (int c = 1; c <= kCols; ++c) {
            if (c % 3 == 0)
                row << QVariant(double(r * c) + 0.5);
            else
                row << QVariant(QString("품목-%1-%2").arg(r).arg(c));
        }
        data.rows << row;
    }
    return data;
}

void BM_SpreadLoadRecords(benchmark::State& state) {
    QTableView view;
    view.resize(1024, 600);
    view.show();
    clsSpread spread;
    spread.Spr(&view);
    defineGrid(spread);
    const RecordData data = records(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(spread.LoadRecords(data));
        QApplication::processEvents();  // the repaint after the fill
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SpreadLoadRecords)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The yardstick: a bare QTableView on a plain table model taking the same records
// (each value turned into text once, one reset), painted once the same way.
class PlainModel : public QAbstractTableModel {
  public:
    void fill(const RecordData& data) {
        beginResetModel();
        rows_.clear();
        rows_.reserve(data.rows.size());
        for (const QVariantList& record : data.rows) {
            QStringList row;
            row.reserve(record.size());
            for (const QVariant& v : record) row << v.toString();
            rows_.append(std::move(row));
        }
        endResetModel();
    }
    int rowCount(const QModelIndex& = {}) const override { return int(rows_.size()); }
    int columnCount(const QModelIndex& = {}) const override { return kCols; }
    QVariant data(const QModelIndex& i, int role) const override {
        return role == Qt::DisplayRole ? QVariant(rows_[i.row()][i.column()]) : QVariant();
    }

  private:
    QList<QStringList> rows_;
};

void BM_PlainTableViewFill(benchmark::State& state) {
    QTableView view;
    view.resize(1024, 600);
    view.show();
    PlainModel model;
    view.setModel(&model);
    const RecordData data = records(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        model.fill(data);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PlainTableViewFill)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_SpreadSetbindRS(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.db");
    {
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        QString create = "CREATE TABLE t (";
        for (int c = 1; c <= kCols; ++c) {
            create += QString("c%1 %2%3")
                          .arg(c)
                          .arg(c % 3 == 0 ? "NUMERIC" : "TEXT")
                          .arg(c < kCols ? ", " : ")");
        }
        sqlite3_exec(db, create.toUtf8().constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        const RecordData data = records(rows);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO t VALUES (?,?,?,?,?,?,?,?,?,?,?,?)", -1, &insert,
                           nullptr);
        for (const QVariantList& row : data.rows) {
            for (int c = 0; c < kCols; ++c) {
                const QByteArray text = row[c].toString().toUtf8();
                sqlite3_bind_text(insert, c + 1, text.constData(), -1, SQLITE_TRANSIENT);
            }
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    Session session;
    session.setEngineFactory([path] { return std::make_unique<EmbeddedEngine>(path); });
    gsSET_SESSION(&session);
    if (!session.connect()) {
        state.SkipWithError("embedded database did not open");
        gsSET_SESSION(nullptr);
        return;
    }
    QTableView view;
    view.resize(1024, 600);
    view.show();
    clsSpread spread;
    spread.Spr(&view);
    defineGrid(spread);
    QString sql = "SELECT ";
    for (int c = 1; c <= kCols; ++c) sql += QString("c%1%2").arg(c).arg(c < kCols ? ", " : "");
    sql += " FROM t";
    for (auto _ : state) {
        const int n = spread.SetbindRS(sql, "bench");
        if (n != rows) {
            state.SkipWithError("fill returned a wrong row count");
            break;
        }
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    gsSET_SESSION(nullptr);
}
BENCHMARK(BM_SpreadSetbindRS)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gvConfig().DBNAME = "MES_ORVEL";
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
