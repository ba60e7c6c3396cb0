#include "foundation/LotTotals.h"

#include "engine/Clauses.h"
#include "engine/JoinPieces.h"
#include "engine/SchemaInfo.h"

namespace mes {

using namespace engine;

namespace {

const char kLedger[] = "S_PRODUCT_STORE";
const char kTotals[] = "S_PRODUCT_STORE_LOT";

int size(const Pieces& s) { return static_cast<int>(s.size()); }

bool isLedgerFrom(const Pieces& s, int j) {
    return isKw(s[j], "FROM") && j + 1 < size(s) &&
           sameName(s[j + 1], QString::fromLatin1(kLedger)) &&
           !(j + 2 < size(s) && isOp(s[j + 2], "."));
}

// The ledger column named by s[a..b] (alias.column or a bare column), lower case;
// empty for anything else.
QString columnOf(const Pieces& s, int a, int b, const QString& alias,
                 const QStringList& ledgerColumns) {
    QString name;
    if (b == a + 2 && isQualifiedColumn(s, a, b) && sameName(s[a], alias))
        name = pieceName(s[b]);
    else if (a == b && isIdentifier(s[a]))
        name = pieceName(s[a]);
    name = name.toLower();
    return ledgerColumns.contains(name) ? name : QString();
}

// FN ( column ) at j, with column one of allowed: the column, else empty.
QString aggregateAt(const Pieces& s, int j, const char* fn, const QString& alias,
                    const QStringList& ledgerColumns) {
    if (!isKw(s[j], fn) && !sameName(s[j], QString::fromLatin1(fn))) return {};
    if (j + 2 >= size(s) || !isPunct(s[j + 1], '(')) return {};
    const int close = closeParen(s, j + 1);
    return close > j + 2 ? columnOf(s, j + 2, close - 1, alias, ledgerColumns) : QString();
}

// Every ledger column of s[from..to] is the lot, the product, or inside the one
// aggregate that a lot's totals answer; no nested query, no *, no other aggregate.
bool onlyTotalsRead(const Pieces& s, int from, int to, const QString& alias,
                    const QStringList& ledgerColumns) {
    const struct {
        const char* fn;
        QStringList columns;
    } aggregates[] = {{"SUM", {"ipgo_su", "culgo_su"}},
                      {"MIN", {"reg_date", "idx", "lot_no", "product_code"}},
                      {"MAX", {"lot_no", "product_code"}}};
    for (int j = from; j <= to; ++j) {
        const Piece& p = s[j];
        if (isKw(p, "SELECT") || isOp(p, "*")) return false;
        for (const char* other : {"COUNT", "COUNT_BIG", "AVG", "STDEV", "STDEVP", "VAR", "VARP",
                                  "GROUPING", "CHECKSUM_AGG", "STRING_AGG"})
            if (isKw(p, other) || sameName(p, QString::fromLatin1(other))) return false;
        bool aggregate = false;
        for (const auto& a : aggregates) {
            if (!isKw(p, a.fn) && !sameName(p, QString::fromLatin1(a.fn))) continue;
            if (!a.columns.contains(aggregateAt(s, j, a.fn, alias, ledgerColumns))) return false;
            j = closeParen(s, j + 1);
            aggregate = true;
            break;
        }
        if (aggregate || !isIdentifier(p)) continue;
        if (j > from && isKw(s[j - 1], "AS")) continue;       // a result name
        if (j + 1 <= to && isPunct(s[j + 1], '(')) continue;  // a function
        int last = j;
        if (j + 2 <= to && isOp(s[j + 1], ".")) last = j + 2;
        const QString column = columnOf(s, j, last, alias, ledgerColumns);
        if (last > j && !sameName(s[j], alias)) return false;  // another table's column
        if (!column.isEmpty() && column != QLatin1String("lot_no") &&
            column != QLatin1String("product_code"))
            return false;
        j = last;
    }
    return true;
}

// HAVING IsNull(Sum(ipgo_su), 0) - IsNull(Sum(culgo_su), 0) > 0, to the piece.
bool isStockHaving(const Pieces& s, int from, int to, const QString& alias,
                   const QStringList& ledgerColumns) {
    int j = from;
    auto isNullSum = [&](const char* column) {
        if (j + 1 > to || !sameName(s[j], QStringLiteral("IsNull")) || !isPunct(s[j + 1], '('))
            return false;
        const int close = closeParen(s, j + 1);
        if (close > to || aggregateAt(s, j + 2, "SUM", alias, ledgerColumns) != column)
            return false;
        const int sumClose = closeParen(s, j + 3);
        if (sumClose + 3 != close || !isPunct(s[sumClose + 1], ',') ||
            s[sumClose + 2].kind != TokenKind::Number || s[sumClose + 2].text != QLatin1String("0"))
            return false;
        j = close + 1;
        return true;
    };
    if (!isNullSum("ipgo_su") || j > to || !isOp(s[j], "-")) return false;
    ++j;
    if (!isNullSum("culgo_su")) return false;
    return j + 1 == to && isOp(s[j], ">") && s[to].kind == TokenKind::Number &&
           s[to].text == QLatin1String("0");
}

}  // namespace

std::vector<LotTotals::Read> LotTotals::find(const Pieces& s, const SchemaInfo& schema) {
    std::vector<Read> reads;
    const QStringList totals = schema.columns(QString::fromLatin1(kTotals));
    for (const char* c :
         {"product_code", "lot_no", "reg_date", "idx", "ipgo_su", "culgo_su", "balance"})
        if (!totals.contains(QString::fromLatin1(c), Qt::CaseInsensitive)) return reads;
    int ordinal = 0;
    for (int j = 0; j + 1 < size(s); ++j) {
        if (!isLedgerFrom(s, j)) continue;
        Read read;
        read.ordinal = ordinal++;
        if (readAt(s, j, &read)) reads.push_back(read);
    }
    return reads;
}

bool LotTotals::readAt(const Pieces& s, int from, Read* read) {
    // The SELECT of this level.
    int select = -1;
    for (int j = from - 1, depth = 0; j >= 0 && select < 0; --j) {
        if (isPunct(s[j], ')')) ++depth;
        if (isPunct(s[j], '(') && --depth < 0) return false;
        if (depth == 0 && isKw(s[j], "SELECT")) select = j;
    }
    if (select < 0) return false;
    int end = size(s);
    const int compound = findSetOperator(s, from + 1, &end);
    if (compound >= 0) end = compound;

    int at = from + 2;
    if (at < end && isKw(s[at], "AS")) ++at;
    if (at >= end || !isIdentifier(s[at])) return false;
    const QString alias = pieceName(s[at]);
    const int where = at + 1;
    if (where >= end || !isKw(s[where], "WHERE")) return false;
    const int group = findTop(s, where + 1, {"GROUP"});
    const int having = group < 0 ? -1 : findTop(s, group + 1, {"HAVING"});
    if (group < 0 || having < 0 || group >= end || having >= end || !isKw(s[group + 1], "BY"))
        return false;
    const int order = findTop(s, having + 1, {"ORDER"});
    const int havingEnd = (order >= 0 && order < end ? order : end) - 1;

    QStringList ledgerColumns;
    for (const char* c : {"idx", "product_code", "lot_no", "reg_date", "ipgo_no", "ipgo_no_sub",
                          "ipgo_su", "culgo_no", "culgo_no_sub", "culgo_su", "culgo_type",
                          "jego_su", "last_date", "last_time", "user_id"})
        ledgerColumns << QString::fromLatin1(c);

    // WHERE product_code = 'p' AND reg_date <= 'd', in either order.
    const auto terms = conjuncts(s, where + 1, group - 1);
    if (terms.size() != 2) return false;
    bool product = false, date = false;
    for (const auto& [a, b] : terms) {
        if (b < a + 2 || s[b].kind != TokenKind::String) return false;
        const QString column = columnOf(s, a, b - 2, alias, ledgerColumns);
        if (column == QLatin1String("product_code") && isOp(s[b - 1], "=")) {
            read->product = s[b].text;
            product = true;
        } else if (column == QLatin1String("reg_date") &&
                   (isOp(s[b - 1], "<=") || isOp(s[b - 1], "<"))) {
            read->date = s[b].text;
            read->orEqual = isOp(s[b - 1], "<=");
            date = true;
        } else {
            return false;
        }
    }
    if (!product || !date) return false;
    if (columnOf(s, group + 2, having - 1, alias, ledgerColumns) != QLatin1String("lot_no"))
        return false;
    if (!isStockHaving(s, having + 1, havingEnd, alias, ledgerColumns)) return false;
    return onlyTotalsRead(s, select + 1, from - 1, alias, ledgerColumns) &&
           onlyTotalsRead(s, havingEnd + 1, end - 1, alias, ledgerColumns);
}

void LotTotals::apply(Pieces& s, const std::vector<Read>& reads) {
    if (reads.empty()) return;
    std::vector<int> tables;
    for (int j = 0; j + 1 < size(s); ++j)
        if (isLedgerFrom(s, j)) tables.push_back(j + 1);
    for (auto it = reads.rbegin(); it != reads.rend(); ++it) {
        if (it->ordinal >= static_cast<int>(tables.size())) continue;
        const QString p = it->product;
        const QString later = it->orEqual ? QStringLiteral(">") : QStringLiteral(">=");
        const QString late =
            QStringLiteral(
                "SELECT lot_no FROM %1 WHERE product_code = %2 AND reg_date %3 %4 UNION ALL "
                "SELECT lot_no FROM %1 WHERE product_code = %2 AND reg_date IS NULL")
                .arg(QString::fromLatin1(kLedger), p, later, it->date);
        // LIMIT -1 keeps SQLite from pushing the statement's own date condition into
        // the branches, where it would walk the date index over the whole history. A
        // lot's later movements are sought by date (+ keeps the lot index out): there
        // are few or none.
        const QString sql =
            QStringLiteral(
                "(SELECT %3 FROM %2 T WHERE T.product_code = %4 AND T.balance > 0 AND "
                "T.lot_no IS NOT NULL AND NOT EXISTS (SELECT 1 FROM %1 X WHERE X.product_code "
                "= %4 AND X.reg_date %6 %7 AND +X.lot_no = T.lot_no) AND NOT EXISTS (SELECT 1 "
                "FROM %1 X WHERE X.product_code = %4 AND X.reg_date IS NULL AND +X.lot_no = "
                "T.lot_no) "
                "UNION ALL SELECT %3 FROM %1 WHERE product_code = %4 AND lot_no IS NULL "
                "UNION ALL SELECT %3 FROM %1 WHERE product_code = %4 AND lot_no IN (%5) "
                "LIMIT -1)")
                .arg(QString::fromLatin1(kLedger), QString::fromLatin1(kTotals),
                     QStringLiteral("product_code, lot_no, reg_date, idx, ipgo_su, culgo_su"), p,
                     late, later, it->date);
        Piece& table = s[tables[it->ordinal]];
        table = synth(TokenKind::Word, sql, table.lead);
    }
}

}  // namespace mes
