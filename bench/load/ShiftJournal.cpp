#include "ShiftJournal.h"

namespace mesload {

qint64 JournalRun::bad() const {
    qint64 sum = 0;
    for (qint64 q : causes) sum += q;
    return sum;
}

qint64 JournalRun::badWithPending() const {
    if (!pendingCause) return bad();
    return bad() - causes.value(pendingCause->first) + pendingCause->second;
}

ShiftJournal::ShiftJournal(const QString& path) : file_(path) {
    file_.open(QIODevice::WriteOnly | QIODevice::Append);
}

bool ShiftJournal::write(const QStringList& words) {
    const QByteArray line = words.join(QLatin1Char(' ')).toUtf8() + '\n';
    return file_.write(line) == line.size() && file_.flush();
}

QList<JournalRun> ShiftJournal::read(const QString& path, int* boots) {
    QList<JournalRun> runs;
    if (boots) *boots = 0;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return runs;
    const QByteArray all = f.readAll();
    const QList<QByteArray> lines = all.left(all.lastIndexOf('\n') + 1).split('\n');
    for (const QByteArray& raw : lines) {
        const QStringList w = QString::fromUtf8(raw).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (w.isEmpty()) continue;
        const QString& kind = w[0];
        if (kind == QLatin1String("boot")) {
            if (boots) ++*boots;
            continue;
        }
        if (w.size() < 2) continue;
        if (kind == QLatin1String("order")) {
            runs.append(JournalRun{});
            runs.last().seq = w[1];
            continue;
        }
        if (runs.isEmpty() || runs.last().seq != w[1]) continue;
        JournalRun& r = runs.last();
        auto n = [&w](int i) { return i < w.size() ? w[i].toLongLong() : 0; };
        if (kind == QLatin1String("start")) {
            r.startIntended = true;
        } else if (kind == QLatin1String("started")) {
            r.runKey = w.value(2);
        } else if (kind == QLatin1String("good")) {
            r.pendingGood = n(2);
        } else if (kind == QLatin1String("good-done")) {
            r.good = n(2);
            r.pendingGood.reset();
            ++r.actions;
            ++r.goodCounts;
        } else if (kind == QLatin1String("bad")) {
            r.pendingCause = std::make_pair(w.value(2), n(3));
        } else if (kind == QLatin1String("bad-done")) {
            r.causes[w.value(2)] = n(3);
            r.pendingCause.reset();
            ++r.actions;
            ++r.defectSaves;
        } else if (kind == QLatin1String("down")) {
            r.pendingDowntime = std::make_pair(w.value(2), n(3));
        } else if (kind == QLatin1String("down-done")) {
            r.downtime[w.value(2)] = {n(3)};
            r.pendingDowntime.reset();
            ++r.actions;
            ++r.downtimeSaves;
        } else if (kind == QLatin1String("pick") || kind == QLatin1String("pick-done")) {
            const JournalRun::Pick p{w.value(2), int(n(3)), w.value(4), w.value(5),
                                     w.value(6) == QLatin1String("warned")};
            r.picked = true;
            if (kind == QLatin1String("pick")) {
                r.pendingPick = p;
            } else {
                r.pick = p;
                r.pendingPick.reset();
            }
        } else if (kind == QLatin1String("pick-shown")) {
            // The lot the restarted screen shows in the picked row.
            if (r.pendingPick && w.value(2) == r.pendingPick->lot) {
                r.pick = r.pendingPick;
                r.pick->how = QStringLiteral("shown");  // whether it was warned is not known
            }
            r.pendingPick.reset();
        } else if (kind == QLatin1String("label") || kind == QLatin1String("label-done")) {
            const JournalRun::Label l{w.value(2), n(3), w.value(4), w.value(5),
                                      QStringList(w.mid(6)).join(QLatin1Char(' '))};
            if (kind == QLatin1String("label")) {
                r.pendingLabel = l;
            } else {
                r.labels << l;
                r.pendingLabel.reset();
            }
        } else if (kind == QLatin1String("stop")) {
            r.stopPending = true;
        } else if (kind == QLatin1String("stop-done")) {
            r.stopPending = false;
            r.stopped = true;
            ++r.stops;
            ++r.actions;
        } else if (kind == QLatin1String("resume-done")) {
            r.stopped = false;
        } else if (kind == QLatin1String("end")) {
            r.endIntended = true;
            r.endGood = n(2);
            r.endBad = n(3);
        } else if (kind == QLatin1String("end-done")) {
            r.ended = true;
        } else if (kind == QLatin1String("restored")) {
            // The restart's findings: the good and bad counts the screen brought back.
            const qint64 good = n(2), bad = n(3);
            r.restores.append(
                {r.good, r.pendingGood.value_or(r.good), good, r.bad(), r.badWithPending(), bad});
            r.good = good;
            r.pendingGood.reset();
            if (r.pendingCause && bad == r.badWithPending())
                r.causes[r.pendingCause->first] = r.pendingCause->second;
            r.pendingCause.reset();
            if (r.pendingDowntime) {
                QList<qint64>& may = r.downtime[r.pendingDowntime->first];
                if (may.isEmpty()) may << 0;
                if (!may.contains(r.pendingDowntime->second)) may << r.pendingDowntime->second;
                r.pendingDowntime.reset();
            }
            if (r.stopPending) ++r.stopsUnsure;
            r.stopPending = false;
            r.endIntended = false;
        } else if (kind == QLatin1String("stopped")) {
            r.stopped = n(2) != 0;  // as the restarted screen shows it
        } else if (kind == QLatin1String("finding")) {
            r.findings << QStringList(w.mid(2)).join(QLatin1Char(' '));
        }
    }
    return runs;
}

}  // namespace mesload
