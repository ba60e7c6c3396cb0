// The shift terminal's entries through the downtime dialog, the lot picker and
// the results screen's box labels.
#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include "ShiftTerminal.h"
#include "production/frm_S_bigadong2.h"
#include "production/frm_S_dayReport.h"
#include "production/frm_S_lot_select.h"
#include "reports/LabelPort.h"
#include "reports/frm_S_Report_Sangsan.h"
#include "ui/Forms.h"
#include "ui/TouchDatePicker.h"
#include "ui/clsSpread.h"

namespace mesload {

namespace {
QString num(qint64 v) { return QString::number(v); }
}  // namespace

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
        ShiftOperator::touch(*b.spread, row, QStringLiteral("분"));
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
    QString lot, misScan = QStringLiteral("-");
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
        // The scanner types the label's text and its Enter.
        auto scanLabel = [&p](const QString& text) {
            p.txtBarcode->setText(u'*' + text + u'*');
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QCoreApplication::sendEvent(p.txtBarcode, &enter);
        };
        if (scan && at % 4 == 0) {
            // A label of another component's lot first: refused with a message, nothing taken.
            const int k = (component.back().unicode() - u'A' + 1) % ShiftNames::kComponents;
            misScan.clear();
            op_.on(QStringLiteral("MsgBox"), [&misScan](QDialog& box) {
                misScan = dynamic_cast<QMessageBox&>(box).text();
                dynamic_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click();
            });
            scanLabel(ShiftNames::lot(names_.component(k), 0) + u'/' + names_.component(k));
            if (!p.isVisible() || !p.txtBarcode->text().isEmpty())
                misScan = QStringLiteral("taken: ") + misScan;
            op_.clear();
        }
        if (scan) return scanLabel(lot + u'/' + component);
        p.ss->setCurrentIndex(p.spread->Spr()->model()->index(choice - 1, 0));
        // The warning of an older lot, when it comes: taken anyway.
        op_.on(QStringLiteral("MsgBox"), [&warned](QDialog& box) {
            warned = true;
            dynamic_cast<QMessageBox&>(box).button(QMessageBox::Yes)->click();
        });
        p.cmdSave->click();
        if (!warned) op_.clear();
    });
    ShiftOperator::touch(grid, row, QStringLiteral("LOT NO"));
    settle();
    if (!op_.problems().isEmpty() || lot.isEmpty()) return true;  // operate reports problems
    if (misScan != QLatin1String("-") && misScan != QStringLiteral("해당제품의 LOT가 아닙니다..") &&
        misScan != QStringLiteral("해당 LOT를 찾을 수 없습니다.")) {
        finding(run, QStringLiteral("a lot of another component scanned: ") + misScan);
        return false;
    }
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
    const int row =
        ShiftOperator::rowOf(*results.spread, QStringLiteral("생산실적순번"), run.runKey);
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
    const qint64 before = tap_->received();
    step();
    op_.keypad(num(pack));
    ShiftOperator::touch(*results.spread, row,
                         small ? QStringLiteral("소포장수량") : QStringLiteral("대포장수량"));
    if (!copies.isEmpty()) {
        op_.keypad(copies);
        ShiftOperator::touch(*results.spread, row,
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
    ShiftOperator::touch(*results.spread, row,
                         small ? QStringLiteral("바코드소포장") : QStringLiteral("바코드대포장"));
    settle();
    if (outcome.isEmpty() || !op_.problems().isEmpty()) {
        finding(run, QStringLiteral("the label did not go: ") + op_.problems().join(" | "));
        op_.clear();
        return false;
    }
    if (outcome == QLatin1String("sent")) {
        // Its bytes in the file before the journal says it was sent.
        qint64 sent = 0;
        for (qsizetype n : mes::LabelPort::lastWrites()) sent += n;
        if (!tap_->waitFor(before + sent, 5000)) {
            finding(run, QStringLiteral("the printer received %1 of %2 bytes")
                             .arg(tap_->received() - before)
                             .arg(sent));
            return false;
        }
    }
    journal_.write(QStringList{QStringLiteral("label-done"), run.seq} + entered +
                   QStringList{outcome, message});
    return true;
}

}  // namespace mesload
