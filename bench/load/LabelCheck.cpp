#include "LabelCheck.h"

#include <QHash>
#include <algorithm>

namespace mesload {

namespace {

// One box label as the printer received it: a block ^XA..^XZ with a ^PQ.
struct Received {
    QString key, qty, lot, copies;
    bool ascii = true;     // font 0 prints ASCII only: other text must come as graphics
    bool graphic = false;  // a ^GFA field (the product's Korean name drawn)
};

// The labels of one printer's stream in order; the printer set-up blocks counted apart.
QList<Received> labelsIn(const QByteArray& stream, int* setups) {
    QList<Received> out;
    *setups = 0;
    for (qsizetype at = 0;;) {
        const qsizetype a = stream.indexOf("^XA", at);
        const qsizetype z = a < 0 ? -1 : stream.indexOf("^XZ", a);
        if (z < 0) break;
        const QByteArray block = stream.mid(a, z + 3 - a);
        at = z + 3;
        if (!block.contains("^PQ")) {
            ++*setups;
            continue;
        }
        auto field = [&block](const char* head) {
            const qsizetype h = block.indexOf(head);
            if (h < 0) return QString();
            const qsizetype from = h + qstrlen(head);
            return QString::fromLatin1(block.mid(from, block.indexOf("^FS", from) - from));
        };
        Received r;
        r.key = field("^FD>;");
        r.qty = field("^FT335,720^A0N,35,35^FH\\^FD");
        r.lot = field("^FT95,630^A0N,90,50^FH\\^FD");
        const qsizetype pq = block.indexOf("^PQ") + 3;
        r.copies = QString::fromLatin1(block.mid(pq, block.indexOf(',', pq) - pq));
        r.ascii = std::all_of(block.begin(), block.end(), [](char c) { return uchar(c) < 128; });
        r.graphic = block.contains("^GFA");
        out << r;
    }
    return out;
}

}  // namespace

void LabelCheck::check(int terminal, const QList<JournalRun>& journal, const QByteArray& stream,
                       const LotOf& lotOf, OracleFigures* f, QStringList* out) {
    auto fail = [out](const QString& run, const QString& what) {
        *out << (run.isEmpty() ? what : run + QStringLiteral(": ") + what);
    };
    // One label per label sent, in order, with the pack quantity typed, the copies
    // typed or those the good count needs, and the run's lot; a job of no copies refused.
    int setups = 0;
    const QList<Received> got = labelsIn(stream, &setups);
    QHash<QString, QList<Received>> byRun;
    for (const Received& r : got) byRun[r.key] << r;
    if (setups != got.size())
        fail({}, QStringLiteral("terminal %1: %2 printer set-ups for %3 labels")
                     .arg(terminal)
                     .arg(setups)
                     .arg(got.size()));
    for (const JournalRun& run : journal) {
        if (run.labels.isEmpty() && !run.pendingLabel) continue;
        const QList<Received> mine = byRun.take(run.runKey);
        const QString lot = lotOf(run.runKey).left(7);
        qsizetype next = 0;
        auto check = [&](const JournalRun::Label& l, bool sure) {
            const bool small = l.size == QLatin1String("small");
            const qint64 copies = l.copies != QLatin1String("-") ? l.copies.toLongLong()
                                  : run.endGood > 0 ? (run.endGood + l.pack - 1) / l.pack
                                                    : 0;
            const QString refusal =
                (small ? QStringLiteral("소포장출력수가") : QStringLiteral("대포장출력수가")) +
                QStringLiteral(" 0 입니다.");
            if (sure && l.outcome == QLatin1String("refused")) {
                ++f->refusals;
                if (copies != 0 || !l.message.startsWith(refusal))
                    fail(run.seq, QStringLiteral("label of %1 copies refused: %2")
                                      .arg(copies)
                                      .arg(l.message));
                return;
            }
            if (copies == 0) {
                if (sure || next < mine.size())
                    fail(run.seq, QStringLiteral("a label of no copies was ") +
                                      (sure ? l.outcome : QStringLiteral("sent")));
                return;
            }
            if (next >= mine.size()) {
                if (sure) fail(run.seq, QStringLiteral("a label sent, none received"));
                return;
            }
            const Received& r = mine[next++];
            ++f->labels;
            if (r.qty != QString::number(l.pack) || r.copies != QString::number(copies) ||
                r.lot != lot || !r.ascii || !r.graphic)
                fail(run.seq, QStringLiteral("label %1/box x %2 lot %3 (ascii %4, graphic %5); "
                                             "typed %6/box, copies %7, lot %8")
                                  .arg(r.qty, r.copies, r.lot)
                                  .arg(r.ascii)
                                  .arg(r.graphic)
                                  .arg(l.pack)
                                  .arg(copies)
                                  .arg(lot));
        };
        for (const JournalRun::Label& l : run.labels) check(l, true);
        if (run.pendingLabel) check(*run.pendingLabel, false);
        if (next < mine.size())
            fail(run.seq, QStringLiteral("%1 labels received, %2 sent").arg(mine.size()).arg(next));
    }
    for (auto it = byRun.begin(); it != byRun.end(); ++it)
        fail({}, QStringLiteral("terminal %1: %2 labels of %3, no run of its")
                     .arg(terminal)
                     .arg(it.value().size())
                     .arg(it.key()));
}

}  // namespace mesload
