#include "engine/ExpressionPass.h"

#include "engine/ComparisonPass.h"
#include "engine/DateTimeText.h"
#include "engine/Dialect.h"
#include "engine/EngineError.h"
#include "engine/NumericTypes.h"
#include "engine/TreeNodes.h"

namespace engine {

void ExpressionPass::run() {
    visit(statement_, [this](Node& n) {
        if (n.kind == NodeKind::Case && !n.has(Synthetic)) caseTypes(n);
    });
    visit(statement_, [this](Node& n) {
        if (n.has(Synthetic)) return;
        if (n.kind == NodeKind::Call) function(n);
        if (n.kind == NodeKind::Cast) cast(n);
    });
    ComparisonPass(types_).run(statement_);
    visit(statement_, [](Node& n) { arithmetic(n); });
}

void ExpressionPass::caseTypes(Node& n) const {
    std::vector<Node*> results;
    for (Node& k : n.kids) {
        if (k.kind == NodeKind::When || k.kind == NodeKind::Else) results.push_back(&k.kids.back());
    }
    TypeSpec numeric;
    for (const Node* r : results) {
        const TypeSpec t = types_.of(*r);
        if (t.isNumeric()) numeric = numeric.isNumeric() ? higherType(numeric, t) : t;
    }
    if (!numeric.isNumeric()) return;
    // A numeric branch makes the CASE numeric: text branches are converted.
    for (Node* r : results) {
        const TypeSpec t = types_.of(*r);
        if (!t.isText()) continue;
        if (isStringLiteral(*r))
            wrap(*r, QStringLiteral("tsql_cast"), {typeText(numeric)});
        else
            wrap(*r, QStringLiteral("tsql_num"), {typeText(numeric), textTypeName(t)});
    }
}

void ExpressionPass::function(Node& n) const {
    // SubsetCheck has refused unknown names and arities.
    const FunctionInfo* f = findFunction(n.text);
    if (!f) return;
    const int argc = static_cast<int>(n.kids.size());
    const QLatin1String name(f->name);
    switch (f->rule) {
        case FunctionRule::Native: {
            const TypeSpec t = argc > 0 ? types_.of(n.kids[0]) : TypeSpec{};
            // SUM of a NUMERIC in decimal, as the server sums it.
            if (name == QLatin1String("SUM") && t.base == TypeSpec::Base::Numeric) {
                n.text = QStringLiteral("tsql_sum");
                n.flags |= Synthetic;
            }
            // AVG in decimal at the server's scale, or of integers an integer.
            if (name == QLatin1String("AVG") &&
                (t.base == TypeSpec::Base::Numeric || t.base == TypeSpec::Base::Int)) {
                const int scale = t.base == TypeSpec::Base::Int ? 0 : avgResult(t).scale;
                n.text = QStringLiteral("tsql_avg");
                n.flags |= Synthetic;
                n.kids.push_back(literal(QString::number(scale)));
            }
            return;
        }
        case FunctionRule::Rename:
            n.text = QLatin1String(f->target);
            return;
        case FunctionRule::Convert:
            convert(n);
            return;
        case FunctionRule::Datediff: {
            const Node& unit = n.kids[0];
            const QString canonical = unit.kind == NodeKind::Column && unit.kids.size() == 1
                                          ? datediffUnit(unit.kids[0].text)
                                          : QString();
            n.text = QLatin1String(f->target);
            n.kids[0] = stringLiteral(canonical);
            return;
        }
        case FunctionRule::Isnull: {
            const TypeSpec t = types_.of(n.kids[0]);
            if (t.base == TypeSpec::Base::Unknown) {
                n.text = QLatin1String(f->target);
                return;
            }
            // The replacement takes the first argument's type, as on SQL Server.
            n.text = QStringLiteral("coalesce");
            n.flags |= Synthetic;
            wrap(n.kids[1], QStringLiteral("tsql_cast"), {typeText(t)});
            return;
        }
        case FunctionRule::Cast:
        case FunctionRule::Internal:
            return;
    }
}

void ExpressionPass::cast(Node& n) const {
    const QString type = n.kids[1].text;
    const TypeSpec target = parseTypeSpec(type);
    // A decimal written as text shows its type's places: 2.00, not 2.
    const QString from = target.isText() ? decimalTypeText(types_.of(n.kids[0])) : QString();
    Node value = std::move(n.kids[0]);
    QStringList extras{type};
    if (!from.isEmpty()) extras << from;
    wrap(value, findFunction(QStringLiteral("CAST"))->target, extras);
    n = std::move(value);
}

void ExpressionPass::convert(Node& n) const {
    const QString type = n.kids[0].text;
    const TypeSpec target = parseTypeSpec(type);
    const TypeSpec from = types_.of(n.kids[1]);
    const bool fromDatetime =
        from.base == TypeSpec::Base::Datetime || from.base == TypeSpec::Base::Date;
    QString style = QStringLiteral("NULL");
    if (n.kids.size() == 3) {
        const Node& given = n.kids[2];
        if (!isIntegerLiteral(given))
            unsupportedAt(QStringLiteral("CONVERT with a computed style"), given.pos);
        style = given.text;
        QString probe;
        if (fromDatetime &&
            !formatDatetimeStyle(QDateTime::currentDateTime(), style.toInt(), &probe))
            unsupportedAt(QStringLiteral("CONVERT style %1").arg(style), given.pos);
        n.kids.pop_back();
    }
    const QString decimalFrom = target.isText() ? decimalTypeText(from) : QString();
    n.kids[0] = stringLiteral(type);
    n.kids.push_back(literal(style));
    n.kids.push_back(literal(fromDatetime ? QStringLiteral("1") : QStringLiteral("0")));
    if (!decimalFrom.isEmpty()) n.kids.push_back(stringLiteral(decimalFrom));
    n.text = QStringLiteral("tsql_convert");
    n.flags |= Synthetic;
}

void ExpressionPass::arithmetic(Node& n) {
    if (n.kind != NodeKind::Binary || n.has(Synthetic)) return;
    QString fn;
    if (n.text == QLatin1String("*")) fn = QStringLiteral("tsql_mul");
    if (n.text == QLatin1String("+")) fn = QStringLiteral("tsql_add");
    if (n.text == QLatin1String("-")) fn = QStringLiteral("tsql_sub");
    if (fn.isEmpty()) return;
    n = call(fn, std::move(n.kids));
}

}  // namespace engine
