#include "engine/StaticTypes.h"

#include <limits>

#include "engine/Clauses.h"
#include "engine/Dialect.h"
#include "engine/NumericTypes.h"
#include "engine/Tokenizer.h"

namespace engine {

namespace {

// The types literals and functions give, parsed once.
enum class Fixed { Text, Int, Datetime };

const TypeSpec& typeOf(Fixed f) {
    static const TypeSpec types[] = {parseTypeSpec(QStringLiteral("varchar(max)")),
                                     parseTypeSpec(QStringLiteral("int")),
                                     parseTypeSpec(QStringLiteral("datetime"))};
    return types[static_cast<int>(f)];
}

QString nameOf(const Piece& p) { return identifierName(Token{p.kind, p.text, 0}); }

QString literalOf(const Piece& p) { return stringValue(Token{p.kind, p.text, 0}); }

bool sameKind(const TypeSpec& a, const TypeSpec& b) {
    return a.base == b.base || (a.isText() && b.isText());
}

bool isNullWord(const Pieces& s, int from, int to) { return from == to && isKw(s[from], "NULL"); }

}  // namespace

TypeSpec higherType(const TypeSpec& a, const TypeSpec& b) {
    if (typeRank(a) == 0 || typeRank(b) == 0) return {};
    return typeRank(b) > typeRank(a) ? b : a;
}

StaticTypes::StaticTypes(const SchemaInfo& schema, const Pieces& s) : schema_(schema) {
    for (int j = 0; j + 1 < static_cast<int>(s.size()); ++j) {
        if (isKw(s[j], "FROM") || isKw(s[j], "JOIN") || isKw(s[j], "UPDATE") || isKw(s[j], "INTO"))
            addReference(s, j + 1);
    }
}

void StaticTypes::addReference(const Pieces& s, int k) {
    const int n = static_cast<int>(s.size());
    auto name = [&](const QString& key, const QString& table) {
        auto it = tableOf_.find(key.toLower());
        if (it == tableOf_.end())
            tableOf_.insert(key.toLower(), table);
        else if (*it != table)
            *it = QString();  // one alias for two tables: left to the column's name
    };
    // A comma list after FROM names one table after another.
    while (k < n) {
        QString table;
        if (isPunct(s[k], '(')) {
            k = closeParen(s, k) + 1;
        } else if (isIdentifier(s[k])) {
            while (k + 2 < n && isOp(s[k + 1], ".") && isIdentifier(s[k + 2])) k += 2;
            table = nameOf(s[k++]).toLower();
            if (!tables_.contains(table)) tables_ << table;
            name(table, table);
        } else {
            return;
        }
        if (k < n && isKw(s[k], "AS")) ++k;
        if (k < n && isIdentifier(s[k])) name(nameOf(s[k++]), table);
        if (!(k < n && isPunct(s[k], ','))) return;
        ++k;
    }
}

StaticTypes::Column StaticTypes::column(const Pieces& s, int from, int to) const {
    // A statement names the same columns again and again.
    const QString key = to > from ? s[to - 2].text + u'.' + s[to].text : s[to].text;
    auto it = columns_.constFind(key);
    if (it == columns_.constEnd()) it = columns_.insert(key, lookUp(s, from, to));
    return *it;
}

StaticTypes::Column StaticTypes::lookUp(const Pieces& s, int from, int to) const {
    const QString name = nameOf(s[to]).toLower();
    if (to > from) {
        const QString qualifier = nameOf(s[to - 2]).toLower();
        const auto it = tableOf_.constFind(qualifier);
        const QString table = it != tableOf_.constEnd() ? *it : qualifier;
        const TypeSpec t = table.isEmpty() ? TypeSpec{} : schema_.columnType(table, name);
        if (t.base != TypeSpec::Base::Unknown)
            return {true, t, schema_.isCaseInsensitive(table, name)};
    } else {
        Column found;
        for (const QString& table : tables_) {
            const TypeSpec t = schema_.columnType(table, name);
            if (t.base == TypeSpec::Base::Unknown) continue;
            if (found.resolved && !sameKind(found.type, t)) return {};
            const bool ci = schema_.isCaseInsensitive(table, name);
            found = {true, t, ci && (!found.resolved || found.caseInsensitive)};
        }
        if (found.resolved) return found;
    }
    // A derived table's column, or one the statement's tables do not declare.
    return {false, schema_.anyColumnType(name), false};
}

bool StaticTypes::isCaseInsensitiveColumn(const Pieces& s, int from, int to) const {
    if (!isColumnChain(s, from, to)) return false;
    const Column c = column(s, from, to);
    return c.resolved && c.caseInsensitive;
}

TypeSpec StaticTypes::of(const Pieces& s, int from, int to) const {
    if (from > to) return {};
    while (from < to && isPunct(s[from], '(') && closeParen(s, from) == to) {
        ++from;
        --to;
    }
    if (to - 1 > from && isKw(s[to - 1], "COLLATE")) return of(s, from, to - 2);
    bool binary = false;
    const TypeSpec t = operatorType(s, from, to, &binary);
    if (binary) return t;
    const Piece& p = s[from];
    if (from < to && (isOp(p, "-") || isOp(p, "+"))) {
        const TypeSpec signedType = of(s, from + 1, to);
        return signedType.isNumeric() ? signedType : TypeSpec{};
    }
    if (from == to) {
        if (p.kind == TokenKind::String || p.kind == TokenKind::NString) return typeOf(Fixed::Text);
        if (p.kind == TokenKind::Number) return numberLiteralType(p.text);
    }
    if (isKw(p, "CASE") && caseEnd(s, from) == to) return caseType(s, from);
    if (from + 1 <= to && (isIdentifier(p) || isKw(p, "LEFT") || isKw(p, "RIGHT")) &&
        isPunct(s[from + 1], '(') && closeParen(s, from + 1) == to)
        return callType(s, from, to);
    if (isColumnChain(s, from, to)) return column(s, from, to).type;
    return {};
}

TypeSpec StaticTypes::operatorType(const Pieces& s, int from, int to, bool* found) const {
    // The binary operators at the top level: + and - bind loosest, so they split first.
    std::vector<int> additive, multiplicative;
    int depth = 0;
    for (int j = from; j <= to; ++j) {
        if (isPunct(s[j], '(') || isKw(s[j], "CASE")) ++depth;
        if (isPunct(s[j], ')') || isKw(s[j], "END")) --depth;
        if (depth != 0 || j == from || !endsOperand(s[j - 1])) continue;
        if (isOp(s[j], "+") || isOp(s[j], "-"))
            additive.push_back(j);
        else if (isOp(s[j], "*") || isOp(s[j], "/") || isOp(s[j], "%"))
            multiplicative.push_back(j);
    }
    const std::vector<int>& ops = additive.empty() ? multiplicative : additive;
    *found = !ops.empty();
    if (!*found) return {};
    // Left to right; texts added are a text, any number makes the whole a number.
    TypeSpec result = of(s, from, ops.front() - 1);
    for (size_t k = 0; k < ops.size(); ++k) {
        const TypeSpec t = of(s, ops[k] + 1, k + 1 < ops.size() ? ops[k + 1] - 1 : to);
        if (typeRank(result) == 0 || typeRank(t) == 0) return {};
        const char op = s[ops[k]].text.at(0).toLatin1();
        if (result.isText() && t.isText()) {
            if (op != '+') return {};
            result = typeOf(Fixed::Text);
            continue;
        }
        result = operatorResult(op, result, t);
    }
    return result;
}

TypeSpec StaticTypes::caseType(const Pieces& s, int from) const {
    TypeSpec result;
    for (auto [a, b] : caseResults(s, from)) {
        if (isNullWord(s, a, b)) continue;
        const TypeSpec t = of(s, a, b);
        if (typeRank(t) == 0) return {};
        result = result.base == TypeSpec::Base::Unknown ? t : branchResult(result, t);
    }
    return result;
}

TypeSpec StaticTypes::callType(const Pieces& s, int from, int to) const {
    const QString name = s[from].text.toUpper();
    const auto args = splitTopLevel(s, from + 2, to - 1);
    const int argc = static_cast<int>(args.size());
    auto argType = [&](int k) {
        return k < argc ? of(s, args[k].first, args[k].second) : TypeSpec{};
    };
    // A type given as a quoted argument of the engine's own functions.
    auto quotedType = [&](int k) {
        return k < argc && s[args[k].first].kind == TokenKind::String
                   ? parseTypeSpec(literalOf(s[args[k].first]))
                   : TypeSpec{};
    };
    const FunctionInfo* f = findCallee(name);
    switch (f ? f->result : ResultRule::TextOfFirst) {
        case ResultRule::Int:
            return typeOf(Fixed::Int);
        case ResultRule::Datetime:
            return typeOf(Fixed::Datetime);
        case ResultRule::Sum:
            return sumResult(argType(0));
        case ResultRule::Avg:
            return avgResult(argType(0));
        case ResultRule::FirstArgument:
            return argType(0);
        case ResultRule::Coalesce: {
            TypeSpec result;
            for (int k = 0; k < argc; ++k) {
                if (isNullWord(s, args[k].first, args[k].second)) continue;
                const TypeSpec t = argType(k);
                result = result.base == TypeSpec::Base::Unknown ? t : branchResult(result, t);
                if (result.base == TypeSpec::Base::Unknown) return {};
            }
            return result;
        }
        case ResultRule::CastAs:
            for (int j = to - 1; j > from + 1; --j) {
                if (isKw(s[j], "AS")) return parseTypeSpec(joinPieces(s, j + 1, to - 1));
            }
            return {};
        case ResultRule::ConvertTo:
            return argc > 0 ? parseTypeSpec(joinPieces(s, args[0].first, args[0].second))
                            : TypeSpec{};
        case ResultRule::QuotedFirst:
            return quotedType(0);
        case ResultRule::QuotedSecond:
            return quotedType(1);
        case ResultRule::QuotedLast:
            return quotedType(argc - 1);
        case ResultRule::Additive: {
            const TypeSpec a = argType(0), b = argType(1);
            return a.isText() && b.isText() ? a : operatorResult('+', a, b);
        }
        case ResultRule::Multiplicative:
            return operatorResult('*', argType(0), argType(1));
        case ResultRule::TextOfFirst:
            break;
    }
    // LEFT, RIGHT, SUBSTRING, REPLACE, UPPER ...: a text of the first argument's kind.
    TypeSpec text = typeOf(Fixed::Text);
    const TypeSpec first = argType(0);
    if (first.isText()) text.name = first.name;
    return text;
}

}  // namespace engine
