#include "engine/ExpressionRewriter.h"

#include "engine/Clauses.h"
#include "engine/ComparisonRewriter.h"
#include "engine/DateTimeText.h"
#include "engine/Dialect.h"
#include "engine/NumericTypes.h"
#include "engine/Tokenizer.h"

namespace engine {

namespace {

bool isFunctionName(const Pieces& s, int i) {
    if (s[i].synthetic || i + 1 >= static_cast<int>(s.size()) || !isPunct(s[i + 1], '('))
        return false;
    if (!(isIdentifier(s[i]) || isKw(s[i], "LEFT") || isKw(s[i], "RIGHT"))) return false;
    if (s[i].kind != TokenKind::Word) return false;
    // A table name before its column list is no call.
    if (i > 0 && (isKw(s[i - 1], "INTO") || isKw(s[i - 1], "TABLE") || isOp(s[i - 1], ".")))
        return false;
    return true;
}

}  // namespace

void ExpressionRewriter::rewrite(Pieces& s) const {
    const StaticTypes types(schema_, s);
    rewriteCaseTypes(s, types);
    rewriteFunctions(s, types);
    ComparisonRewriter(types).rewrite(s);
    rewriteArithmetic(s);
}

void ExpressionRewriter::rewriteCaseTypes(Pieces& s, const StaticTypes& types) const {
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        if (!isKw(s[i], "CASE") || s[i].synthetic) continue;
        const auto results = caseResults(s, i);
        TypeSpec numeric;
        for (auto [a, b] : results) {
            const TypeSpec t = types.of(s, a, b);
            if (t.isNumeric()) numeric = numeric.isNumeric() ? higherType(numeric, t) : t;
        }
        if (!numeric.isNumeric()) continue;
        // A numeric branch makes the CASE numeric: text branches are converted.
        for (auto it = results.rbegin(); it != results.rend(); ++it) {
            const TypeSpec t = types.of(s, it->first, it->second);
            if (!t.isText()) continue;
            if (it->first == it->second && s[it->first].kind == TokenKind::String)
                wrapCall(s, it->first, it->second, QStringLiteral("tsql_cast"),
                         quoted(typeText(numeric)));
            else
                wrapCall(s, it->first, it->second, QStringLiteral("tsql_num"),
                         {quoted(typeText(numeric)), quoted(textTypeName(t))});
        }
    }
}

void ExpressionRewriter::rewriteFunctions(Pieces& s, const StaticTypes& types) const {
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        if (isFunctionName(s, i)) rewriteCall(s, i, types);
    }
}

