#include "TerminalLoad.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <memory>
#include <vector>

#include "foundation/AppPaths.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/Session.h"
#include "workorders/KeyedWrite.h"
#include "workorders/WorkRunStart.h"

namespace mesload {

namespace {

const char* const kEquipment[] = {"P-01", "P-02", "I-01", "W-01", "A-01"};

mes::OrderValues orderFor(const QString& date, int terminal) {
    mes::OrderValues o;
    o.processCode = QStringLiteral("1000");
    o.jisiDate = date;
    o.equipmentCode = QLatin1String(kEquipment[terminal % 5]);
    o.customerCode = QStringLiteral("C001");
    o.productCode = QStringLiteral("FP-100");
    o.lastDate = date;
    o.lastTime = QStringLiteral("090000");
    o.userId = QStringLiteral("T%1").arg(terminal);
    return o;
}

}  // namespace

mes::RunValues runOf(const mes::OrderValues& o, const QString& prodNo) {
    mes::RunValues r;
    r.prodNo = prodNo;
    r.seq = prodNo + o.seqSuffix;
    r.processCode = o.processCode;
    r.equipmentCode = o.equipmentCode;
    r.productCode = o.productCode;
    r.customerCode = o.customerCode;
    r.orderQty = 100;
    r.sdate = o.jisiDate;
    r.stime = QStringLiteral("09:00");
    r.jisiDate = o.jisiDate;
    r.workers = 1;
    r.workerCode = QStringLiteral("E001");
    r.lastDate = o.jisiDate;
    r.lastTime = o.lastTime;
    r.userId = o.userId;
    return r;
}

namespace {

bool waitForLine(QProcess& p, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (!p.canReadLine()) {
        if (p.state() == QProcess::NotRunning || t.elapsed() > timeoutMs) return false;
        p.waitForReadyRead(100);
    }
    return true;
}

}  // namespace

int TerminalLoad::work(const QString& database, const QString& date, int orders, int attempts,
                       int terminal) {
    QTemporaryDir config;  // this terminal's conf.ini and error files
    mes::AppPaths::setConfigDir(config.path());
    mes::Session session;
    session.setEngineFactory(
        [database] { return std::make_unique<mes::EmbeddedEngine>(database); });
    mes::gsSET_SESSION(&session);
    if (!session.connect()) return 2;
    std::printf("ready\n");
    std::fflush(stdout);
    char line[16];
    if (!std::fgets(line, sizeof line, stdin)) return 3;

    int registered = 0;
    int started = 0;
    int failed = 0;
    const mes::OrderValues order = orderFor(date, terminal);
    for (int i = 0; i < orders; ++i) {
        QString prodNo;
        if (!mes::gfREGISTER_WORK_ORDER(order, QStringLiteral("load"), &prodNo, attempts)) {
            ++failed;
            continue;
        }
        ++registered;
        mes::RunValues run = runOf(order, prodNo);
        if (mes::gfSTART_WORK_RUN(&run, QStringLiteral("load"), attempts) ==
            mes::KeyedWrite::Outcome::Written)
            ++started;
        else
            ++failed;
    }
    std::printf("%d %d %d %d\n", registered, started, failed, mes::KeyedWrite::collisions());
    std::fflush(stdout);
    mes::gsSET_SESSION(nullptr);
    return 0;
}

bool TerminalLoad::drive(const LoadPlan& plan, LoadFigures* figures, QString* error) {
    *figures = LoadFigures{};
    std::vector<std::unique_ptr<QProcess>> terminals;
    for (int i = 0; i < plan.terminals; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::SeparateChannels);
        p->setStandardErrorFile(QProcess::nullDevice());
        p->start(plan.program, {QLatin1String(kWorkerFlag), plan.database, plan.date,
                                QString::number(plan.orders), QString::number(plan.attempts),
                                QString::number(i)});
        terminals.push_back(std::move(p));
    }
    auto fail = [&](const QString& why) {
        *error = why;
        for (auto& p : terminals) p->kill();
        for (auto& p : terminals) p->waitForFinished(2000);
        return false;
    };
    for (int i = 0; i < plan.terminals; ++i) {
        if (!waitForLine(*terminals[i], plan.timeoutMs) ||
            terminals[i]->readLine().trimmed() != "ready")
            return fail(QStringLiteral("terminal %1 did not connect").arg(i));
    }
    QElapsedTimer clock;
    clock.start();
    // QProcess writes only inside its own waits: flush every pipe before waiting
    // on any one terminal, or they would start one after the other.
    for (auto& p : terminals) p->write("go\n");
    for (auto& p : terminals) p->waitForBytesWritten(1000);
    for (int i = 0; i < plan.terminals; ++i) {
        QProcess& p = *terminals[i];
        const qint64 left = plan.timeoutMs - clock.elapsed();
        if (left <= 0 || !p.waitForFinished(static_cast<int>(left)))
            return fail(QStringLiteral("terminal %1 did not finish in time").arg(i));
        const QList<QByteArray> f = p.readLine().trimmed().split(' ');
        if (p.exitCode() != 0 || f.size() != 4)
            return fail(QStringLiteral("terminal %1 ended with %2").arg(i).arg(p.exitCode()));
        figures->registered += f[0].toInt();
        figures->started += f[1].toInt();
        figures->failed += f[2].toInt();
        figures->collisions += f[3].toInt();
    }
    figures->elapsedMs = clock.elapsed();
    return true;
}

}  // namespace mesload
