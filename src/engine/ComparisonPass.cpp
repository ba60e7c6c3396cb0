#include "engine/ComparisonPass.h"

#include "engine/EngineError.h"
#include "engine/Keywords.h"
#include "engine/TreeNodes.h"

namespace engine {

namespace {

enum class Kind { Unknown, Text, Number, Time };

Kind kindOf(const TypeSpec& t) {
    if (t.isText()) return Kind::Text;
    if (t.isNumeric()) return Kind::Number;
    if (t.base == TypeSpec::Base::Datetime || t.base == TypeSpec::Base::Date) return Kind::Time;
    return Kind::Unknown;
}

bool isComparison(const Node& n) {
    return n.kind == NodeKind::Binary && isComparisonOperator(n.text);
}

bool isColumn(const Node& n) {
    return n.kind == NodeKind::Column && n.kids.back().kind != NodeKind::Star;
}

// A number type for conversions: a bare NUMERIC takes the text's own scale.
TypeSpec conversionTarget(TypeSpec t) {
    if (t.base == TypeSpec::Base::Numeric) t.scaleGiven = false;
    return t;
}

}  // namespace

void ComparisonPass::run(Node& statement) const {
    walk(statement);
    collateTextKeys(statement);
}

// In the order the operators stand in the text, so that the later see the
// earlier rewritten.
void ComparisonPass::walk(Node& n) const {
    if (n.has(Synthetic)) {
        for (Node& k : n.kids) walk(k);
        return;
    }
    const bool simpleCase = n.kind == NodeKind::Case && n.kids[0].kind != NodeKind::When;
    if (simpleCase) {
        // CASE x WHEN a THEN ... WHEN b THEN ...: x = a, x = b.
        std::vector<Node*> items;
        for (Node& k : n.kids)
            if (k.kind == NodeKind::When) items.push_back(&k.kids[0]);
        matchList(n.kids[0], items);
    }
    if (simpleCase || n.kids.empty()) {
        for (Node& k : n.kids) walk(k);
        return;
    }
    walk(n.kids[0]);
    if (isComparison(n)) {
        walk(n.kids[1]);
        comparison(n);
        return;
    }
    if (n.kind == NodeKind::In && n.kids[1].kind != NodeKind::Query) {
        std::vector<Node*> items;
        for (size_t i = 1; i < n.kids.size(); ++i) items.push_back(&n.kids[i]);
        matchList(n.kids[0], items);
    } else if (n.kind == NodeKind::Between) {
        between(n);
    }
    for (size_t i = 1; i < n.kids.size(); ++i) walk(n.kids[i]);
}

bool ComparisonPass::comparesCiAs(const Node& left, const Node& right) const {
    // SQLite takes the left column's collation, else the right one's, else BINARY.
    if (isColumn(left)) return types_.isCaseInsensitiveColumn(left);
    if (isColumn(right)) return types_.isCaseInsensitiveColumn(right);
    return false;
}

void ComparisonPass::comparison(Node& n) const {
    if (n.text == QLatin1String("!<")) n.text = QStringLiteral(">=");
    if (n.text == QLatin1String("!>")) n.text = QStringLiteral("<=");
    Node& left = n.kids[0];
    Node& right = n.kids[1];
    const TypeSpec lt = types_.of(left), rt = types_.of(right);
    const Kind l = kindOf(lt), r = kindOf(rt);
    if (l == Kind::Text && r == Kind::Text) {
        if (!comparesCiAs(left, right)) collate(right);
        return;
    }
    const bool textAndNumber =
        (l == Kind::Text && r == Kind::Number) || (l == Kind::Number && r == Kind::Text);
    const bool textAndTime =
        (l == Kind::Text && r == Kind::Time) || (l == Kind::Time && r == Kind::Text);
    if (textAndNumber || textAndTime) {
        Node& text = l == Kind::Text ? left : right;
        const Node& other = l == Kind::Text ? right : left;
        // An indexed flag column against an integer (end_yn = 3) stays an index
        // look-up of the integer's text: equal for every plainly written integer.
        const bool equality = n.text == QLatin1String("=") || n.text == QLatin1String("<>") ||
                              n.text == QLatin1String("!=");
        if (equality && isIntegerLiteral(other) && types_.isCaseInsensitiveColumn(text)) return;
        convertText(text, conversionTarget(l == Kind::Text ? rt : lt));
        return;
    }
    const bool unknown = l == Kind::Unknown || r == Kind::Unknown;
    const bool plain =
        isColumn(left) || isColumn(right) || isNullLiteral(left) || isNullLiteral(right);
    if (!unknown || plain) return;
    // Types the tree does not tell: compared by the values' own types as they come.
    std::vector<Node> args;
    args.push_back(std::move(left));
    args.push_back(stringLiteral(n.text));
    args.push_back(std::move(n.kids[1]));
    n = call(QStringLiteral("tsql_cmp"), std::move(args));
}

// The text (of a text type) as the target type: a literal becomes the number (or
// datetime) itself; a literal that does not convert, and any other text, is
// converted when the statement runs and fails there as the server fails.
void ComparisonPass::convertText(Node& text, const TypeSpec& target) const {
    const bool time = !target.isNumeric();
    if (isStringLiteral(text)) {
        const QString value = literalValue(text);
        try {
            if (time) {
                text = stringLiteral(castAs(Value::ofText(value), target).s);
                return;
            }
            const Value v = numberFromText(value, target, QStringLiteral("varchar"));
            // A negative number would need parentheses after a minus: left to the call.
            if (v.number() >= 0) {
                text = literal(numberText(v));
                return;
            }
        } catch (const EngineError&) {
        }
        wrap(text, QStringLiteral("tsql_cast"), {typeText(target)});
        return;
    }
    const TypeSpec from = types_.of(text);
    if (time)
        wrap(text, QStringLiteral("tsql_cast"), {typeText(target)});
    else
        wrap(text, QStringLiteral("tsql_num"), {typeText(target), textTypeName(from)});
}

void ComparisonPass::matchList(Node& x, const std::vector<Node*>& items) const {
    bool allText = true, allNumber = true, allInteger = true;
    TypeSpec highest;
    std::vector<TypeSpec> types;
    for (const Node* item : items) {
        types.push_back(types_.of(*item));
        const Kind k = kindOf(types.back());
        allText = allText && k == Kind::Text;
        allNumber = allNumber && k == Kind::Number;
        allInteger = allInteger && isIntegerLiteral(*item);
        if (k == Kind::Number)
            highest = highest.isNumeric() ? higherType(highest, types.back()) : types.back();
    }
    const TypeSpec xt = types_.of(x);
    const Kind kx = kindOf(xt);
    if (kx == Kind::Text && allText) {
        if (!types_.isCaseInsensitiveColumn(x)) collate(x);
    } else if (kx == Kind::Text && allNumber) {
        // As for = with an integer: the flag column keeps its index.
        if (!(allInteger && types_.isCaseInsensitiveColumn(x)))
            convertText(x, conversionTarget(highest));
    } else if (kx == Kind::Number) {
        for (size_t i = 0; i < items.size(); ++i) {
            if (kindOf(types[i]) == Kind::Text) convertText(*items[i], conversionTarget(xt));
        }
    }
}

void ComparisonPass::between(Node& n) const {
    bool anyNumber = false, known = true;
    TypeSpec target;
    TypeSpec types[3];
    for (int k = 0; k < 3; ++k) {
        types[k] = types_.of(n.kids[k]);
        const Kind kind = kindOf(types[k]);
        known = known && (kind == Kind::Text || kind == Kind::Number);
        if (kind == Kind::Number) {
            target = anyNumber ? higherType(target, types[k]) : types[k];
            anyNumber = true;
        }
    }
    if (!known) return;
    if (!anyNumber) {
        if (!types_.isCaseInsensitiveColumn(n.kids[0])) collate(n.kids[0]);
        return;
    }
    // The bounds order by number: every text among the three becomes one.
    for (int k = 0; k < 3; ++k) {
        if (kindOf(types[k]) == Kind::Text) convertText(n.kids[k], conversionTarget(target));
    }
}

void ComparisonPass::collateKey(Node& n) const {
    if (isStringLiteral(n)) return;
    if (types_.of(n).isText() && !types_.isCaseInsensitiveColumn(n)) collate(n);
}

void ComparisonPass::collateTextKeys(Node& statement) const {
    visit(statement, [this](Node& n) {
        if (n.has(Synthetic) && n.kind != NodeKind::Select) return;
        const bool minMax = n.kind == NodeKind::Call &&
                            (n.text == QLatin1String("MIN") || n.text == QLatin1String("MAX"));
        if (minMax && n.kids.size() == 1) {
            collateKey(n.kids[0]);
        } else if (n.kind == NodeKind::GroupBy) {
            for (Node& k : n.kids) collateKey(k);
        } else if (n.kind == NodeKind::Select && n.has(Distinct)) {
            for (Node& item : n.find(NodeKind::SelectList)->kids) collateKey(item.kids[0]);
        }
    });
}

}  // namespace engine
