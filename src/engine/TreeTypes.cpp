#include "engine/TreeTypes.h"

#include "engine/Dialect.h"
#include "engine/NumericTypes.h"
#include "engine/TreeNodes.h"

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

bool sameKind(const TypeSpec& a, const TypeSpec& b) {
    return a.base == b.base || (a.isText() && b.isText());
}

bool isArithmetic(const QString& op) {
    return op.size() == 1 && QStringLiteral("+-*/%").contains(op[0]);
}

}  // namespace

TypeSpec higherType(const TypeSpec& a, const TypeSpec& b) {
    if (typeRank(a) == 0 || typeRank(b) == 0) return {};
    return typeRank(b) > typeRank(a) ? b : a;
}

TreeTypes::TreeTypes(const SchemaInfo& schema, const Node& statement) : schema_(schema) {
    visit(statement, [this](const Node& n) {
        switch (n.kind) {
            case NodeKind::From:
                for (const Node& k : n.kids) addReferences(k);
                break;
            case NodeKind::Insert:
            case NodeKind::Update:
            case NodeKind::Delete:
                addReferences(n.kids[0]);
                break;
            default:
                break;
        }
    });
}

void TreeTypes::name(const QString& key, const QString& table) {
    auto it = tableOf_.find(key.toLower());
    if (it == tableOf_.end())
        tableOf_.insert(key.toLower(), table);
    else if (*it != table)
        *it = QString();  // one alias for two tables: left to the column's name
}

void TreeTypes::addReferences(const Node& n) {
    switch (n.kind) {
        case NodeKind::Table: {
            const QString table = n.kids.back().text.toLower();
            if (!tables_.contains(table)) tables_ << table;
            name(table, table);
            if (!n.text.isEmpty()) name(n.text, table);
            break;
        }
        case NodeKind::Derived:
            name(n.text, QString());
            break;
        case NodeKind::Join:
            addReferences(n.kids[0]);
            addReferences(n.kids[1]);
            break;
        case NodeKind::Paren:
            addReferences(n.kids[0]);
            break;
        default:
            break;
    }
}

TreeTypes::Column TreeTypes::column(const Node& n) const {
    const int parts = static_cast<int>(n.kids.size());
    const QString qualifier = parts > 1 ? n.kids[parts - 2].text : QString();
    // A statement names the same columns again and again.
    const QString key = qualifier + u'.' + n.kids.back().text;
    auto it = columns_.constFind(key);
    if (it == columns_.constEnd())
        it = columns_.insert(key, lookUp(qualifier.toLower(), n.kids.back().text.toLower()));
    return *it;
}

TreeTypes::Column TreeTypes::lookUp(const QString& qualifier, const QString& name) const {
    if (!qualifier.isEmpty()) {
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

bool TreeTypes::isCaseInsensitiveColumn(const Node& n) const {
    if (n.kind != NodeKind::Column || n.kids.back().kind == NodeKind::Star) return false;
    const Column c = column(n);
    return c.resolved && c.caseInsensitive;
}

TypeSpec TreeTypes::of(const Node& n) const {
    switch (n.kind) {
        case NodeKind::Paren:
        case NodeKind::Collate:
            return of(n.kids[0]);
        case NodeKind::Literal:
            if (isStringLiteral(n)) return typeOf(Fixed::Text);
            return isNullLiteral(n) ? TypeSpec{} : numberLiteralType(n.text);
        case NodeKind::Column:
            return n.kids.back().kind == NodeKind::Star ? TypeSpec{} : column(n).type;
        case NodeKind::Unary: {
            if (n.text != QLatin1String("-") && n.text != QLatin1String("+")) return {};
            const TypeSpec t = of(n.kids[0]);
            return t.isNumeric() ? t : TypeSpec{};
        }
        case NodeKind::Binary:
            return isArithmetic(n.text) ? arithmetic(n) : TypeSpec{};
        case NodeKind::Case:
            return caseType(n);
        case NodeKind::Cast:
            return parseTypeSpec(n.kids[1].text);
        case NodeKind::Call:
            return callType(n);
        default:
            return {};
    }
}

TypeSpec TreeTypes::arithmetic(const Node& n) const {
    // Texts added are a text, any number makes the whole a number.
    const TypeSpec a = of(n.kids[0]), b = of(n.kids[1]);
    if (typeRank(a) == 0 || typeRank(b) == 0) return {};
    if (a.isText() && b.isText())
        return n.text == QLatin1String("+") ? typeOf(Fixed::Text) : TypeSpec{};
    return operatorResult(n.text.at(0).toLatin1(), a, b);
}

TypeSpec TreeTypes::caseType(const Node& n) const {
    TypeSpec result;
    for (const Node& k : n.kids) {
        if (k.kind != NodeKind::When && k.kind != NodeKind::Else) continue;
        const Node& value = k.kids.back();
        if (isNullLiteral(value)) continue;
        const TypeSpec t = of(value);
        if (typeRank(t) == 0) return {};
        result = result.base == TypeSpec::Base::Unknown ? t : branchResult(result, t);
    }
    return result;
}

TypeSpec TreeTypes::callType(const Node& n) const {
    const std::vector<Node>& args = n.kids;
    const int argc = static_cast<int>(args.size());
    auto argType = [&](int k) { return k >= 0 && k < argc ? of(args[k]) : TypeSpec{}; };
    // A type given as a quoted argument of the engine's own functions.
    auto quotedType = [&](int k) {
        return k >= 0 && k < argc && isStringLiteral(args[k]) ? parseTypeSpec(literalValue(args[k]))
                                                              : TypeSpec{};
    };
    const FunctionInfo* f = findCallee(n.text);
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
            for (const Node& a : args) {
                if (isNullLiteral(a)) continue;
                const TypeSpec t = of(a);
                result = result.base == TypeSpec::Base::Unknown ? t : branchResult(result, t);
                if (result.base == TypeSpec::Base::Unknown) return {};
            }
            return result;
        }
        case ResultRule::CastAs:
            return {};  // CAST is a node of its own
        case ResultRule::ConvertTo:
            return argc > 0 && args[0].kind == NodeKind::Type ? parseTypeSpec(args[0].text)
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