void ExpressionRewriter::rewriteCall(Pieces& s, int name, const StaticTypes& types) const {
    const FunctionInfo* f = findFunction(s[name].text);
    if (!f) unsupported(QStringLiteral("function %1").arg(s[name].text.toUpper()));
    const int open = name + 1;
    const int close = closeParen(s, open);
    auto args = splitTopLevel(s, open + 1, close - 1);
    const int argc = static_cast<int>(args.size());
    if (argc < f->minArgs || argc > f->maxArgs)
        unsupported(QStringLiteral("%1 with %2 arguments").arg(QLatin1String(f->name)).arg(argc));
    switch (f->rule) {
        case FunctionRule::Native: {
            const TypeSpec t = argc > 0 ? types.of(s, args[0].first, args[0].second) : TypeSpec{};
            // SUM of a NUMERIC in decimal, as the server sums it.
            if (QLatin1String(f->name) == QLatin1String("SUM") &&
                t.base == TypeSpec::Base::Numeric) {
                s[name].text = QStringLiteral("tsql_sum");
                s[name].synthetic = true;
            }
            // AVG in decimal at the server's scale, or of integers an integer.
            if (QLatin1String(f->name) == QLatin1String("AVG") &&
                (t.base == TypeSpec::Base::Numeric || t.base == TypeSpec::Base::Int)) {
                const int scale = t.base == TypeSpec::Base::Int ? 0 : avgResult(t).scale;
                s[name].text = QStringLiteral("tsql_avg");
                s[name].synthetic = true;
                s.insert(s.begin() + close,
                         {synth(TokenKind::Punct, QStringLiteral(",")),
                          synth(TokenKind::Number, QString::number(scale), QStringLiteral(" "))});
            }
            return;
        }
        case FunctionRule::Rename:
            s[name].text = QLatin1String(f->target);
            return;
        case FunctionRule::Cast: {
            int as = -1;
            for (int j = close - 1; j > open; --j) {
                if (isKw(s[j], "AS")) {
                    as = j;
                    break;
                }
            }
            if (as < 0) unsupported(QStringLiteral("CAST without AS"));
            const QString type = joinPieces(s, as + 1, close - 1).trimmed();
            const TypeSpec target = parseTypeSpec(type);
            if (target.base == TypeSpec::Base::Unknown)
                unsupported(QStringLiteral("CAST to %1").arg(type));
            // A decimal written as text shows its type's places: 2.00, not 2.
            const QString from =
                target.isText() ? decimalTypeText(types.of(s, open + 1, as - 1)) : QString();
            s[name].text = QLatin1String(f->target);
            s[as] = synth(TokenKind::Punct, QStringLiteral(","));
            s.erase(s.begin() + as + 1, s.begin() + close);
            Pieces extra{synth(TokenKind::String, quoted(type), QStringLiteral(" "))};
            if (!from.isEmpty()) {
                extra.push_back(synth(TokenKind::Punct, QStringLiteral(",")));
                extra.push_back(synth(TokenKind::String, quoted(from), QStringLiteral(" ")));
            }
            s.insert(s.begin() + as + 1, extra.begin(), extra.end());
            return;
        }
        case FunctionRule::Convert: {
            const QString type = joinPieces(s, args[0].first, args[0].second).trimmed();
            if (parseTypeSpec(type).base == TypeSpec::Base::Unknown)
                unsupported(QStringLiteral("CONVERT to %1").arg(type));
            const TypeSpec from = types.of(s, args[1].first, args[1].second);
            const bool fromDatetime =
                from.base == TypeSpec::Base::Datetime || from.base == TypeSpec::Base::Date;
            QString style = QStringLiteral("NULL");
            if (argc == 3) {
                if (args[2].first != args[2].second || s[args[2].first].kind != TokenKind::Number)
                    unsupported(QStringLiteral("CONVERT with a computed style"));
                style = s[args[2].first].text;
                QString probe;
                if (fromDatetime &&
                    !formatDatetimeStyle(QDateTime::currentDateTime(), style.toInt(), &probe))
                    unsupported(QStringLiteral("CONVERT style %1").arg(style));
                // Drop ", style": it is passed again below, after the value.
                s.erase(s.begin() + args[1].second + 1, s.begin() + close);
            }
            const QString decimalFrom =
                parseTypeSpec(type).isText() ? decimalTypeText(from) : QString();
            Pieces extra{
                synth(TokenKind::Punct, QStringLiteral(",")),
                synth(TokenKind::Number, style, QStringLiteral(" ")),
                synth(TokenKind::Punct, QStringLiteral(",")),
                synth(TokenKind::Number, fromDatetime ? QStringLiteral("1") : QStringLiteral("0"),
                      QStringLiteral(" "))};
            if (!decimalFrom.isEmpty()) {
                extra.push_back(synth(TokenKind::Punct, QStringLiteral(",")));
                extra.push_back(synth(TokenKind::String, quoted(decimalFrom), QStringLiteral(" ")));
            }
            s.insert(s.begin() + args[1].second + 1, extra.begin(), extra.end());
            s[name].text = QLatin1String(f->target);
            s.erase(s.begin() + args[0].first, s.begin() + args[0].second + 1);
            s.insert(s.begin() + args[0].first, synth(TokenKind::String, quoted(type)));
            return;
        }
        case FunctionRule::Datediff: {
            const QString unit =
                args[0].first == args[0].second ? datediffUnit(s[args[0].first].text) : QString();
            if (unit.isEmpty())
                unsupported(QStringLiteral("DATEDIFF unit %1")
                                .arg(joinPieces(s, args[0].first, args[0].second).trimmed()));
            s[name].text = QLatin1String(f->target);
            s[args[0].first] = synth(TokenKind::String, quoted(unit), s[args[0].first].lead);
            return;
        }
        case FunctionRule::Isnull: {
            const TypeSpec t = types.of(s, args[0].first, args[0].second);
            if (t.base == TypeSpec::Base::Unknown) {
                s[name].text = QLatin1String(f->target);
                return;
            }
            // The replacement takes the first argument's type, as on SQL Server.
            s[name].text = QStringLiteral("coalesce");
            s[name].synthetic = true;
            wrapCall(s, args[1].first, args[1].second, QStringLiteral("tsql_cast"),
                     quoted(typeText(t)));
            return;
        }
        case FunctionRule::Internal:  // never a name of the statements (findFunction)
            return;
    }
}

void ExpressionRewriter::rewriteArithmetic(Pieces& s) const {
    // * first: it binds tighter than + and -, whose operands then hold its calls.
    for (int i = 1; i + 1 < static_cast<int>(s.size()); ++i) {
        if (!isOp(s[i], "*") || s[i].synthetic || !endsOperand(s[i - 1]) ||
            !beginsOperand(s[i + 1]))
            continue;
        if (i >= 2 && isKw(s[i - 2], "TOP")) continue;  // SELECT TOP 5 * FROM
        const int a = operandStart(s, i, false);
        const int b = factorEnd(s, i);
        s[i] = synth(TokenKind::Punct, QStringLiteral(","), s[i].lead);
        wrapCall(s, a, b, QStringLiteral("tsql_mul"));
        i = a;
    }
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        const bool plus = isOp(s[i], "+"), minus = isOp(s[i], "-");
        if ((!plus && !minus) || s[i].synthetic || i == 0 || !endsOperand(s[i - 1])) continue;
        const int a = operandStart(s, i, false);
        const int b = operandEnd(s, i, false);
        s[i] = synth(TokenKind::Punct, QStringLiteral(","), s[i].lead);
        wrapCall(s, a, b, plus ? QStringLiteral("tsql_add") : QStringLiteral("tsql_sub"));
        i = a;
    }
}

}  // namespace engine
