#include "EngineFixture.h"
#include "foundation/PlantRules.h"

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
        if (it->hasResult) return it->result.rows;
    }
    ADD_FAILURE() << "no result: " << sql.toStdString();
    return {};
}

qint64 EngineTest::exec(const QString& sql) {
    qint64 total = -1;
    for (const auto& o : db_.execute(sql)) {
        if (o.rowsAffected >= 0) total = (total < 0 ? 0 : total) + o.rowsAffected;
    }
    return total;
}

QString EngineTest::errorOf(const QString& sql) {
    try {
        db_.execute(sql);
    } catch (const engine::EngineError& e) {
        return e.message();
    }
    return QString();
}
