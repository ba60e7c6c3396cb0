#include "engine/ExpressionRewriter.h"

#include "engine/DateTimeText.h"
#include "engine/Dialect.h"
#include "engine/Tokenizer.h"

namespace engine {

namespace {

TypeSpec typeOf(const char* text) { return parseTypeSpec(QLatin1String(text)); }

QString quoted(const QString& text) {
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

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

QString typeText(const TypeSpec& t) {
    if (t.isText()) {
        const QString base =
            t.base == TypeSpec::Base::Char ? QStringLiteral("char") : QStringLiteral("varchar");
        return t.length > 0 ? QStringLiteral("%1(%2)").arg(base).arg(t.length)
                            : base + QStringLiteral("(max)");
    }
    // A bare NUMERIC (the embedded schema's quantities) keeps any scale.
    if (t.base == TypeSpec::Base::Numeric && !t.scaleGiven) return QStringLiteral("numeric");
    if (t.base == TypeSpec::Base::Numeric)
        return QStringLiteral("numeric(%1,%2)").arg(t.precision).arg(t.scale);
    if (t.base == TypeSpec::Base::Int) return t.name.isEmpty() ? QStringLiteral("int") : t.name;
    if (t.base == TypeSpec::Base::Float) return QStringLiteral("float");
    if (t.base == TypeSpec::Base::Date) return QStringLiteral("date");
    return QStringLiteral("datetime");
}

}  // namespace

int wrapCall(Pieces& s, int from, int to, const QString& fn, const QString& extra) {
    Pieces tail;
    if (!extra.isEmpty()) {
        tail.push_back(synth(TokenKind::Punct, QStringLiteral(",")));
        tail.push_back(synth(TokenKind::String, extra, QStringLiteral(" ")));
    }
    tail.push_back(synth(TokenKind::Punct, QStringLiteral(")")));
    s.insert(s.begin() + to + 1, tail.begin(), tail.end());
    const Pieces head{synth(TokenKind::Word, fn, s[from].lead),
                      synth(TokenKind::Punct, QStringLiteral("("))};
    s[from].lead.clear();
    s.insert(s.begin() + from, head.begin(), head.end());
    return to + 2 + static_cast<int>(tail.size());
}

void ExpressionRewriter::rewrite(Pieces& s) const {
    rewriteCaseTypes(s);
    rewriteFunctions(s);
    rewriteComparisons(s);
    rewriteArithmetic(s);
}

TypeSpec ExpressionRewriter::staticType(const Pieces& s, int from, int to) const {
    if (from > to) return {};
    while (from < to && isPunct(s[from], '(') && closeParen(s, from) == to) {
        ++from;
        --to;
    }
    // A sum or difference: text only when every operand is text.
    int depth = 0;
    std::vector<std::pair<int, int>> operands;
    int start = from;
    for (int j = from; j <= to; ++j) {
        if (isPunct(s[j], '(') || isKw(s[j], "CASE")) ++depth;
        if (isPunct(s[j], ')') || isKw(s[j], "END")) --depth;
        if (depth == 0 && j > start && (isOp(s[j], "+") || isOp(s[j], "-")) &&
            endsOperand(s[j - 1])) {
            operands.emplace_back(start, j - 1);
            start = j + 1;
        }
    }
    if (!operands.empty()) {
        operands.emplace_back(start, to);
        bool allText = true;
        TypeSpec numeric;
        for (auto [a, b] : operands) {
            const TypeSpec t = staticType(s, a, b);
            if (t.base == TypeSpec::Base::Unknown) return {};
            if (t.isNumeric() && numeric.base != TypeSpec::Base::Numeric &&
                numeric.base != TypeSpec::Base::Float)
                numeric = t;
            allText = allText && t.isText();
        }
        return allText ? typeOf("varchar(max)") : numeric;
    }
    const Piece& p = s[from];
    if (from == to) {
        if (p.kind == TokenKind::String || p.kind == TokenKind::NString)
            return typeOf("varchar(max)");
        if (p.kind == TokenKind::Number)
            return p.text.contains(u'.') || p.text.contains(u'e', Qt::CaseInsensitive)
                       ? typeOf("numeric(38,10)")
                       : typeOf("int");
    }
    if (from + 1 <= to && (isIdentifier(p) || isKw(p, "LEFT") || isKw(p, "RIGHT")) &&
        isPunct(s[from + 1], '(') && closeParen(s, from + 1) == to) {
        const QString name = p.text.toUpper();
        const int close = to;
        const auto args = splitTopLevel(s, from + 2, close - 1);
        auto argType = [&](int k) {
            return k < static_cast<int>(args.size()) ? staticType(s, args[k].first, args[k].second)
                                                     : TypeSpec{};
        };
        if (name == QLatin1String("COUNT") || name == QLatin1String("LEN") ||
            name == QLatin1String("DATEDIFF") || name == QLatin1String("ISNUMERIC"))
            return typeOf("int");
        if (name == QLatin1String("SUM") || name == QLatin1String("MIN") ||
            name == QLatin1String("MAX") || name == QLatin1String("ABS") ||
            name == QLatin1String("ISNULL") || name == QLatin1String("COALESCE"))
            return argType(0);
        if (name == QLatin1String("GETDATE")) return typeOf("datetime");
        if (name == QLatin1String("CAST")) {
            for (int j = close - 1; j > from + 1; --j) {
                if (isKw(s[j], "AS")) return parseTypeSpec(joinPieces(s, j + 1, close - 1));
            }
            return {};
        }
        if (name == QLatin1String("CONVERT") && !args.empty())
            return parseTypeSpec(joinPieces(s, args[0].first, args[0].second));
        return typeOf("varchar(max)");  // LEFT, RIGHT, SUBSTRING, REPLACE, UPPER ...
    }
    if (isIdentifier(p)) {
        // A column (or alias.column): the type its name has in the schema.
        int last = from;
        while (last + 2 <= to && isOp(s[last + 1], ".")) last += 2;
        if (last == to)
            return schema_.anyColumnType(identifierName(Token{s[last].kind, s[last].text, 0}));
    }
    return {};
}

void ExpressionRewriter::rewriteCaseTypes(Pieces& s) const {
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        if (!isKw(s[i], "CASE") || s[i].synthetic) continue;
        const int end = caseEnd(s, i);
        // Result expressions: after THEN and after ELSE, up to the next WHEN/ELSE/END of this CASE.
        std::vector<std::pair<int, int>> results;
        int depth = 0, open = -1;
        for (int j = i + 1; j <= end; ++j) {
            const bool top = depth == 0;
            if (isPunct(s[j], '(') || (isKw(s[j], "CASE") && j != i)) ++depth;
            if (isPunct(s[j], ')') || (isKw(s[j], "END") && j != end)) --depth;
            if (!top) continue;
            if (isKw(s[j], "WHEN") || isKw(s[j], "ELSE") || j == end) {
                if (open >= 0) results.emplace_back(open, j - 1);
                open = -1;
            }
            if (isKw(s[j], "THEN") || isKw(s[j], "ELSE")) open = j + 1;
        }
        TypeSpec numeric;
        for (auto [a, b] : results) {
            const TypeSpec t = staticType(s, a, b);
            if (t.isNumeric() && numeric.base != TypeSpec::Base::Numeric) numeric = t;
        }
        if (!numeric.isNumeric()) continue;
        // A numeric branch makes the CASE numeric: quoted branches are converted.
        for (auto it = results.rbegin(); it != results.rend(); ++it) {
            if (it->first == it->second && s[it->first].kind == TokenKind::String)
                wrapCall(s, it->first, it->second, QStringLiteral("tsql_cast"),
                         quoted(typeText(numeric)));
        }
    }
}

void ExpressionRewriter::rewriteFunctions(Pieces& s) const {
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        if (isFunctionName(s, i)) rewriteCall(s, i);
    }
}

