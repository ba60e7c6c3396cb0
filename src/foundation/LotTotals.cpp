#include "foundation/LotTotals.h"

#include "engine/TreeNodes.h"
#include "engine/TreePrinter.h"
#include "engine/TreeShapes.h"

namespace mes {

using namespace engine;

namespace {

const char kLedger[] = "S_PRODUCT_STORE";
const char kTotals[] = "S_PRODUCT_STORE_LOT";

// The ledger as the first source of a SELECT's FROM: FROM S_PRODUCT_STORE.
const Node* ledgerSource(const Node& select) {
    const Node* from = select.kind == NodeKind::Select ? select.find(NodeKind::From) : nullptr;
    if (!from) return nullptr;
    const Node* first = &from->kids[0];
    while (first->kind == NodeKind::Join) first = &first->kids[0];
    const bool ledger = first->kind == NodeKind::Table && first->kids.size() == 1 &&
                        sameName(first->kids[0].text, QString::fromLatin1(kLedger));
    return ledger ? first : nullptr;
}

template <class N, class F>
void forEachSelect(N& body, const Node* order, F&& f) {
    if (body.kind == NodeKind::SetOperation) {
        forEachSelect(body.kids[0], order, f);
        forEachSelect(body.kids[1], order, f);
    } else if (body.kind == NodeKind::Select && ledgerSource(body)) {
        f(body, order);
    }
}

// The ledger's reads, each with the ORDER BY of its query (or nullptr), in one
// order for find and apply.
template <class N, class F>
void forEachRead(N& statement, F&& f) {
    visit(statement, [&](N& n) {
        if (n.kind == NodeKind::Query) forEachSelect(n.kids[0], n.find(NodeKind::OrderBy), f);
    });
}

const QStringList& ledgerColumns() {
    static const QStringList columns{"idx",          "product_code", "lot_no",     "reg_date",
                                     "ipgo_no",      "ipgo_no_sub",  "ipgo_su",    "culgo_no",
                                     "culgo_no_sub", "culgo_su",     "culgo_type", "jego_su",
                                     "last_date",    "last_time",    "user_id"};
    return columns;
}

// The ledger column n names (alias.column or a bare column), lower case; empty for
// anything else.
QString columnOf(const Node& n, const QString& alias) {
    QString qualifier, name;
    if (!(isQualified(n, &qualifier, &name) && sameName(qualifier, alias)) &&
        !isBareColumn(n, &name))
        return {};
    name = name.toLower();
    return ledgerColumns().contains(name) ? name : QString();
}

// FN ( column ): the column, else empty.
QString aggregateOf(const Node& n, const char* fn, const QString& alias) {
    if (n.kind != NodeKind::Call || n.text != QLatin1String(fn) || n.kids.size() != 1 ||
        n.has(Distinct))
        return {};
    return columnOf(n.kids[0], alias);
}

// Every ledger column of n is the lot, the product, or inside the one aggregate
// that a lot's totals answer; no nested query, no *, no other aggregate, no other
// table's column.
bool onlyTotalsRead(const Node& n, const QString& alias) {
    const struct {
        const char* fn;
        QStringList columns;
    } aggregates[] = {{"SUM", {"ipgo_su", "culgo_su"}},
                      {"MIN", {"reg_date", "idx", "lot_no", "product_code"}},
                      {"MAX", {"lot_no", "product_code"}}};
    switch (n.kind) {
        case NodeKind::Query:
        case NodeKind::Star:
            return false;
        case NodeKind::Column: {
            if (n.kids.back().kind == NodeKind::Star) return false;
            if (n.kids.size() > 1 && !sameName(n.kids[n.kids.size() - 2].text, alias)) return false;
            const QString column = columnOf(n, alias);
            return column.isEmpty() || column == QLatin1String("lot_no") ||
                   column == QLatin1String("product_code");
        }
        case NodeKind::Call:
            for (const char* other : {"COUNT", "COUNT_BIG", "AVG", "STDEV", "STDEVP", "VAR", "VARP",
                                      "GROUPING", "CHECKSUM_AGG", "STRING_AGG"})
                if (n.text == QLatin1String(other)) return false;
            for (const auto& a : aggregates) {
                if (n.text == QLatin1String(a.fn))
                    return a.columns.contains(aggregateOf(n, a.fn, alias));
            }
            break;
        default:
            break;
    }
    for (const Node& k : n.kids)
        if (!onlyTotalsRead(k, alias)) return false;
    return true;
}

// IsNull(Sum(ipgo_su), 0) - IsNull(Sum(culgo_su), 0) > 0
bool isStockHaving(const Node& n, const QString& alias) {
    auto isNullSum = [&](const Node& e, const char* column) {
        return e.kind == NodeKind::Call && e.text == QLatin1String("ISNULL") &&
               e.kids.size() == 2 &&
               aggregateOf(e.kids[0], "SUM", alias) == QLatin1String(column) &&
               e.kids[1].kind == NodeKind::Literal && e.kids[1].text == QLatin1String("0");
    };
    if (n.kind != NodeKind::Binary || n.text != QLatin1String(">") ||
        n.kids[1].kind != NodeKind::Literal || n.kids[1].text != QLatin1String("0"))
        return false;
    const Node& difference = n.kids[0];
    return difference.kind == NodeKind::Binary && difference.text == QLatin1String("-") &&
           isNullSum(difference.kids[0], "ipgo_su") && isNullSum(difference.kids[1], "culgo_su");
}

// A string literal in SQLite's writing: N'x' as 'x'.
QString sqliteString(const Node& literal) { return quoted(literalValue(literal)); }

}  // namespace

std::vector<LotTotals::Read> LotTotals::find(const Node& statement, const SchemaInfo& schema) {
    std::vector<Read> reads;
    const QStringList totals = schema.columns(QString::fromLatin1(kTotals));
    for (const char* c :
         {"product_code", "lot_no", "reg_date", "idx", "ipgo_su", "culgo_su", "balance"})
        if (!totals.contains(QString::fromLatin1(c), Qt::CaseInsensitive)) return reads;
    int ordinal = 0;
    forEachRead(statement, [&](const Node& select, const Node* order) {
        Read read;
        read.ordinal = ordinal++;
        if (readAt(select, order, &read)) reads.push_back(read);
    });
    return reads;
}

bool LotTotals::readAt(const Node& select, const Node* order, Read* read) {
    // FROM S_PRODUCT_STORE alias WHERE ... GROUP BY lot_no HAVING stock > 0, nothing else.
    const Node& from = *select.find(NodeKind::From);
    const Node& table = from.kids[0];
    const Node* where = select.find(NodeKind::Where);
    const Node* group = select.find(NodeKind::GroupBy);
    const Node* having = select.find(NodeKind::Having);
    if (from.kids.size() != 1 || table.kind != NodeKind::Table || table.text.isEmpty() || !where ||
        !group || !having || group->kids.size() != 1)
        return false;
    const QString alias = table.text;

    // WHERE product_code = 'p' AND reg_date <= 'd', in either order.
    const auto terms = conjuncts(where->kids[0]);
    if (terms.size() != 2) return false;
    bool product = false, date = false;
    for (const Node* term : terms) {
        if (term->kind != NodeKind::Binary || !isStringLiteral(term->kids[1])) return false;
        const QString column = columnOf(term->kids[0], alias);
        const QString& op = term->text;
        if (column == QLatin1String("product_code") && op == QLatin1String("=")) {
            read->product = sqliteString(term->kids[1]);
            product = true;
        } else if (column == QLatin1String("reg_date") &&
                   (op == QLatin1String("<=") || op == QLatin1String("<"))) {
            read->date = sqliteString(term->kids[1]);
            read->orEqual = op == QLatin1String("<=");
            date = true;
        } else {
            return false;
        }
    }
    if (!product || !date) return false;
    if (columnOf(group->kids[0], alias) != QLatin1String("lot_no")) return false;
    if (!isStockHaving(having->kids[0], alias)) return false;
    return onlyTotalsRead(*select.find(NodeKind::SelectList), alias) &&
           (!order || onlyTotalsRead(*order, alias));
}

void LotTotals::apply(Node& statement, const std::vector<Read>& reads) {
    if (reads.empty()) return;
    std::vector<Node*> tables;
    forEachRead(statement, [&](Node& select, const Node*) {
        Node* n = &select.find(NodeKind::From)->kids[0];
        while (n->kind == NodeKind::Join) n = &n->kids[0];
        tables.push_back(n);
    });
    for (const Read& read : reads) {
        if (read.ordinal >= static_cast<int>(tables.size())) continue;
        const QString p = read.product;
        const QString later = read.orEqual ? QStringLiteral(">") : QStringLiteral(">=");
        const QString late =
            QStringLiteral(
                "SELECT lot_no FROM %1 WHERE product_code = %2 AND reg_date %3 %4 UNION ALL "
                "SELECT lot_no FROM %1 WHERE product_code = %2 AND reg_date IS NULL")
                .arg(QString::fromLatin1(kLedger), p, later, read.date);
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
                     late, later, read.date);
        Node& table = *tables[read.ordinal];
        table = Node{NodeKind::Verbatim, sql + u' ' + TreePrinter::name(table.text), table.pos};
    }
}

}  // namespace mes
