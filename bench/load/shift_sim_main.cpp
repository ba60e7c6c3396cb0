// The shift simulator: terminal processes on one embedded plant file, each
// running seeded random runs through the real screens offscreen, killed at random
// moments and restarted; then an oracle of its own checks the ledgers.
//
//   mes-shift-sim [--plant small|large] [--terminals N] [--runs R] [--kills K]
//                 [--seed S] [--keep DIR] [--timeout SECONDS]
//   mes-shift-sim --check DIR     the oracle alone, on a folder a run kept
//
// Exit 0 when the oracle finds nothing, 1 with the findings listed.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

#include "ShiftSupervisor.h"
#include "ShiftTerminal.h"

namespace {

QString after(const QStringList& args, const char* flag, const QString& fallback = {}) {
    const int i = args.indexOf(QLatin1String(flag));
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

void print(const mesload::ShiftFigures& f, const QStringList& findings) {
    std::printf("runs ended        %d\n", f.oracle.runs);
    std::printf("kills             %d (%d inside an end)\n", f.kills, f.killsInEnd);
    std::printf("processes started %d\n", f.starts);
    std::printf("restores checked  %d\n", f.oracle.restores);
    std::printf("entries           %d good counts, %d defect saves, %d stops, %d downtime saves\n",
                f.oracle.counts, f.oracle.defects, f.oracle.stops, f.oracle.downtimes);
    std::printf("lots chosen       %d (%d scanned)\n", f.oracle.picks, f.oracle.scans);
    std::printf("box labels        %d received, %d refused\n", f.oracle.labels, f.oracle.refusals);
    std::printf("ledger rows       %lld balances, %d consumption rows first in first out\n",
                static_cast<long long>(f.oracle.ledgerRows), f.oracle.lotRows);
    std::printf("time              %.1f s shift, %.1f s oracle\n", f.elapsedMs / 1000.0,
                f.checkMs / 1000.0);
    std::printf("findings          %d\n", int(findings.size()));
    for (const QString& line : findings) std::printf("  %s\n", qPrintable(line));
}

// The oracle alone, on a folder a run kept (--keep): its plant and journals.
int checkOnly(const QString& dir) {
    mesload::ShiftFigures f;
    QList<QList<mesload::JournalRun>> journals;
    QList<QByteArray> labels;
    for (int t = 0;; ++t) {
        const QString path = dir + QStringLiteral("/terminal-%1/journal.txt").arg(t);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) break;
        const QByteArray all = file.readAll();
        int boots = 0;
        journals << mesload::ShiftJournal::read(path, &boots);
        QFile received(dir + QStringLiteral("/terminal-%1/labels.zpl").arg(t));
        labels << (received.open(QIODevice::ReadOnly) ? received.readAll() : QByteArray());
        f.starts += boots;
        f.kills += boots - 1;
        f.killsInEnd += int(all.count("\ndying "));
    }
    QElapsedTimer clock;
    clock.start();
    const QStringList findings =
        mesload::ShiftOracle::check(dir + QStringLiteral("/plant.db"), journals, labels, &f.oracle);
    f.checkMs = clock.elapsed();
    print(f, findings);
    return findings.isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    mesload::TerminalSpec spec;
    QStringList raw;
    for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
    if (mesload::TerminalSpec::parse(raw, &spec)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return mesload::ShiftTerminal(spec).work();
    }
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--check"))) return checkOnly(after(args, "--check"));
    mesload::ShiftPlan plan;
    plan.program = app.applicationFilePath();
    plan.large = after(args, "--plant") == QLatin1String("large");
    plan.terminals = after(args, "--terminals", "4").toInt();
    plan.runs = after(args, "--runs", "20").toInt();
    plan.kills = after(args, "--kills", "10").toInt();
    plan.seed = after(args, "--seed", "1").toULongLong();
    plan.keep = after(args, "--keep");
    plan.timeoutSec = after(args, "--timeout", "3600").toInt();
    if (plan.terminals < 1 || plan.terminals > 40 || plan.runs < 1 || plan.kills < 0) {
        std::fprintf(stderr, "terminals 1..40, runs and kills not negative\n");
        return 2;
    }
    std::printf("%s plant, %d terminals x %d runs, %d kills, seed %llu\n",
                plan.large ? "large" : "small", plan.terminals, plan.runs, plan.kills,
                static_cast<unsigned long long>(plan.seed));
    std::fflush(stdout);
    mesload::ShiftFigures f;
    const QStringList findings = mesload::ShiftSupervisor::run(plan, &f);
    print(f, findings);
    return findings.isEmpty() ? 0 : 1;
}