void ExpressionRewriter::rewriteCall(Pieces& s, int name) const {
    const FunctionInfo* f = findFunction(s[name].text);
    if (!f) unsupported(QStringLiteral("function %1").arg(s[name].text.toUpper()));
    const int open = name + 1;
    const int close = closeParen(s, open);
    auto args = splitTopLevel(s, open + 1, close - 1);
    const int argc = static_cast<int>(args.size());
    if (argc < f->minArgs || argc > f->maxArgs)
        unsupported(QStringLiteral("%1 with %2 arguments").arg(QLatin1String(f->name)).arg(argc));
    switch (f->rule) {
        case FunctionRule::Native:
            return;
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
            if (parseTypeSpec(type).base == TypeSpec::Base::Unknown)
                unsupported(QStringLiteral("CAST to %1").arg(type));
            s[name].text = QLatin1String(f->target);
            s[as] = synth(TokenKind::Punct, QStringLiteral(","));
            s.erase(s.begin() + as + 1, s.begin() + close);
            s.insert(s.begin() + as + 1,
                     synth(TokenKind::String, quoted(type), QStringLiteral(" ")));
            return;
        }
        case FunctionRule::Convert: {
            const QString type = joinPieces(s, args[0].first, args[0].second).trimmed();
            if (parseTypeSpec(type).base == TypeSpec::Base::Unknown)
                unsupported(QStringLiteral("CONVERT to %1").arg(type));
            const TypeSpec from = staticType(s, args[1].first, args[1].second);
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
            const Pieces extra{
                synth(TokenKind::Punct, QStringLiteral(",")),
                synth(TokenKind::Number, style, QStringLiteral(" ")),
                synth(TokenKind::Punct, QStringLiteral(",")),
                synth(TokenKind::Number, fromDatetime ? QStringLiteral("1") : QStringLiteral("0"),
                      QStringLiteral(" "))};
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
            const TypeSpec t = staticType(s, args[0].first, args[0].second);
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
    }
}

