// mes-sql DATABASE [FILE]: runs T-SQL batches (separated by lines holding only GO)
// against an embedded plant database through the terminal's Session.
// mes-sql --check-lot-totals DATABASE: compares the ledger's lot totals with the
// ledger and rebuilds them when they differ (creates them when missing).
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

#include "app/SqlScript.h"
#include "foundation/DemoPlant.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/Session.h"

namespace {

int fail(const QString& message) {
    QTextStream(stderr) << message << Qt::endl;
    return 1;
}

int checkLotTotals(const QString& path) {
    if (!QFileInfo::exists(path)) return fail(QStringLiteral("no database file %1").arg(path));
    engine::Database db;
    try {
        db.open(path);
        const mes::LotTotalsCheck c = mes::gfCHECK_LOT_TOTALS(db);
        QTextStream out(stdout);
        if (c.created)
            out << QStringLiteral("S_PRODUCT_STORE_LOT created from the ledger: %1 lots")
                       .arg(c.lots);
        else if (c.staleLots > 0)
            out << QStringLiteral(
                       "S_PRODUCT_STORE_LOT: %1 lots differed from the ledger; rebuilt, "
                       "%2 lots")
                       .arg(c.staleLots)
                       .arg(c.lots);
        else
            out << QStringLiteral("S_PRODUCT_STORE_LOT agrees with the ledger: %1 lots")
                       .arg(c.lots);
        out << Qt::endl;
    } catch (const engine::EngineError& e) {
        return fail(e.message());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--check-lot-totals"))
        return checkLotTotals(args[2]);
    if (args.size() < 2 || args.size() > 3)
        return fail(QStringLiteral(
            "usage: mes-sql DATABASE [FILE]\n       mes-sql --check-lot-totals DATABASE"));
    const QString path = args[1];
    if (!QFileInfo::exists(path)) return fail(QStringLiteral("no database file %1").arg(path));

    QString script;
    if (args.size() == 3) {
        QFile file(args[2]);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1").arg(args[2]));
        script = QString::fromUtf8(file.readAll());
    } else {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read standard input"));
        script = QString::fromUtf8(in.readAll());
    }

    mes::Session session;
    session.setEngineFactory([path] { return std::make_unique<mes::EmbeddedEngine>(path); });
    if (!session.connect()) return fail(QStringLiteral("cannot open %1").arg(path));
    auto* engine = dynamic_cast<mes::EmbeddedEngine*>(session.connection());
    if (!engine) return fail(QStringLiteral("the Session has no embedded engine"));

    QTextStream out(stdout);
    // Each batch runs in its own transaction: all of it or nothing, as a failed
    // batch stops the script.
    for (const QString& batch : engine::splitBatches(script)) {
        mes::DbError err;
        if (!engine->begin(&err)) return fail(err.description);
        try {
            const auto outcomes = engine->database().execute(batch);
            for (const auto& o : outcomes) out << engine::formatOutcome(o);
            out.flush();
        } catch (const engine::EngineError& e) {
            engine->rollback();
            return fail(e.message());
        }
        if (!engine->commit(&err)) {
            engine->rollback();
            return fail(err.description);
        }
    }
    return 0;
}
