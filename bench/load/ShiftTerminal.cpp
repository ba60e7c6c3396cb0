#include "ShiftTerminal.h"

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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
#include "production/frm_S_bigadong2.h"
#include "production/frm_S_dayReport.h"
#include "production/frm_S_lot_select.h"
#include "reports/LabelPort.h"
#include "reports/frm_S_Report_Sangsan.h"
#include "screens/Routes.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "ui/Theme.h"
#include "ui/TouchDatePicker.h"
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

void touch(mes::clsSpread& spread, int row, const QString& colId) {
    QTableView* view = spread.Spr();
    emit view->clicked(view->model()->index(row - 1, spread.GetColNo(colId) - 1));
}

int rowOf(const mes::clsSpread& spread, const QString& colId, const QString& value) {
    for (int r = 1; r <= spread.MaxRows(); ++r)
        if (spread.TextWithColID(colId, r) == value) return r;
    return 0;
}

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
    const int row = rowOf(*list.spread, QStringLiteral("지시순번"), seq);
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
        const int row = rowOf(*b.spread, QStringLiteral("부적합코드"), cause);
        if (row == 0) {
            b.Command14->click();
            return;
        }
        op_.keypad(num(qty));
        touch(*b.spread, row, QStringLiteral("수량"));
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

bool ShiftTerminal::enterDowntime(JournalRun& run) {
    mes::frm_S_dayReport* s = screen();
    // Up to a day of minutes, thousands with a separator; now and then 0, which drops the cause.
    const qint64 minutes =
        std::uniform_int_distribution<int>(0, 7)(rng_) == 0 ? 0 : spread(1, 1440);
    const quint64 at = rng_();
    QString cause;
    step();
    op_.on(QStringLiteral("frm_S_bigadong2"), [&](QDialog& d) {
        auto& b = dynamic_cast<mes::frm_S_bigadong2&>(d);
        if (b.spread->MaxRows() == 0) {
            b.Command14->click();
            return;
        }
        const int row = 1 + int(at % quint64(b.spread->MaxRows()));
        cause = b.spread->TextWithColID(QStringLiteral("비가동코드"), row);
        journal_.write({QStringLiteral("down"), run.seq, cause, num(minutes)});
        op_.keypad(num(minutes));
        touch(*b.spread, row, QStringLiteral("분"));
        b.cmdSave->click();
        if (b.result() != QDialog::Accepted) cause.clear();
    });
    s->btnBigadong->click();
    settle();
    if (cause.isEmpty()) {
        finding(run, QStringLiteral("the downtime was not saved: ") + op_.problems().join(" | "));
        op_.clear();
        return false;
    }
    run.downtime[cause] = {minutes};
    ++run.actions;
    journal_.write({QStringLiteral("down-done"), run.seq, cause, num(minutes)});
    return true;
}

QString ShiftTerminal::lotShown(const QString& component, int index) {
    const mes::clsSpread& grid = *screen()->spread;
    for (int r = 1; r <= grid.MaxRows(); ++r)
        if (grid.TextWithColID(QStringLiteral("품번코드"), r) == component && index-- == 0)
            return grid.TextWithColID(QStringLiteral("LOT NO"), r);
    return {};
}