void ExpressionRewriter::rewriteComparisons(Pieces& s) const {
    static const char* const ops[] = {"=", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>"};
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        if (s[i].kind != TokenKind::Operator || s[i].synthetic || s[i].assignment) continue;
        bool comparison = false;
        for (const char* op : ops) comparison = comparison || isOp(s[i], op);
        if (!comparison) continue;
        const int a = operandStart(s, i, true);
        const int b = operandEnd(s, i, true);
        auto single = [&](int x, int y, TokenKind k) { return x == y && s[x].kind == k; };
        auto plain = [&](int x, int y) {
            // A literal or a bare column keeps SQLite's own comparison (column affinity, CI_AS).
            if (x == y) return true;
            for (int j = x; j <= y; ++j) {
                if (!(isIdentifier(s[j]) || isOp(s[j], "."))) return false;
            }
            return true;
        };
        const bool quotedLeft = single(a, i - 1, TokenKind::String);
        const bool quotedRight = single(i + 1, b, TokenKind::String);
        const bool odd = isOp(s[i], "!<") || isOp(s[i], "!>");
        if (!odd && !((quotedLeft && !plain(i + 1, b)) || (quotedRight && !plain(a, i - 1))))
            continue;
        const QString op = s[i].text;
        const Pieces middle{synth(TokenKind::Punct, QStringLiteral(",")),
                            synth(TokenKind::String, quoted(op), QStringLiteral(" ")),
                            synth(TokenKind::Punct, QStringLiteral(","))};
        s.erase(s.begin() + i);
        s.insert(s.begin() + i, middle.begin(), middle.end());
        wrapCall(s, a, b + 2, QStringLiteral("tsql_cmp"));
        i = a;
    }
}

void ExpressionRewriter::rewriteArithmetic(Pieces& s) const {
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
