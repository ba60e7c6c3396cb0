#include "ShiftSupervisor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
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
    int ended = 0;  // runs ended, over its restarts
    qsizetype outFrom = 0;  // where the running process's output starts
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
    auto chance = [&rng](int percent) { return int(rng() % 100) < percent; };
    // About a third of the kills inside the end of a run, the rest at random moments.
    int inEndLeft = plan.kills / 3;
    int timedLeft = plan.kills - inEndLeft;
    const int dateSpread = (plan.terminals * plan.runs + 399) / 400;
    std::vector<Terminal> terminals(plan.terminals);
    QElapsedTimer clock;
    clock.start();
    int endedAll = 0;
    // A kill at a random moment of what is left of the terminal's shift, the kills
    // left shared among the terminals still running.
    auto planKill = [&](Terminal& term) {
        if (timedLeft == 0) return;
        --timedLeft;
        const double perRun = endedAll > 0 ? double(clock.elapsed()) * plan.terminals / endedAll : 300;
        int active = 0;
        for (const Terminal& other : terminals) active += other.done ? 0 : 1;
        const int share = 1 + (timedLeft + inEndLeft) / std::max(1, active);
        const qint64 window = std::max<qint64>(
            60, qint64(perRun * std::max(1, plan.runs - term.ended) / (share + 1)));
        term.killAt = clock.elapsed() + 30 + qint64(rng() % quint64(window));
    };
    auto start = [&](int t) {
        Terminal& term = terminals[t];
        TerminalSpec& s = term.spec;
        if (s.journal.isEmpty()) {
            s.database = database;
            s.confDir = dir + QStringLiteral("/terminal-%1").arg(t);
            QDir().mkpath(s.confDir);
            s.journal = s.confDir + QStringLiteral("/journal.txt");
            QFile::remove(s.journal);
            s.terminal = t;
            s.terminals = plan.terminals;
            s.runs = plan.runs;
            s.seed = plan.seed;
            s.dateSpread = dateSpread;
        }
        s.dieInEnd = 0;
        term.killAt = -1;
        term.killed = false;
        term.outFrom = term.out.size();
        if (inEndLeft > 0 && chance(35)) {
            --inEndLeft;
            s.dieInEnd = 1 + int(rng() % 24);  // the end has about 20 statements; some die after its commit
        } else {
            planKill(term);
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
            p.waitForReadyRead(5);
            term.out += p.readAllStandardOutput();
            const int ended = int(term.out.count("ended\n"));
            endedAll += ended - term.ended;
            term.ended = ended;
            if (term.killAt < 0 && term.spec.dieInEnd == 0 && p.state() == QProcess::Running)
                planKill(term);
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
                if (inEnd) ++f->killsInEnd;
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
            if (term.killAt >= 0) ++timedLeft;  // finished before its kill came
            if (term.spec.dieInEnd > 0 && !inEnd) ++timedLeft;  // another terminal's, at random
            term.done = true;
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
    for (const Terminal& term : terminals) journals << ShiftJournal::read(term.spec.journal);
    QElapsedTimer check;
    check.start();
    findings << ShiftOracle::check(database, journals, &f->oracle);
    f->checkMs = check.elapsed();
    return findings;
}

}  // namespace mesload
