// Translation time per statement, uncached and cached, next to SQLite's own
// execution time of the translated statement, on the demo plant.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDate>
#include <QTemporaryDir>

#include "BenchMain.h"
#include "PlantStatements.h"
#include "engine/Batch.h"
#include "engine/Database.h"
#include "foundation/DemoPlant.h"
#include "foundation/PlantRules.h"

namespace {

struct Corpus {
    QTemporaryDir dir;
    engine::Database db;
    engine::SchemaInfo schema;
    engine::TranslationRules rules = mes::plantTranslationRules();
    std::vector<std::pair<std::string, QString>> statements;

    Corpus() {
        const QString path = dir.filePath(QStringLiteral("bench.db"));
        QString error;
        if (!mes::gfCREATE_DEMO(path, &error)) qFatal("demo plant: %s", qPrintable(error));
        db.open(path);
        mes::usePlantRules(db);
        schema.load(db.handle());
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        const QString weekAgo = QDate::currentDate().addDays(-7).toString(Qt::ISODate);
        const QString key =
            QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("001001");
        statements = {
            {"order list", plant::orderList(weekAgo, QString())},
            {"op_seq counter", plant::opSeqCounter(key.left(8))},
            {"run query", plant::runQuery(QStringLiteral("P-01"), key)},
            {"BOM IF batch", plant::bomBatch(QStringLiteral("P01"), key)},
            {"first lot", plant::firstLot(QStringLiteral("M01"), today)},
            {"balance insert-select",
             plant::insertStoreIn(QStringLiteral("S_PRODUCT_STORE"), key, QStringLiteral("P01"),
                                  QStringLiteral("15"), QStringLiteral("재공품추가"),
                                  QStringLiteral("L"), today, QString())},
            {"stop closing",
             plant::closeStops(today, QStringLiteral("10:00"), QStringLiteral("P-01"), key)},
            {"clock query", plant::clockQuery()},
        };
    }
};

Corpus& corpus() {
    static Corpus c;
    return c;
}

void BM_TranslateUncached(benchmark::State& state) {
    auto& c = corpus();
    const auto& [name, sql] = c.statements[state.range(0)];
    state.SetLabel(name);
    for (auto _ : state) benchmark::DoNotOptimize(engine::translateBatch(sql, c.schema, c.rules));
}

void BM_TranslateCached(benchmark::State& state) {
    auto& c = corpus();
    const auto& [name, sql] = c.statements[state.range(0)];
    state.SetLabel(name);
    c.db.translation(sql);
    for (auto _ : state) benchmark::DoNotOptimize(c.db.translation(sql));
}

void runNative(sqlite3* db, const std::vector<engine::BatchStep>& steps) {
    for (const auto& step : steps) {
        const QByteArray sql = step.statement.sql.toUtf8();
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &stmt, nullptr);
        int rows = 0;
        bool holds = false;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            if (rows++ == 0) holds = sqlite3_column_int(stmt, 0) == 1;
        }
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(rows);
        if (step.isIf) runNative(db, holds ? step.thenSteps : step.elseSteps);
    }
}

// SQLite preparing and running the translated text (changes rolled back).
void BM_SqliteExecute(benchmark::State& state) {
    auto& c = corpus();
    const auto& [name, sql] = c.statements[state.range(0)];
    state.SetLabel(name);
    const auto batch = c.db.translation(sql);
    sqlite3* db = c.db.handle();
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (auto _ : state) runNative(db, batch->steps);
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
}

// The whole path the Session takes: cached translation and execution.
void BM_EngineExecute(benchmark::State& state) {
    auto& c = corpus();
    const auto& [name, sql] = c.statements[state.range(0)];
    state.SetLabel(name);
    c.db.begin();
    for (auto _ : state) benchmark::DoNotOptimize(c.db.execute(sql));
    c.db.rollback();
}

constexpr int kStatements = 8;

BENCHMARK(BM_TranslateUncached)->DenseRange(0, kStatements - 1);
BENCHMARK(BM_TranslateCached)->DenseRange(0, kStatements - 1);
BENCHMARK(BM_SqliteExecute)->DenseRange(0, kStatements - 1);
BENCHMARK(BM_EngineExecute)->DenseRange(0, kStatements - 1);

}  // namespace

int main(int argc, char** argv) { return mesbench::runBenchmarks(argc, argv); }
