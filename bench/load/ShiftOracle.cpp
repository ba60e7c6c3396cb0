#include "ShiftOracle.h"

#include <sqlite3.h>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

#include "LabelCheck.h"
#include "ShiftNames.h"

namespace mesload {

namespace {

// The plant declares its text columns COLLATE CI_AS: the oracle's own, for
// codes only: ASCII case folded, trailing blanks ignored.
int foldedCompare(void*, int na, const void* a, int nb, const void* b) {
    auto* x = static_cast<const unsigned char*>(a);
    auto* y = static_cast<const unsigned char*>(b);
    while (na > 0 && x[na - 1] == ' ') --na;
    while (nb > 0 && y[nb - 1] == ' ') --nb;
    for (int i = 0; i < na && i < nb; ++i) {
        const int cx = x[i] >= 'A' && x[i] <= 'Z' ? x[i] + 32 : x[i];
        const int cy = y[i] >= 'A' && y[i] <= 'Z' ? y[i] + 32 : y[i];
        if (cx != cy) return cx - cy;
    }
    return na - nb;
}

class Plain {
  public:
    explicit Plain(const QString& path) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK)
            error = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_create_collation(db_, "CI_AS", SQLITE_UTF8, nullptr, foldedCompare);
    }
    ~Plain() { sqlite3_close(db_); }
    QList<QVariantList> rows(const QString& sql) {
        QList<QVariantList> out;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
            error = QString::fromUtf8(sqlite3_errmsg(db_)) + QStringLiteral(": ") + sql;
            return out;
        }
        const int n = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            QVariantList row;
            for (int c = 0; c < n; ++c) {
                switch (sqlite3_column_type(st, c)) {
                    case SQLITE_NULL:
                        row << QVariant();
                        break;
                    case SQLITE_INTEGER:
                        row << QVariant(qlonglong(sqlite3_column_int64(st, c)));
                        break;
                    case SQLITE_FLOAT:
                        row << QVariant(sqlite3_column_double(st, c));
                        break;
                    default:
                        row << QVariant(QString::fromUtf8(
                            reinterpret_cast<const char*>(sqlite3_column_text(st, c))));
                }
            }
            out << row;
        }
        sqlite3_finalize(st);
        return out;
    }
    // Streams the rows to each, for whole ledgers.
    void scan(const QString& sql, const std::function<void(sqlite3_stmt*)>& each) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
            error = QString::fromUtf8(sqlite3_errmsg(db_)) + QStringLiteral(": ") + sql;
            return;
        }
        while (sqlite3_step(st) == SQLITE_ROW) each(st);
        sqlite3_finalize(st);
    }
    QVariant value(const QString& sql) {
        const auto r = rows(sql);
        return r.isEmpty() ? QVariant() : r[0][0];
    }
    QString error;

  private:
    sqlite3* db_ = nullptr;
};

QString text(sqlite3_stmt* st, int c) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
}

// A stock movement of a run (S_PRODUCT_STORE or P_PRODUCT_STORE).
struct Movement {
    QString product, type, lot;
    double in = 0, out = 0;
};

QString q(const QString& v) {
    return u'\'' + QString(v).replace(u'\'', QStringLiteral("''")) + u'\'';
}

// A component's need for a production, as a whole number: the product of the
// count and the use per piece, free of binary fractions, cut to whole pieces.
qint64 needOf(qint64 produced, double usage) {
    return qint64(std::trunc(std::round(double(produced) * usage * 1e6) / 1e6));
}

struct Lot {
    QString date;  // its first movement's date
    qint64 firstIdx = 0;
    double balance = 0;
    QMap<QString, double> byDate;  // the movements' sum by date
    double balanceOn(const QString& day) const {
        double sum = 0;
        for (auto it = byDate.begin(); it != byDate.end() && it.key() <= day; ++it)
            sum += it.value();
        return sum;
    }
};

// Lots of one product, replayed from its ledger rows in idx order.
using Lots = QMap<QString, Lot>;  // ordered by lot number