bool ShiftTerminal::pickLot(JournalRun& run) {
    if (run.stopped && !toggleStop(run)) return false;
    mes::frm_S_dayReport* s = screen();
    mes::clsSpread& grid = *s->spread;
    if (grid.MaxRows() == 0) return true;
    const int row = 1 + int(rng_() % quint64(grid.MaxRows()));
    const QString component = grid.TextWithColID(QStringLiteral("품번코드"), row);
    int index = 0;
    for (int r = 1; r < row; ++r)
        index += grid.TextWithColID(QStringLiteral("품번코드"), r) == component ? 1 : 0;
    const bool scan = rng_() % 3 == 0;
    const quint64 at = rng_();
    QString lot;
    bool warned = false;
    step();
    op_.on(QStringLiteral("frm_S_lot_select"), [&](QDialog& d) {
        auto& p = dynamic_cast<mes::frm_S_lot_select&>(d);
        if (p.spread->MaxRows() == 0) {  // nothing of it in stock
            p.Command14->click();
            return;
        }
        const int choice = 1 + int(at % quint64(p.spread->MaxRows()));
        lot = p.spread->TextWithColID(QStringLiteral("LOT NO"), choice);
        const QString how = scan ? QStringLiteral("scan") : QStringLiteral("grid");
        journal_.write({QStringLiteral("pick"), run.seq, component, num(index), lot, how});
        run.picked = true;
        if (scan) {
            // The scanner types the lot's label and its Enter.
            p.txtBarcode->setText(u'*' + lot + u'/' + component + u'*');
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QCoreApplication::sendEvent(p.txtBarcode, &enter);
            return;
        }
        p.ss->setCurrentIndex(p.spread->Spr()->model()->index(choice - 1, 0));
        // The warning of an older lot, when it comes: taken anyway.
        op_.on(QStringLiteral("MsgBox"), [&warned](QDialog& box) {
            warned = true;
            dynamic_cast<QMessageBox&>(box).button(QMessageBox::Yes)->click();
        });
        p.cmdSave->click();
        if (!warned) op_.clear();
    });
    touch(grid, row, QStringLiteral("LOT NO"));
    settle();
    if (!op_.problems().isEmpty() || lot.isEmpty()) return true;  // operate reports problems
    if (lotShown(component, index) != lot) {
        finding(run, QStringLiteral("picked lot %1 of %2, the grid shows %3")
                         .arg(lot, component, lotShown(component, index)));
        return false;
    }
    run.pick = JournalRun::Pick{component, index, lot, scan ? "scan" : "grid", warned};
    journal_.write({QStringLiteral("pick-done"), run.seq, component, num(index), lot, run.pick->how,
                    warned ? QStringLiteral("warned") : QStringLiteral("-")});
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

bool ShiftTerminal::printLabel(const JournalRun& run) {
    auto& results = mes::gfFORM<mes::frm_S_Report_Sangsan>();
    mes::gsSHOW_SCREEN(results);
    // The results of the order's date (its number begins with it).
    const QDate day = QDate::fromString(run.seq.left(8), QStringLiteral("yyyyMMdd"));
    mes::TouchDatePicker& date = *results.dtpSt_date;
    for (int i = 0; i < 400 && date.date() != day; ++i)
        (date.date() < day ? date.btnNextDay : date.btnPrevDay)->click();
    results.btnFind->click();
    settle();
    const int row = rowOf(*results.spread, QStringLiteral("생산실적순번"), run.runKey);
    if (row == 0) {
        finding(run, QStringLiteral("the ended run is not among the results"));
        return false;
    }
    const bool small = rng_() % 2 == 0;
    const qint64 pack = spread(10, 5000);
    // Now and then the copies typed, 0 among them (refused).
    QString copies;
    if (rng_() % 4 == 0) copies = num(rng_() % 8 == 0 ? 0 : spread(1, 5));
    const QString size = small ? QStringLiteral("small") : QStringLiteral("large");
    const QStringList entered{size, num(pack), copies.isEmpty() ? QStringLiteral("-") : copies};
    journal_.write(QStringList{QStringLiteral("label"), run.seq} + entered);
    step();
    op_.keypad(num(pack));
    touch(*results.spread, row,
          small ? QStringLiteral("소포장수량") : QStringLiteral("대포장수량"));
    if (!copies.isEmpty()) {
        op_.keypad(copies);
        touch(*results.spread, row,
              small ? QStringLiteral("소출력수") : QStringLiteral("대출력수"));
    }
    // The preview, sent; or a message box, closed.
    QString outcome, message;
    op_.on({}, [&](QDialog& d) {
        if (d.objectName() == QLatin1String("frmLabelPreview")) {
            outcome = QStringLiteral("sent");
            ShiftOperator::press(d, QStringLiteral("cmdPrint"));
        } else if (auto* box = qobject_cast<QMessageBox*>(&d)) {
            outcome = QStringLiteral("refused");
            message = box->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
            box->button(QMessageBox::Ok)->click();
        }
    });
    touch(*results.spread, row,
          small ? QStringLiteral("바코드소포장") : QStringLiteral("바코드대포장"));
    settle();
    if (outcome.isEmpty() || !op_.problems().isEmpty()) {
        finding(run, QStringLiteral("the label did not go: ") + op_.problems().join(" | "));
        op_.clear();
        return false;
    }
    if (outcome == QLatin1String("sent")) tap_->drain();
    journal_.write(QStringList{QStringLiteral("label-done"), run.seq} + entered +
                   QStringList{outcome, message});
    return true;
}

}  // namespace mesload
