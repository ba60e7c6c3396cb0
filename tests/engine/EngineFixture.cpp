#include "EngineFixture.h"

#include <algorithm>

#include "engine/StatementParser.h"
#include "engine/TreePrinter.h"
#include "foundation/PlantRules.h"

namespace {

QList<QVariantList> sorted(QList<QVariantList> rows) {
    auto key = [](const QVariantList& r) {
        QStringList cells;
        for (const QVariant& v : r) cells << (v.isNull() ? QStringLiteral("\\N") : v.toString());
        return cells.join(u'\x1f');
    };
    std::sort(rows.begin(), rows.end(),
              [&](const QVariantList& a, const QVariantList& b) { return key(a) < key(b); });
    return rows;
}

}  // namespace

// Every statement the engine runs parses; a query's printed tree reads the same rows.
void EngineTest::checkParsed(const QString& sql, const QList<QVariantList>* rows) {
    engine::Node batch{engine::NodeKind::Batch};
    try {
        batch = engine::parseBatch(sql);
    } catch (const engine::EngineError& e) {
        ADD_FAILURE() << "parser refused " << sql.toStdString() << ": "
                      << e.message().toStdString();
        return;
    }
    if (!rows || batch.kids.size() != 1 || batch.kids[0].kind != engine::NodeKind::Query) return;
    const QString printed = engine::TreePrinter().print(batch);
    const auto outcomes = db_.execute(printed);
    EXPECT_EQ(sorted(outcomes.last().result.rows), sorted(*rows))
        << sql.toStdString() << "\nprinted: " << printed.toStdString();
}

void EngineTest::SetUp() {
    db_.open(folder_.file(QStringLiteral("engine.db")));
    mes::usePlantRules(db_);
    db_.setClock([this] { return clock_; });
}

QVariant EngineTest::scalar(const QString& sql) {
    const auto r = rows(sql);
    return r.isEmpty() ? QVariant() : r.first().value(0);
}

QList<QVariantList> EngineTest::rows(const QString& sql) {
    const auto outcomes = db_.execute(sql);
    for (auto it = outcomes.crbegin(); it != outcomes.crend(); ++it) {
        if (!it->hasResult) continue;
        checkParsed(sql, &it->result.rows);
        return it->result.rows;
    }
    ADD_FAILURE() << "no result: " << sql.toStdString();
    return {};
}

qint64 EngineTest::exec(const QString& sql) {
    qint64 total = -1;
    const auto outcomes = db_.execute(sql);
    checkParsed(sql, nullptr);
    for (const auto& o : outcomes) {
        if (o.rowsAffected >= 0) total = (total < 0 ? 0 : total) + o.rowsAffected;
    }
    return total;
}

QString EngineTest::errorOf(const QString& sql) {
    try {
        db_.execute(sql);
        checkParsed(sql, nullptr);
    } catch (const engine::EngineError& e) {
        return e.message();
    }
    return QString();
}