QList<std::pair<QString, qint64>> firstInFirstOut(const Lots& lots, const QString& date,
                                                  qint64 need) {
    QList<std::pair<QString, qint64>> take;
    QStringList order;
    for (auto it = lots.begin(); it != lots.end(); ++it)
        if (it.value().balance > 0 && it.value().date <= date &&
            it.key().contains(QStringLiteral("선진행재고")))
            order << it.key();
    for (auto it = lots.begin(); it != lots.end(); ++it)
        if (it.value().balance > 0 && it.value().date <= date &&
            !it.key().contains(QStringLiteral("선진행재고")))
            order << it.key();
    // Nothing needed (a few pieces of a fractional use): the first lot, nothing taken.
    if (need == 0) return {{order.isEmpty() ? QStringLiteral("0") : order.first(), 0}};
    qint64 rest = need;
    for (const QString& lot : order) {
        if (rest == 0) break;
        const qint64 stock = qint64(std::trunc(lots[lot].balance));
        const qint64 t = stock >= rest ? rest : stock;
        take.append({lot, t});
        rest -= t;
    }
    if (rest > 0) take.append({QStringLiteral("0"), rest});
    return take;
}

// A lot chosen in the picker's list warns when another lot with stock on the
// work date was first registered no later and earlier in the ledger.
bool olderLotWaits(const Lots& lots, const QString& chosen, const QString& workDate) {
    const Lot& c = lots[chosen];
    for (auto it = lots.begin(); it != lots.end(); ++it)
        if (it.key() != chosen && it.value().balanceOn(workDate) > 0.005 &&
            it.value().date <= c.date && it.value().firstIdx < c.firstIdx)
            return true;
    return false;
}

}  // namespace

