#include "production/LotBooking.h"

#include <QHash>
#include <cmath>

#include "foundation/Session.h"
#include "production/LotSql.h"

namespace mes {

namespace {

QString whole(double v) { return QString::number(static_cast<qint64>(std::trunc(v))); }
qint64 wholeOf(const QString& text) {
    return static_cast<qint64>(std::trunc(text.trimmed().toDouble()));
}

// A null or empty stored lot is carried as "0", so no row stays unbooked.
QString lotText(const QVariant& v) {
    const QString s = v.isNull() ? QString() : v.toString();
    return s.isEmpty() ? QStringLiteral("0") : s;
}

LotRow continuationOf(const LotRow& row) {
    LotRow c = row;
    c.lot.clear();
    c.copy = true;
    return c;
}

}  // namespace

LotBooking::LotBooking(qint16& lvLotIdx, FirstLot first, AllLots all)
    : lvLotIdx_(lvLotIdx), first_(std::move(first)), all_(std::move(all)) {}

LotBooking LotBooking::onSession(qint16& lvLotIdx, const QString& today, const QString& location) {
    auto first = [today, location](const QString& product) -> std::optional<LotStock> {
        std::optional<LotStock> out;
        if (gfDB_QUERY(gfLOT_FIRST_SQL(product, today), false, location)) {
            out = LotStock{lotText(gvRS().value(0)), gvRS().value(1).toDouble()};
        }
        if (gvRS().isOpen()) gvRS().close();
        return out;
    };
    auto all = [today, location](const QString& product) {
        QList<LotStock> out;
        if (gfDB_QUERY(gfLOT_NEXT_SQL(product, today), false, location)) {
            for (RecordSet& rs = gvRS(); !rs.eof(); rs.moveNext())
                out << LotStock{lotText(rs.value(0)), rs.value(1).toDouble()};
        }
        if (gvRS().isOpen()) gvRS().close();
        return out;
    };
    return LotBooking(lvLotIdx, first, all);
}

double LotBooking::need(double change, const QString& usage) {
    return std::round(change * usage.trimmed().toDouble() * 1e6) / 1e6;
}

void LotBooking::lsTuip_Sum(QList<LotRow>& rows, double change, bool counted) {
    // A continuation row inserted below a row is skipped in this pass.
    for (int r = 0; r < rows.size(); ++r) {
        if (counted && lsAutoLot(rows, r, change)) ++r;
    }
    if (change == 0) return;
    lvLotIdx_ = 1;
    // Nothing is written during one booking: a component's lots are read once,
    // not again for each of its continuation rows.
    const AllLots read = all_;
    QHash<QString, QList<LotStock>> lotsOf;
    all_ = [&](const QString& product) {
        auto it = lotsOf.constFind(product);
        if (it == lotsOf.constEnd()) it = lotsOf.insert(product, read(product));
        return *it;
    };
    for (;;) {
        int r = 0;
        while (r < rows.size() && !rows[r].lot.isEmpty()) ++r;
        if (r == rows.size()) break;
        lsAutoLotCopy(rows, r, change);
    }
    all_ = read;
}

bool LotBooking::lsAutoLot(QList<LotRow>& rows, int r, double change) {
    LotRow& row = rows[r];
    // Whole pieces are booked: a lot holding the whole need covers it, so the next
    // lot is not charged 0 and named in the genealogy for a fraction.
    const double needed = std::trunc(need(change, row.usage));
    const std::optional<LotStock> lot = first_(row.product);
    if (!lot) {
        row.lot = QStringLiteral("0");
        row.stock = QStringLiteral("0");
        row.qty = whole(needed);
        return false;
    }
    row.lot = lot->lot;
    row.stock = whole(lot->stock);
    if (lot->stock >= needed) {
        row.qty = whole(needed);
        return false;
    }
    row.qty = whole(lot->stock);
    LotRow c = continuationOf(row);
    c.qty.clear();
    c.stock.clear();
    rows.insert(r + 1, c);
    return true;
}

void LotBooking::lsAutoLotCopy(QList<LotRow>& rows, int r, double change) {
    const QString product = rows[r].product;
    qint64 used = 0;
    for (const LotRow& other : rows)
        if (other.product == product) used += wholeOf(other.qty);
    const qint64 remaining = wholeOf(whole(need(change, rows[r].usage))) - used;
    const QList<LotStock> lots = all_(product);
    LotRow& row = rows[r];
    if (lots.isEmpty()) {
        row.lot = QStringLiteral("0");
        row.stock = QStringLiteral("0");
        row.qty = QString::number(remaining);
        return;
    }
    // The cursor past the list takes the last lot and starts again.
    int pick = lvLotIdx_;
    if (lvLotIdx_ >= lots.size() || lvLotIdx_ < 0) {
        pick = static_cast<int>(lots.size()) - 1;
        lvLotIdx_ = 1;
    }
    row.lot = lots[pick].lot;
    row.stock = whole(lots[pick].stock);
    for (int i = 0; i < rows.size(); ++i) {
        if (i != r && rows[i].product == product && rows[i].lot == row.lot) {
            row.lot = QStringLiteral("0");
            row.stock = QStringLiteral("0");
            row.qty = QString::number(remaining);
            return;
        }
    }
    if (lots[pick].stock >= remaining) {
        row.qty = QString::number(remaining);
        lvLotIdx_ = 1;
        return;
    }
    row.qty = whole(lots[pick].stock);
    LotRow c = continuationOf(row);
    c.qty = QStringLiteral("0");
    rows.insert(r + 1, c);
    ++lvLotIdx_;
}

}  // namespace mes
