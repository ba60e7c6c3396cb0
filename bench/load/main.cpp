// Several terminals registering work orders and starting runs for one date at the
// same moment on one embedded database file, with the key retry and without it:
//
//   mes-terminal-load [--terminals N] [--orders N] [DATABASE]
//
// Without DATABASE each load runs on a new demo plant in a temporary folder.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "TerminalLoad.h"
#include "foundation/DemoPlant.h"
#include "workorders/KeyedWrite.h"

namespace {

int intAfter(const QStringList& args, const QString& flag, int fallback) {
    const int i = args.indexOf(flag);
    return i >= 0 && i + 1 < args.size() ? args[i + 1].toInt() : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 7 && args[1] == QLatin1String(mesload::TerminalLoad::kWorkerFlag))
        return mesload::TerminalLoad::work(args[2], args[3], args[4].toInt(), args[5].toInt(),
                                           args[6].toInt());

    mesload::LoadPlan plan;
    plan.program = app.applicationFilePath();
    plan.terminals = intAfter(args, QStringLiteral("--terminals"), plan.terminals);
    plan.orders = intAfter(args, QStringLiteral("--orders"), plan.orders);
    const QString given = args.size() % 2 == 0 ? args.last() : QString();
    std::printf("%d terminals x %d orders, each order registered then started (%d writes)\n",
                plan.terminals, plan.orders, 2 * plan.terminals * plan.orders);
    std::printf("%-10s %10s %8s %7s %11s %6s\n", "attempts", "registered", "started", "failed",
                "collisions", "ms");
    for (int attempts : {mes::KeyedWrite::kAttempts, 1}) {
        QTemporaryDir dir;
        plan.database = given.isEmpty() ? dir.filePath(QStringLiteral("plant.db")) : given;
        QString error;
        if (given.isEmpty() && !mes::gfCREATE_DEMO(plan.database, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        plan.attempts = attempts;
        mesload::LoadFigures f;
        if (!mesload::TerminalLoad::drive(plan, &f, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf("%-10d %10d %8d %7d %11d %6lld\n", attempts, f.registered, f.started, f.failed,
                    f.collisions, static_cast<long long>(f.elapsedMs));
    }
    return 0;
}