QStringList ShiftOracle::check(const QString& database, const QList<QList<JournalRun>>& journals,
                               const QList<QByteArray>& labels, OracleFigures* f) {
    QStringList out;
    *f = OracleFigures{};
    Plain db(database);
    if (!db.error.isEmpty()) return {db.error};
    auto fail = [&out](const QString& run, const QString& what) {
        out << (run.isEmpty() ? what : run + QStringLiteral(": ") + what);
    };

    // Keys: one order per number, one run per order and per number.
    const struct {
        const char* what;
        const char* sql;
    } keys[] = {
        {"order number twice",
         "SELECT seq FROM B_JAKUPJISI_MASTER GROUP BY seq HAVING count(*) > 1"},
        {"prod_no twice",
         "SELECT prod_no FROM B_JAKUPJISI_MASTER GROUP BY prod_no HAVING count(*) > 1"},
        {"run key twice",
         "SELECT op_seq_sub FROM P_SANGSAN_MASTER GROUP BY op_seq_sub HAVING count(*) > 1"},
        {"run number twice",
         "SELECT op_seq FROM P_SANGSAN_MASTER GROUP BY op_seq HAVING count(*) > 1"},
        {"ledger idx twice", "SELECT idx FROM S_PRODUCT_STORE GROUP BY idx HAVING count(*) > 1"},
        {"goods receipt twice",
         "SELECT ipgo_no_sub FROM P_PRODUCT_IPGO GROUP BY ipgo_no_sub HAVING count(*) > 1"},
    };
    for (const auto& k : keys)
        for (const QVariantList& r : db.rows(QString::fromUtf8(k.sql)))
            fail({}, QString::fromUtf8(k.what) + QStringLiteral(": ") + r[0].toString());

    // Every running balance is the one before it plus what came in, minus what went out,
    // in the order the terminals read them (date, then idx).
    // The runs' keys, to gather their movements in one pass over each ledger (the
    // ledgers have no index on the run).
    QSet<QString> runKeys;
    for (const QList<JournalRun>& journal : journals)
        for (const JournalRun& run : journal)
            if (!run.runKey.isEmpty()) runKeys.insert(run.runKey);
    QHash<QString, QList<Movement>> moves[2];
    for (int store = 0; store < 2; ++store) {
        const QString table =
            store == 0 ? QStringLiteral("S_PRODUCT_STORE") : QStringLiteral("P_PRODUCT_STORE");
        QString product;
        double running = 0;
        int wrong = 0;
        db.scan(QStringLiteral("SELECT product_code, idx, ifnull(ipgo_su, 0), ifnull(culgo_su, 0), "
                               "jego_su, ifnull(ipgo_no_sub, ''), ifnull(culgo_no_sub, ''), "
                               "ifnull(culgo_type, ''), ifnull(lot_no, '') FROM %1 ORDER BY "
                               "product_code, reg_date, idx")
                    .arg(table),
                [&](sqlite3_stmt* st) {
                    ++f->ledgerRows;
                    const QString code = text(st, 0);
                    if (code != product) {
                        product = code;
                        running = 0;
                    }
                    const double in = sqlite3_column_double(st, 2),
                                 out = sqlite3_column_double(st, 3);
                    const double balance = sqlite3_column_double(st, 4);
                    running += in - out;
                    if (std::fabs(running - balance) > 0.005 && wrong++ < 5) {
                        fail({}, QStringLiteral("%1 idx %2 of %3: balance %4, running sum %5")
                                     .arg(table, text(st, 1), product)
                                     .arg(balance, 0, 'f', 2)
                                     .arg(running, 0, 'f', 2));
                    }
                    running = balance;  // one wrong row is one finding, not all after it
                    for (int c : {5, 6}) {
                        const QString key = text(st, c);
                        if (!key.isEmpty() && runKeys.contains(key)) {
                            moves[store][key].append({code, text(st, 7), text(st, 8), in, out});
                            break;
                        }
                    }
                });
    }

    // The runs by their key, as the journals tell them.
    QHash<QString, const JournalRun*> byKey;
    QHash<QString, int> terminalOf;
    for (int t = 0; t < journals.size(); ++t) {
        for (const JournalRun& run : journals[t]) {
            f->counts += run.goodCounts;
            f->defects += run.defectSaves;
            f->stops += run.stops;
            f->downtimes += run.downtimeSaves;
            f->scans += run.pick && run.pick->how == QLatin1String("scan") ? 1 : 0;
            f->restores += int(run.restores.size());
            for (const QString& x : run.findings) fail(run.seq, QStringLiteral("terminal: ") + x);
            const QList<QVariantList> runs =
                db.rows(QStringLiteral(
                            "SELECT op_seq_sub, qty, bad_qty FROM P_SANGSAN_MASTER WHERE seq = %1")
                            .arg(q(run.seq)));
            const QString state =
                db.value(QStringLiteral("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE seq = %1")
                             .arg(q(run.seq)))
                    .toString();
            if (runs.size() > 1) fail(run.seq, QStringLiteral("started %1 times").arg(runs.size()));
            if (run.runKey.isEmpty()) {
                if (!runs.isEmpty() && run.startIntended)
                    continue;  // killed inside its start: the restart did not come back to it
                if (!runs.isEmpty()) fail(run.seq, QStringLiteral("started, never pressed"));
                continue;
            }
            if (runs.size() != 1 || runs[0][0].toString() != run.runKey) {
                fail(run.seq, QStringLiteral("its run %1 is not the order's").arg(run.runKey));
                continue;
            }
            // Every count completed before a kill came back, and nothing more than was pressed.
            for (const JournalRun::Restore& r : run.restores) {
                if (r.restoredGood < r.good || r.restoredGood > std::max(r.good, r.pendingGood) ||
                    (r.restoredBad != r.bad && r.restoredBad != r.pendingBad))
                    fail(run.seq,
                         QStringLiteral("restored %1/%2 after counting %3/%4 (pressed %5/%6)")
                             .arg(r.restoredGood)
                             .arg(r.restoredBad)
                             .arg(r.good)
                             .arg(r.bad)
                             .arg(r.pendingGood)
                             .arg(r.pendingBad));
            }
            const QString key = run.runKey;
            auto count = [&](const QString& sql) { return db.value(sql.arg(q(key))).toLongLong(); };
            // The downtime by cause as the dialog saved it: one row per cause, on this run.
            QMap<QString, QList<qint64>> may = run.downtime;
            if (run.pendingDowntime) {
                QList<qint64>& m = may[run.pendingDowntime->first];
                if (m.isEmpty()) m << 0;
                m << run.pendingDowntime->second;
            }
            QMap<QString, qint64> stored;
            for (const QVariantList& r :
                 db.rows(QStringLiteral("SELECT bigadong_code, count(*), total(min), "
                                        "count(DISTINCT op_seq || '|' || equipment_code), "
                                        "min(op_seq || '|' || equipment_code) FROM P_BIGADONG "
                                        "WHERE op_seq_sub = %1 AND ifnull(bigadong_code, '') <> '' "
                                        "GROUP BY bigadong_code")
                             .arg(q(key)))) {
                const QString cause = r[0].toString();
                stored[cause] = qint64(r[2].toDouble());
                const QString owner = key.left(11) + u'|' + ShiftNames{t}.machine();
                if (r[1].toInt() != 1 || r[2].toDouble() == 0 || r[3].toInt() != 1 ||
                    r[4].toString() != owner)
                    fail(run.seq, QStringLiteral("downtime %1: %2 rows, %3 minutes, of %4")
                                      .arg(cause)
                                      .arg(r[1].toInt())
                                      .arg(r[2].toDouble())
                                      .arg(r[4].toString()));
                if (!may.contains(cause)) may[cause] = {0};
            }
            for (auto it = may.begin(); it != may.end(); ++it) {
                if (it.value().contains(stored.value(it.key()))) continue;
                QStringList entered;
                for (qint64 m : it.value()) entered << QString::number(m);
                fail(run.seq, QStringLiteral("downtime %1: %2 minutes stored, %3 entered")
                                  .arg(it.key())
                                  .arg(stored.value(it.key()))
                                  .arg(entered.join(QStringLiteral(" or "))));
            }
            const QList<Movement> wip = moves[0].value(key), goods = moves[1].value(key);
            const qint64 moved = wip.size() + goods.size();
            if (!run.ended) {
                if (state != QLatin1String("2"))
                    fail(run.seq, QStringLiteral("not ended, state ") + state);
                if (moved > 0) fail(run.seq, QStringLiteral("booked without an end"));
                continue;
            }
            ++f->runs;
            byKey.insert(key, &run);
            terminalOf.insert(key, t);
            if (state != QLatin1String("3")) fail(run.seq, QStringLiteral("ended, state ") + state);
            const qint64 good = runs[0][1].toLongLong(), bad = runs[0][2].toLongLong();
            if (good != run.endGood || bad != run.endBad)
                fail(run.seq, QStringLiteral("booked %1/%2, ended with %3/%4")
                                  .arg(good)
                                  .arg(bad)
                                  .arg(run.endGood)
                                  .arg(run.endBad));
            // Booked once: one receipt into work in process, one issue, one goods receipt.
            auto movements = [](const QList<Movement>& list, const QString& type, bool in) {
                std::pair<int, double> n{0, 0};
                for (const Movement& m : list) {
                    if (m.type != type) continue;
                    ++n.first;
                    n.second += in ? m.in : m.out;
                }
                return n;
            };
            const QVariantList receipt =
                db.rows(QStringLiteral("SELECT count(*), total(ipgo_su) FROM P_PRODUCT_IPGO WHERE "
                                       "ipgo_no_sub = %1")
                            .arg(q(key)))
                    .value(0);
            const struct {
                const char* what;
                std::pair<int, double> found;
            } once[] = {
                {"work-in-process receipt", movements(wip, QStringLiteral("재공품추가"), true)},
                {"issue to goods", movements(wip, QStringLiteral("제품투입"), false)},
                {"goods store receipt", movements(goods, QStringLiteral("제품입고"), true)},
                {"goods receipt", {receipt.value(0).toInt(), receipt.value(1).toDouble()}},
            };
            for (const auto& o : once) {
                if (o.found.first != 1 || o.found.second != double(run.endGood))
                    fail(run.seq, QStringLiteral("%1: %2 rows of %3, good %4")
                                      .arg(QString::fromUtf8(o.what))
                                      .arg(o.found.first)
                                      .arg(o.found.second)
                                      .arg(run.endGood));
            }
            // The defects by cause and the stops as entered.
            QMap<QString, qint64> causes;
            for (const QVariantList& r :
                 db.rows(QStringLiteral("SELECT processbad_code, bad_qty FROM "
                                        "P_BADQTY WHERE op_seq_sub = %1")
                             .arg(q(key))))
                causes[r[0].toString()] += r[1].toLongLong();
            causes.removeIf([](auto it) { return it.value() == 0; });
            QMap<QString, qint64> entered = run.causes;
            entered.removeIf([](auto it) { return it.value() == 0; });
            qint64 defects = 0;
            for (qint64 v : causes) defects += v;
            if (causes != entered || defects != bad)
                fail(run.seq,
                     QStringLiteral("defects by cause sum to %1, booked bad %2, journal %3")
                         .arg(defects)
                         .arg(bad)
                         .arg(run.bad()));
            // The timed stops carry no cause; the downtime saves must leave them alone.
            const qint64 stops =
                count(QStringLiteral("SELECT count(*) FROM P_BIGADONG WHERE op_seq_sub = %1 AND "
                                     "ifnull(bigadong_code, '') = ''"));
            const qint64 open =
                count(QStringLiteral("SELECT count(*) FROM P_BIGADONG WHERE op_seq_sub = %1 AND "
                                     "ifnull(bigadong_code, '') = '' AND "
                                     "(etime IS NULL OR etime = '')"));
            if (stops < run.stops || stops > run.stops + run.stopsUnsure || open > 0)
                fail(run.seq, QStringLiteral("%1 stops (%2 open), journal %3 (+%4 unsure)")
                                  .arg(stops)
                                  .arg(open)
                                  .arg(run.stops)
                                  .arg(run.stopsUnsure));
            // One genealogy row per consumed lot, into the run's produced lot.
            QList<QVariantList> consumed;
            for (const Movement& m : wip)
                if (m.type == QStringLiteral("재공품소모")) consumed.append({m.product, m.lot});
            std::sort(consumed.begin(), consumed.end(),
                      [](const QVariantList& x, const QVariantList& y) {
                          return std::make_pair(x[0].toString(), x[1].toString()) <
                                 std::make_pair(y[0].toString(), y[1].toString());
                      });
            const QList<QVariantList> genealogy =
                db.rows(QStringLiteral("SELECT culgo_product_code, culgo_lot_no FROM S_LOT_HISTORY "
                                       "WHERE ipgo_no_sub = %1 "
                                       "ORDER BY culgo_product_code, culgo_lot_no")
                            .arg(q(key)));
            if (consumed != genealogy)
                fail(run.seq, QStringLiteral("%1 consumption rows, %2 genealogy rows")
                                  .arg(consumed.size())
                                  .arg(genealogy.size()));
        }
    }

    // Each run's consumption: its bill times its counts, lot by lot first in, first out,
    // against the oracle's own lot balances replayed from the ledger in idx order.
    for (int t = 0; t < journals.size(); ++t) {
        const ShiftNames names{t};
        for (int k = 0; k < ShiftNames::kComponents; ++k) {
            const QString c = names.component(k);
            Lots lots;
            QString run;
            QList<std::pair<QString, qint64>> rowsOfRun;
            QString runDate;
            auto close = [&] {
                if (run.isEmpty()) return;
                const JournalRun* j = byKey.value(run);
                if (j == nullptr) {
                    fail(run, c + QStringLiteral(" consumed by a run no journal ended"));
                } else {
                    auto expected = firstInFirstOut(
                        lots, runDate, needOf(j->endGood + j->endBad, ShiftNames::usage(k)));
                    // A chosen lot takes the place of its row's lot, for the row's quantity.
                    if (j->pick && j->pick->component == c) {
                        ++f->picks;
                        const JournalRun::Pick& p = *j->pick;
                        if (p.index < expected.size()) expected[p.index].first = p.lot;
                        const QString workDate =
                            db.value(QStringLiteral("SELECT jisi_date FROM B_JAKUPJISI_MASTER "
                                                    "WHERE seq = %1")
                                         .arg(q(j->seq)))
                                .toString();
                        if (p.how == QLatin1String("grid") && lots.contains(p.lot) &&
                            p.warned != olderLotWaits(lots, p.lot, workDate))
                            fail(j->seq, QStringLiteral("%1 lot %2 picked %3 an older lot waiting")
                                             .arg(c, p.lot,
                                                  p.warned ? QStringLiteral("warned, no")
                                                           : QStringLiteral("unwarned with")));
                    }
                    if (expected != rowsOfRun) {
                        QStringList a, e;
                        for (const auto& [l, n] : rowsOfRun) a << l + u'=' + QString::number(n);
                        for (const auto& [l, n] : expected) e << l + u'=' + QString::number(n);
                        fail(j->seq, c + QStringLiteral(" took ") + a.join(u',') +
                                         QStringLiteral(", first in first out is ") + e.join(u','));
                    }
                    f->lotRows += int(rowsOfRun.size());
                }
                for (const auto& [l, n] : rowsOfRun) {
                    lots[l].balance -= double(n);
                    lots[l].byDate[runDate] -= double(n);
                }
                run.clear();
                rowsOfRun.clear();
            };
            for (const QVariantList& r :
                 db.rows(QStringLiteral(
                             "SELECT lot_no, reg_date, ifnull(ipgo_su, 0), ifnull(culgo_su, 0), "
                             "ifnull(culgo_no_sub, ''), culgo_type, idx FROM S_PRODUCT_STORE WHERE "
                             "product_code = %1 "
                             "ORDER BY idx")
                             .arg(q(c)))) {
                const QString lot = r[0].toString();
                const bool consumption = r[5].toString() == QStringLiteral("재공품소모");
                if (!consumption || r[4].toString() != run) close();
                if (consumption) {
                    run = r[4].toString();
                    runDate = r[1].toString();
                    rowsOfRun.append({lot, qint64(std::llround(r[3].toDouble()))});
                    if (!lots.contains(lot)) {
                        lots[lot].date = r[1].toString();
                        lots[lot].firstIdx = r[6].toLongLong();
                    }
                    continue;
                }
                Lot& l = lots[lot];
                if (l.date.isEmpty()) l.firstIdx = r[6].toLongLong();
                if (l.date.isEmpty() || r[1].toString() < l.date) l.date = r[1].toString();
                l.balance += r[2].toDouble() - r[3].toDouble();
                l.byDate[r[1].toString()] += r[2].toDouble() - r[3].toDouble();
            }
            close();
        }
    }
    // The box labels each terminal's printer received.
    for (int t = 0; t < journals.size(); ++t) {
        auto lotOf = [&db](const QString& key) {
            return db
                .value(QStringLiteral("SELECT lot_no FROM P_SANGSAN_MASTER WHERE op_seq_sub = %1")
                           .arg(q(key)))
                .toString();
        };
        LabelCheck::check(t, journals[t], labels.value(t), lotOf, f, &out);
    }

    // Every run ended in a journal was checked above; one missing from the ledger is a loss.
    for (auto it = byKey.begin(); it != byKey.end(); ++it) {
        bool any = false;
        for (const Movement& m : moves[0].value(it.key()))
            any = any || m.type == QStringLiteral("재공품소모");
        if (!any) fail(it.value()->seq, QStringLiteral("ended, no consumption booked"));
    }
    if (!db.error.isEmpty()) fail({}, db.error);
    return out;
}

}  // namespace mesload
