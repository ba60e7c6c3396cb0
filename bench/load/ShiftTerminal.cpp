#include "ShiftTerminal.h"

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <cmath>
#include <cstdio>
#include <memory>

#include <signal.h>

#include "foundation/AppPaths.h"
#include "foundation/Configuration.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"
#include "production/frm_S_badqty.h"
#include "production/frm_S_dayReport.h"
#include "reports/LabelPort.h"
#include "screens/Routes.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "ui/Theme.h"
#include "ui/TouchLabel.h"
#include "ui/WidgetUI.h"
#include "ui/clsSpread.h"
#include "workorders/ListStatements.h"
#include "workorders/WorkRunStart.h"
#include "workorders/frm_S_jakupjisi_list.h"

namespace mesload {

namespace {

const char* const kCauses[] = {"B01", "B02", "B03", "B04", "B09", "B10"};
const QString kSaved = QStringLiteral("저장이 완료되었습니다.");

QString num(qint64 v) { return QString::number(v); }

}  // namespace

QStringList TerminalSpec::arguments() const {
    return {QLatin1String(kFlag), database,       confDir,   journal,
            num(terminal),        num(terminals), num(runs), QString::number(seed),
            num(dateSpread),      num(dieInEnd)};
}

bool TerminalSpec::parse(const QStringList& a, TerminalSpec* s) {
    const int at = a.indexOf(QLatin1String(kFlag));
    if (at < 0 || a.size() < at + 10) return false;
    s->database = a[at + 1];
    s->confDir = a[at + 2];
    s->journal = a[at + 3];
    s->terminal = a[at + 4].toInt();
    s->terminals = a[at + 5].toInt();
    s->runs = a[at + 6].toInt();
    s->seed = a[at + 7].toULongLong();
    s->dateSpread = a[at + 8].toInt();
    s->dieInEnd = a[at + 9].toInt();
    return true;
}

ShiftTerminal::ShiftTerminal(const TerminalSpec& spec)
    : spec_(spec), names_{spec.terminal}, journal_(spec.journal) {}

qint64 ShiftTerminal::spread(qint64 low, qint64 high) {
    std::uniform_real_distribution<double> u(std::log(double(low)), std::log(double(high) + 1));
    return std::clamp<qint64>(qint64(std::exp(u(rng_))), low, high);
}

void ShiftTerminal::step() {
    std::printf("step\n");  // the supervisor's moment to kill
    std::fflush(stdout);
}

void ShiftTerminal::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void ShiftTerminal::finding(const JournalRun& run, const QString& what) {
    ++findings_;
    QString flat = what;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    journal_.write({QStringLiteral("finding"), run.seq, flat});
    std::fprintf(stderr, "terminal %d, %s: %s\n", spec_.terminal, qPrintable(run.seq),
                 qPrintable(flat));
}

bool ShiftTerminal::connect(mes::Session& session) {
    mes::AppPaths::setConfigDir(spec_.confDir);
    mes::Theme::apply(*qApp);
    mes::gsINSTALL_WIDGET_UI();
    mes::NavigationBar::clearTargets();
    // A terminal sets the PC's clock from the server's; not this machine's.
    mes::TerminalClock::setSystemClockSetter([](const QDateTime&) { return false; });
    mes::gvConfig() = mes::Configuration();
    mes::gvConfig().DBNAME = QStringLiteral("MES_ORVEL");
    const int byte = names_.addressByte();
    mes::gsSET_RESOLVER([byte] {
        const char ip[4] = {char(192), char(0), char(2), char(byte)};
        return mes::HostLookup{true, 0, QStringLiteral("sim"), {QByteArray(ip, 4)}};
    });
    session.setEngineFactory(
        [p = spec_.database] { return std::make_unique<mes::EmbeddedEngine>(p); });
    mes::gsSET_SESSION(&session);
    if (!session.connect()) return false;
    mes::gsREGISTER_NAVIGATION();
    return true;
}

int ShiftTerminal::work() {
    int boots = 0;
    const QList<JournalRun> runs = ShiftJournal::read(spec_.journal, &boots);
    rng_.seed(spec_.seed * 1000003u + quint64(spec_.terminal) * 7919u + quint64(boots));
    mes::Session session;
    session_ = &session;
    if (!connect(session)) return 2;
    // Its label printer: a pseudo-terminal, whatever reaches it kept in labels.zpl.
    tap_ = std::make_unique<LabelTap>(spec_.confDir + QStringLiteral("/labels.zpl"));
    if (tap_->port().isEmpty()) return 2;
    mes::LabelPort::setPortName(tap_->port());
    journal_.write({QStringLiteral("boot"), num(boots)});
    std::printf("ready\n");
    std::fflush(stdout);

    int ended = 0;
    for (const JournalRun& r : runs) ended += r.ended ? 1 : 0;
    if (!runs.isEmpty() && !runs.last().ended) {
        resume(runs.last());
        ended = 0;
        for (const JournalRun& r : ShiftJournal::read(spec_.journal)) ended += r.ended ? 1 : 0;
    }
    for (int i = int(runs.size()); ended < spec_.runs; ++i) {
        newRun(i);
        ++ended;
        if (findings_ > 20) break;
    }
    mes::Forms::unloadAll();
    settle();
    mes::gsSET_SESSION(nullptr);
    std::printf("done %d\n", findings_);
    std::fflush(stdout);
    return findings_ == 0 ? 0 : 1;
}

int ShiftTerminal::listRow(const QString& seq) {
    mes::frm_S_jakupjisi_list& list = mes::gfFORM<mes::frm_S_jakupjisi_list>();
    mes::gsSHOW_SCREEN(list);
    list.lvSerchSQL = mes::gfLIST_CUSTOMER_FILTER(names_.customer());
    list.lsQuery();
    const int row = ShiftOperator::rowOf(*list.spread, QStringLiteral("지시순번"), seq);
    if (row > 0) list.spread->SetFocus(list.spread->GetColNo(QStringLiteral("지시일자")), row);
    return row;
}

QString ShiftTerminal::listState(int row) {
    return mes::gfFORM<mes::frm_S_jakupjisi_list>().spread->TextWithColID(
        QStringLiteral("완료여부"), row);
}

mes::frm_S_dayReport* ShiftTerminal::screen() {
    return mes::gfFORM_LOADED<mes::frm_S_dayReport>() ? &mes::gfFORM<mes::frm_S_dayReport>()
                                                      : nullptr;
}

void ShiftTerminal::newRun(int index) {
    // Up to a few hundred orders a day: the order number has three digits.
    const QDate date = mes::TerminalClock::now().date().addDays(
        (index * spec_.terminals + spec_.terminal) % std::max(1, spec_.dateSpread));
    mes::OrderValues o;
    o.processCode = QStringLiteral("1000");
    o.jisiDate = date.toString(QStringLiteral("yyyy-MM-dd"));
    o.equipmentCode = names_.machine();
    o.customerCode = names_.customer();
    o.productCode = names_.product();
    o.lastDate = o.jisiDate;
    o.lastTime = mes::TerminalClock::hhmmss();
    o.userId = QStringLiteral("SIM%1").arg(spec_.terminal);
    QString prodNo;
    JournalRun run;
    if (!mes::gfREGISTER_WORK_ORDER(o, QStringLiteral("sim"), &prodNo)) {
        finding(run, QStringLiteral("order not registered"));
        return;
    }
    run.seq = prodNo + o.seqSuffix;
    journal_.write({QStringLiteral("order"), run.seq});
    resume(run);
}

void ShiftTerminal::resume(JournalRun run) {
    const int row = listRow(run.seq);
    if (row == 0) return finding(run, QStringLiteral("order not in the list"));
    const QString state = listState(row);
    mes::frm_S_jakupjisi_list& list = mes::gfFORM<mes::frm_S_jakupjisi_list>();
    if (state == QStringLiteral("완료")) {
        if (!run.endIntended) return finding(run, QStringLiteral("ended without its end"));
        journal_.write({QStringLiteral("end-done"), run.seq, QStringLiteral("found")});
        return;
    }
    if (state == QStringLiteral("미완료")) {
        if (!run.runKey.isEmpty()) return finding(run, QStringLiteral("started run lost"));
        journal_.write({QStringLiteral("start"), run.seq});
        list.btnStart->click();
    } else {
        if (!run.startIntended) return finding(run, QStringLiteral("in progress, never started"));
        list.btnDayReport->click();  // the run shown again from the list
    }
    settle();
    mes::frm_S_dayReport* s = screen();
    if (s == nullptr || s->lblOp_seq_sub->text().isEmpty())
        return finding(run, QStringLiteral("the run did not open: ") + op_.problems().join(" | "));
    const QString key = s->lblOp_seq_sub->text();
    if (!run.runKey.isEmpty() && key != run.runKey)
        return finding(run, QStringLiteral("another run shown: ") + key);
    if (run.runKey.isEmpty()) {
        run.runKey = key;
        journal_.write({QStringLiteral("started"), run.seq, key});
    }
    if (state != QStringLiteral("미완료")) {
        // What the restart brought back must be what was counted before the kill.
        const qint64 good = s->lblOk_Cnt->count().toLongLong();
        const qint64 bad = s->lblBad_Cnt->count().toLongLong();
        journal_.write({QStringLiteral("restored"), run.seq, num(good), num(bad)});
        const bool goodOk = good == run.good || (run.pendingGood && good == *run.pendingGood);
        const bool badOk = bad == run.bad() || bad == run.badWithPending();
        if (!goodOk || !badOk)
            finding(run, QStringLiteral("restored %1/%2, journal %3(%4)/%5(%6)")
                             .arg(good)
                             .arg(bad)
                             .arg(run.good)
                             .arg(run.pendingGood.value_or(run.good))
                             .arg(run.bad())
                             .arg(run.badWithPending()));
        if (run.pendingCause && bad == run.badWithPending())
            run.causes[run.pendingCause->first] = run.pendingCause->second;
        run.good = good;
        run.pendingGood.reset();
        run.pendingCause.reset();
        run.stopped = s->btnBigadong_e->isEnabled();
        journal_.write({QStringLiteral("stopped"), run.seq, num(run.stopped ? 1 : 0)});
        // A lot picked before the kill must come back with the held entries.
        const std::optional<JournalRun::Pick> p = run.pick ? run.pick : run.pendingPick;
        if (p) {
            const QString shown = lotShown(p->component, p->index);
            journal_.write({QStringLiteral("pick-shown"), run.seq, shown});
            if (run.pick && shown != run.pick->lot)
                finding(run, QStringLiteral("picked lot %1 of %2 restored as %3")
                                 .arg(run.pick->lot, run.pick->component, shown));
            if (!run.pick && shown == p->lot) run.pick = p;
            run.pendingPick.reset();
        }
    }
    operate(run);
}

bool ShiftTerminal::operate(JournalRun& run) {
    std::uniform_int_distribution<int> pick(0, 99);
    for (;;) {
        if (!op_.problems().isEmpty()) {
            finding(run, op_.problems().join(QStringLiteral(" | ")));
            op_.clear();
            return false;
        }
        // After a pick the end comes next: a count would book the grid afresh.
        if (run.picked) return end(run);
        const bool counted = run.good + run.bad() > 0;
        if (counted && run.actions >= 2 && pick(rng_) < 25) {
            if (pick(rng_) >= 35) return end(run);
            if (!pickLot(run)) return false;
            if (!run.picked) return end(run);  // nothing in stock to pick
            continue;
        }
        const int action = pick(rng_);
        const bool ok = action < 50   ? countGood(run)
                        : action < 75 ? enterDefect(run)
                        : action < 88 ? toggleStop(run)
                                      : enterDowntime(run);
        if (!ok) return false;
    }
}

bool ShiftTerminal::countGood(JournalRun& run) {
    mes::frm_S_dayReport* s = screen();
    // Single pieces to tens of thousands; the keypad takes the new total.
    const qint64 add =
        std::uniform_int_distribution<int>(0, 9)(rng_) == 0 ? spread(1, 9) : spread(10, 25000);
    const qint64 total = run.good + add;
    journal_.write({QStringLiteral("good"), run.seq, num(total)});
    step();
    op_.keypad(num(total));
    s->lblOk_Cnt->clicked();
    settle();
    if (s->lblOk_Cnt->count() != num(total)) {
        finding(run, QStringLiteral("good shown ") + s->lblOk_Cnt->count() + " for " + num(total));
        return false;
    }
    run.good = total;
    ++run.actions;
    journal_.write({QStringLiteral("good-done"), run.seq, num(total)});
    return true;
}

bool ShiftTerminal::enterDefect(JournalRun& run) {
    mes::frm_S_dayReport* s = screen();
    std::uniform_int_distribution<int> which(0, int(std::size(kCauses)) - 1);
    const QString cause = QLatin1String(kCauses[which(rng_)]);
    const qint64 qty = spread(1, 2000);
    journal_.write({QStringLiteral("bad"), run.seq, cause, num(qty)});
    step();
    op_.on(QStringLiteral("frm_S_badqty"), [this, cause, qty](QDialog& d) {
        auto& b = dynamic_cast<mes::frm_S_badqty&>(d);
        const int row = ShiftOperator::rowOf(*b.spread, QStringLiteral("부적합코드"), cause);
        if (row == 0) {
            b.Command14->click();
            return;
        }
        op_.keypad(num(qty));
        ShiftOperator::touch(*b.spread, row, QStringLiteral("수량"));
        b.cmdSave->click();
    });
    s->lblBad_Cnt->clicked();
    settle();
    run.causes[cause] = qty;
    if (s->lblBad_Cnt->count() != num(run.bad())) {
        finding(run,
                QStringLiteral("bad shown ") + s->lblBad_Cnt->count() + " for " + num(run.bad()));
        return false;
    }
    ++run.actions;
    journal_.write({QStringLiteral("bad-done"), run.seq, cause, num(qty)});
    return true;
}

bool ShiftTerminal::toggleStop(JournalRun& run) {
    mes::frm_S_dayReport* s = screen();
    if (!run.stopped) {
        journal_.write({QStringLiteral("stop"), run.seq});
        step();
        s->btnBigadong_s->click();
        settle();
        mes::gsSHOW_SCREEN(*s);  // back from the stop list the press opened
        if (!s->btnBigadong_e->isEnabled()) {
            finding(run, QStringLiteral("the stop did not start"));
            return false;
        }
        run.stopped = true;
        ++run.stops;
        ++run.actions;
        journal_.write({QStringLiteral("stop-done"), run.seq});
        return true;
    }
    journal_.write({QStringLiteral("resume"), run.seq});
    step();
    s->btnBigadong_e->click();
    settle();
    run.stopped = false;
    journal_.write({QStringLiteral("resume-done"), run.seq});
    return true;
}

bool ShiftTerminal::end(JournalRun& run) {
    if (run.stopped && !toggleStop(run)) return false;
    mes::frm_S_dayReport* s = screen();
    journal_.write({QStringLiteral("end"), run.seq, num(run.good), num(run.bad())});
    step();
    const bool armed = spec_.dieInEnd > 0 && !diedOnce_;
    if (armed) {
        diedOnce_ = true;
        session_->setTrace([this, seq = run.seq, k = spec_.dieInEnd, inEnd = false,
                            n = 0](const mes::TraceEvent& e) mutable {
            inEnd = inEnd || e.statement.contains(QStringLiteral("작업이 이미 종료되었습니다."));
            if (inEnd && e.ok && ++n == k) {
                journal_.write({QStringLiteral("dying"), seq, num(k)});
                std::printf("dying in the end\n");
                std::fflush(stdout);
                ::raise(SIGKILL);
            }
        });
    }
    op_.notice(kSaved);
    s->btnEnd->click();
    settle();
    if (armed) {
        std::printf("survived the end\n");
        std::fflush(stdout);
    }
    session_->setTrace({});
    if (screen() != nullptr || op_.pending() != 0 || !op_.problems().isEmpty()) {
        finding(run, QStringLiteral("the end did not complete: ") + op_.problems().join(" | "));
        op_.clear();
        return false;
    }
    run.ended = true;
    journal_.write({QStringLiteral("end-done"), run.seq});
    std::printf("ended\n");
    std::fflush(stdout);
    return rng_() % 3 != 0 || printLabel(run);
}

}  // namespace mesload
