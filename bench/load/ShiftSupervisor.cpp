#include "ShiftSupervisor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "PlantCache.h"
#include "ShiftPlant.h"
#include "ShiftTerminal.h"

namespace mesload {

namespace {

struct Terminal {
    TerminalSpec spec;
    std::unique_ptr<QProcess> process;
    QByteArray out;
    qint64 killAt = -1;  // the supervisor's kill, ms on its clock
    bool killed = false;
    bool done = false;
    qsizetype outFrom = 0;  // where the running process's output starts
    QList<int> killSteps;   // its steps (counted over its restarts) that a kill follows
};

}  // namespace

QStringList ShiftSupervisor::run(const ShiftPlan& plan, ShiftFigures* f) {
    *f = ShiftFigures{};
    QTemporaryDir temporary;
    const QString dir = plan.keep.isEmpty() ? temporary.path() : plan.keep;
    QDir().mkpath(dir);
    const QString database = dir + QStringLiteral("/plant.db");
    QFile::remove(database);
    QString error;
    const mesbench::ScaledPlantSize size =
        plan.large ? mesbench::ScaledPlantSize::large() : mesbench::ScaledPlantSize::small();
    if (!mesbench::PlantCache().copyTo(size, database, &error) ||
        !prepareShiftPlant(database, plan.terminals, plan.runs, plan.seed, &error))
        return {QStringLiteral("plant: ") + error};

    std::mt19937_64 rng(plan.seed);
    // About a third of the kills inside the end of a run (the terminal dies after a
    // chosen statement of it), the rest at random steps of the terminals' shifts: a
    // few milliseconds after a terminal says it starts an action, so that the kill
    // lands inside the action or just after it.
    int inEndLeft = plan.kills / 3;
    const int dateSpread = (plan.terminals * plan.runs + 399) / 400;
    std::vector<Terminal> terminals(plan.terminals);
    const int stepsPerShift = std::max(2, plan.runs * 5);  // a run takes six or seven
    for (int k = inEndLeft; k < plan.kills; ++k)
        terminals[rng() % quint64(plan.terminals)].killSteps
            << 1 + int(rng() % quint64(stepsPerShift));
    for (Terminal& term : terminals) std::sort(term.killSteps.begin(), term.killSteps.end());
    QElapsedTimer clock;
    clock.start();
    auto start = [&](int t) {
        Terminal& term = terminals[t];
        TerminalSpec& s = term.spec;
        if (s.journal.isEmpty()) {
            s.database = database;
            s.confDir = dir + QStringLiteral("/terminal-%1").arg(t);
            QDir().mkpath(s.confDir);
            s.journal = s.confDir + QStringLiteral("/journal.txt");
            QFile::remove(s.journal);
            QFile::remove(s.confDir + QStringLiteral("/labels.zpl"));
            s.terminal = t;
            s.terminals = plan.terminals;
            s.runs = plan.runs;
            s.seed = plan.seed;
            s.dateSpread = dateSpread;
        }
        term.killed = false;
        term.outFrom = term.out.size();
        // A death planned in an end it did not reach stays planned for its restart.
        if (s.dieInEnd == 0 && inEndLeft > 0 && (f->starts < plan.terminals || rng() % 100 < 40)) {
            --inEndLeft;
            s.dieInEnd =
                1 +
                int(rng() % 22);  // the end has 20 statements or more; some die after its commit
        }
        term.process = std::make_unique<QProcess>();
        term.process->setProcessChannelMode(QProcess::SeparateChannels);
        term.process->setStandardErrorFile(s.confDir + QStringLiteral("/stderr.txt"),
                                           QIODevice::Append);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        term.process->setProcessEnvironment(env);
        term.process->start(plan.program, s.arguments());
        ++f->starts;
    };
    for (int t = 0; t < plan.terminals; ++t) start(t);

    QStringList findings;
    for (;;) {
        bool running = false;
        for (int t = 0; t < plan.terminals; ++t) {
            Terminal& term = terminals[t];
            if (term.done) continue;
            running = true;
            QProcess& p = *term.process;
            p.waitForReadyRead(2);
            term.out += p.readAllStandardOutput();
            const int steps = int(term.out.count("step\n"));
            if (term.spec.dieInEnd > 0 && term.out.mid(term.outFrom).contains("survived the end")) {
                // Its statement came after the end: a kill at a step instead.
                term.spec.dieInEnd = 0;
                term.killSteps.prepend(steps + 1 + int(rng() % 6));
            }
            if (term.killAt < 0 && !term.killed && !term.killSteps.isEmpty() &&
                steps >= term.killSteps.first()) {
                term.killSteps.removeFirst();
                term.killAt = clock.elapsed() + qint64(rng() % 25);
            }
            if (term.killAt >= 0 && clock.elapsed() >= term.killAt &&
                p.state() == QProcess::Running) {
                p.kill();  // SIGKILL
                term.killed = true;
                term.killAt = -1;
            }
            if (p.state() != QProcess::NotRunning) continue;
            p.waitForFinished(1000);
            term.out += p.readAllStandardOutput();
            const QByteArray own = term.out.mid(term.outFrom);
            const bool inEnd = own.contains("dying in the end");
            if (p.exitStatus() == QProcess::CrashExit && (term.killed || inEnd)) {
                ++f->kills;
                if (inEnd) {
                    ++f->killsInEnd;
                    term.spec.dieInEnd = 0;
                    // The supervisor's kill of the same moment is still to come.
                    if (term.killed) term.killSteps.prepend(steps + 1 + int(rng() % 6));
                }
                start(t);
                continue;
            }
            if (p.exitStatus() == QProcess::CrashExit || p.exitCode() != 0 ||
                !own.contains("done")) {
                findings << QStringLiteral("terminal %1 ended with %2 (%3): see %4/stderr.txt")
                                .arg(t)
                                .arg(p.exitCode())
                                .arg(p.exitStatus() == QProcess::CrashExit ? "crashed" : "exit")
                                .arg(term.spec.confDir);
            }
            term.done = true;
            // Kills it did not live to take go to the terminals still running, soon.
            int left = int(term.killSteps.size()) + (term.killAt >= 0 ? 1 : 0) +
                       (term.spec.dieInEnd > 0 && !inEnd ? 1 : 0);
            term.killSteps.clear();
            for (int other = 0; left > 0; other = (other + 1) % plan.terminals) {
                bool any = false;
                for (const Terminal& o : terminals) any = any || !o.done;
                if (!any) break;
                Terminal& o = terminals[(t + 1 + other) % plan.terminals];
                if (o.done) continue;
                o.killSteps << int(o.out.count("step\n")) + 1 + int(rng() % 6);
                std::sort(o.killSteps.begin(), o.killSteps.end());
                --left;
            }
        }
        if (!running) break;
        if (clock.elapsed() > qint64(plan.timeoutSec) * 1000) {
            findings << QStringLiteral("timed out after %1 s").arg(plan.timeoutSec);
            for (Terminal& term : terminals)
                if (!term.done) term.process->kill();
            for (Terminal& term : terminals)
                if (!term.done) term.process->waitForFinished(2000);
            break;
        }
    }
    f->elapsedMs = clock.elapsed();
    if (f->kills < plan.kills)
        findings << QStringLiteral("only %1 of %2 kills happened: the terminals finished first")
                        .arg(f->kills)
                        .arg(plan.kills);

    QList<QList<JournalRun>> journals;
    QList<QByteArray> labels;
    for (const Terminal& term : terminals) {
        journals << ShiftJournal::read(term.spec.journal);
        QFile received(term.spec.confDir + QStringLiteral("/labels.zpl"));
        labels << (received.open(QIODevice::ReadOnly) ? received.readAll() : QByteArray());
    }
    QElapsedTimer check;
    check.start();
    findings << ShiftOracle::check(database, journals, labels, &f->oracle);
    f->checkMs = check.elapsed();
    return findings;
}

}  // namespace mesload
