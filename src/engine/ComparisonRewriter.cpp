#include "engine/ComparisonRewriter.h"

#include "engine/Clauses.h"
#include "engine/EngineError.h"
#include "engine/Tokenizer.h"

namespace engine {

namespace {

enum class Kind { Unknown, Text, Number, Time };

Kind kindOf(const TypeSpec& t) {
    if (t.isText()) return Kind::Text;
    if (t.isNumeric()) return Kind::Number;
    if (t.base == TypeSpec::Base::Datetime || t.base == TypeSpec::Base::Date) return Kind::Time;
    return Kind::Unknown;
}

int size(const Pieces& s) { return static_cast<int>(s.size()); }

bool isComparison(const Piece& p) {
    for (const char* op : {"=", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>"}) {
        if (isOp(p, op)) return true;
    }
    return false;
}

bool isStringLiteral(const Pieces& s, int from, int to) {
    return from == to && s[from].kind == TokenKind::String;
}

bool isIntegerLiteral(const Pieces& s, int from, int to) {
    return from == to && s[from].kind == TokenKind::Number && !s[from].text.contains(u'.') &&
           !s[from].text.contains(u'e', Qt::CaseInsensitive);
}

bool isNullWord(const Pieces& s, int from, int to) { return from == to && isKw(s[from], "NULL"); }

// ( x COLLATE CI_AS ): one primary for every later rewrite.
void collate(Pieces& s, int from, int to) {
    const Pieces tail{synth(TokenKind::Word, QStringLiteral("COLLATE"), QStringLiteral(" ")),
                      synth(TokenKind::Word, QStringLiteral("CI_AS"), QStringLiteral(" ")),
                      synth(TokenKind::Punct, QStringLiteral(")"))};
    s.insert(s.begin() + to + 1, tail.begin(), tail.end());
    s.insert(s.begin() + from, synth(TokenKind::Punct, QStringLiteral("("), s[from].lead));
    s[from + 1].lead.clear();
}

// The text s[from..to] (of type text) as the target type: a literal becomes the
// number (or datetime) itself; a literal that does not convert, and any other
// text, is converted when the statement runs and fails there as the server fails.
void convertText(Pieces& s, int from, int to, const TypeSpec& text, const TypeSpec& target) {
    const bool time = !target.isNumeric();
    if (isStringLiteral(s, from, to)) {
        const QString value = stringValue(Token{s[from].kind, s[from].text, 0});
        try {
            if (time) {
                const Value v = castAs(Value::ofText(value), target);
                s[from] = synth(TokenKind::String, quoted(v.s), s[from].lead);
                return;
            }
            const Value v = numberFromText(value, target, QStringLiteral("varchar"));
            // A negative number would need parentheses after a minus: left to the call.
            if (v.number() >= 0) {
                s[from] = synth(TokenKind::Number, numberText(v), s[from].lead);
                return;
            }
        } catch (const EngineError&) {
        }
        wrapCall(s, from, to, QStringLiteral("tsql_cast"), quoted(typeText(target)));
        return;
    }
    if (time) {
        wrapCall(s, from, to, QStringLiteral("tsql_cast"), quoted(typeText(target)));
        return;
    }
    wrapCall(s, from, to, QStringLiteral("tsql_num"),
             {quoted(typeText(target)), quoted(textTypeName(text))});
}

// A number type for conversions: a bare NUMERIC takes the text's own scale.
TypeSpec conversionTarget(TypeSpec t) {
    if (t.base == TypeSpec::Base::Numeric) t.scaleGiven = false;
    return t;
}

}  // namespace

ComparisonRewriter::Operand ComparisonRewriter::operand(const Pieces& s, int from, int to) const {
    return {from, to, types_.of(s, from, to)};
}

bool ComparisonRewriter::isCiColumn(const Pieces& s, const Operand& o) const {
    return types_.isCaseInsensitiveColumn(s, o.from, o.to);
}

bool ComparisonRewriter::comparesCiAs(const Pieces& s, const Operand& left,
                                      const Operand& right) const {
    // SQLite takes the left column's collation, else the right one's, else BINARY.
    if (isColumnChain(s, left.from, left.to)) return isCiColumn(s, left);
    if (isColumnChain(s, right.from, right.to)) return isCiColumn(s, right);
    return false;
}

void ComparisonRewriter::rewrite(Pieces& s) const {
    for (int i = 0; i < size(s); ++i) {
        const Piece& p = s[i];
        if (p.synthetic) continue;
        if (p.kind == TokenKind::Operator && !p.assignment && isComparison(p))
            i = comparison(s, i);
        else if (isKw(p, "IN"))
            i = inList(s, i);
        else if (isKw(p, "BETWEEN"))
            i = between(s, i);
        else if (isKw(p, "CASE") && i + 1 < size(s) && !isKw(s[i + 1], "WHEN"))
            i = simpleCase(s, i);
    }
    collateTextKeys(s);
}

int ComparisonRewriter::comparison(Pieces& s, int op) const {
    if (isOp(s[op], "!<")) s[op].text = QStringLiteral(">=");
    if (isOp(s[op], "!>")) s[op].text = QStringLiteral("<=");
    const Operand left = operand(s, operandStart(s, op, true), op - 1);
    const Operand right = operand(s, op + 1, operandEnd(s, op, true));
    const Kind l = kindOf(left.type), r = kindOf(right.type);
    if (l == Kind::Text && r == Kind::Text) {
        if (!comparesCiAs(s, left, right)) collate(s, right.from, right.to);
        return op;
    }
    const bool textAndNumber =
        (l == Kind::Text && r == Kind::Number) || (l == Kind::Number && r == Kind::Text);
    const bool textAndTime =
        (l == Kind::Text && r == Kind::Time) || (l == Kind::Time && r == Kind::Text);
    if (textAndNumber || textAndTime) {
        const Operand& text = l == Kind::Text ? left : right;
        const Operand& other = l == Kind::Text ? right : left;
        // An indexed flag column against an integer (end_yn = 3) stays an index
        // look-up of the integer's text: equal for every plainly written integer.
        const bool equality = isOp(s[op], "=") || isOp(s[op], "<>") || isOp(s[op], "!=");
        if (equality && isIntegerLiteral(s, other.from, other.to) && isCiColumn(s, text)) return op;
        const int before = size(s);
        convertText(s, text.from, text.to, text.type, conversionTarget(other.type));
        return &text == &left ? op + size(s) - before : op;
    }
    const bool unknown = l == Kind::Unknown || r == Kind::Unknown;
    const bool plain = isColumnChain(s, left.from, left.to) ||
                       isColumnChain(s, right.from, right.to) ||
                       isNullWord(s, left.from, left.to) || isNullWord(s, right.from, right.to);
    if (!unknown || plain) return op;
    // Types the text does not tell: compared by the values' own types as they come.
    const Pieces middle{synth(TokenKind::Punct, QStringLiteral(",")),
                        synth(TokenKind::String, quoted(s[op].text), QStringLiteral(" ")),
                        synth(TokenKind::Punct, QStringLiteral(","))};
    s.erase(s.begin() + op);
    s.insert(s.begin() + op, middle.begin(), middle.end());
    wrapCall(s, left.from, right.to + 2, QStringLiteral("tsql_cmp"));
    return op + 3;
}

int ComparisonRewriter::inList(Pieces& s, int in) const {
    const int open = in + 1;
    if (open + 1 >= size(s) || !isPunct(s[open], '(') || isKw(s[open + 1], "SELECT")) return in;
    const int last = isKw(s[in - 1], "NOT") ? in - 2 : in - 1;
    const Operand x = operand(s, operandStart(s, last + 1, true), last);
    std::vector<Operand> items;
    for (auto [a, b] : splitTopLevel(s, open + 1, closeParen(s, open) - 1))
        items.push_back(operand(s, a, b));
    return in + matchList(s, x, items);
}

int ComparisonRewriter::simpleCase(Pieces& s, int at) const {
    // CASE x WHEN a THEN ... WHEN b THEN ...: x = a, x = b.
    std::vector<Operand> items;
    int depth = 0, when = -1, first = -1;
    const int end = caseEnd(s, at);
    for (int j = at + 1; j < end; ++j) {
        const bool top = depth == 0;
        if (isPunct(s[j], '(') || isKw(s[j], "CASE")) ++depth;
        if (isPunct(s[j], ')') || isKw(s[j], "END")) --depth;
        if (!top) continue;
        if (isKw(s[j], "WHEN")) {
            if (first < 0) first = j;
            when = j;
        } else if (isKw(s[j], "THEN") && when >= 0) {
            items.push_back(operand(s, when + 1, j - 1));
            when = -1;
        }
    }
    if (first > at + 1) matchList(s, operand(s, at + 1, first - 1), items);
    return at;
}

int ComparisonRewriter::matchList(Pieces& s, const Operand& x,
                                  const std::vector<Operand>& items) const {
    bool allText = true, allNumber = true, allInteger = true;
    TypeSpec highest;
    for (const Operand& item : items) {
        const Kind k = kindOf(item.type);
        allText = allText && k == Kind::Text;
        allNumber = allNumber && k == Kind::Number;
        allInteger = allInteger && isIntegerLiteral(s, item.from, item.to);
        if (k == Kind::Number)
            highest = highest.isNumeric() ? higherType(highest, item.type) : item.type;
    }
    const Kind kx = kindOf(x.type);
    const int before = size(s);
    if (kx == Kind::Text && allText) {
        if (!isCiColumn(s, x)) collate(s, x.from, x.to);
    } else if (kx == Kind::Text && allNumber) {
        // As for = with an integer: the flag column keeps its index.
        if (!(allInteger && isCiColumn(s, x)))
            convertText(s, x.from, x.to, x.type, conversionTarget(highest));
    } else if (kx == Kind::Number) {
        for (auto it = items.rbegin(); it != items.rend(); ++it) {
            if (kindOf(it->type) == Kind::Text)
                convertText(s, it->from, it->to, it->type, conversionTarget(x.type));
        }
        return 0;
    }
    return size(s) - before;
}

int ComparisonRewriter::between(Pieces& s, int at) const {
    const int last = isKw(s[at - 1], "NOT") ? at - 2 : at - 1;
    const Operand x = operand(s, operandStart(s, last + 1, true), last);
    int depth = 0, conjunction = -1;
    for (int j = at + 1; j < size(s) && conjunction < 0; ++j) {
        if (isPunct(s[j], '(') || isKw(s[j], "CASE")) ++depth;
        if (isPunct(s[j], ')') || isKw(s[j], "END")) --depth;
        if (depth == 0 && isKw(s[j], "AND")) conjunction = j;
    }
    if (conjunction < 0) unsupported(QStringLiteral("BETWEEN without AND"));
    const Operand low = operand(s, at + 1, conjunction - 1);
    const Operand high = operand(s, conjunction + 1, operandEnd(s, conjunction, true));
    const Operand all[] = {x, low, high};
    bool anyNumber = false, known = true;
    TypeSpec target;
    for (const Operand& o : all) {
        const Kind k = kindOf(o.type);
        known = known && (k == Kind::Text || k == Kind::Number);
        if (k == Kind::Number) {
            target = anyNumber ? higherType(target, o.type) : o.type;
            anyNumber = true;
        }
    }
    if (!known) return at;
    if (!anyNumber) {
        const int before = size(s);
        if (!isCiColumn(s, x)) collate(s, x.from, x.to);
        return at + size(s) - before;
    }
    // The bounds order by number: every text among the three becomes one, the
    // bounds first so that x's position still holds.
    for (int k = 2; k >= 1; --k) {
        if (kindOf(all[k].type) == Kind::Text)
            convertText(s, all[k].from, all[k].to, all[k].type, conversionTarget(target));
    }
    if (kindOf(x.type) != Kind::Text) return at;
    const int unmoved = size(s);
    convertText(s, x.from, x.to, x.type, conversionTarget(target));
    return at + size(s) - unmoved;
}

void ComparisonRewriter::collateKey(Pieces& s, int from, int to) const {
    if (from > to || isStringLiteral(s, from, to)) return;
    const Operand o = operand(s, from, to);
    if (o.type.isText() && !isCiColumn(s, o)) collate(s, from, to);
}

void ComparisonRewriter::collateTextKeys(Pieces& s) const {
    for (int i = size(s) - 2; i >= 0; --i) {
        const Piece& p = s[i];
        if (p.synthetic) continue;
        if ((isKw(p, "MIN") || isKw(p, "MAX")) && isPunct(s[i + 1], '(')) {
            collateKey(s, i + 2, closeParen(s, i + 1) - 1);
        } else if (isKw(p, "GROUP") && isKw(s[i + 1], "BY")) {
            int end = size(s);
            const int stop = findTopOrSet(s, i + 2, {"HAVING", "ORDER"}, &end);
            const auto terms = splitTopLevel(s, i + 2, (stop >= 0 ? stop : end) - 1);
            for (auto it = terms.rbegin(); it != terms.rend(); ++it)
                collateKey(s, it->first, it->second);
        } else if (isKw(p, "SELECT") && isKw(s[i + 1], "DISTINCT")) {
            auto [first, last] = selectList(s, i);
            if (first <= last && isKw(s[first], "TOP"))
                first += first + 1 <= last && isPunct(s[first + 1], '(') ? 4 : 2;
            const auto items = splitTopLevel(s, first, last);
            for (auto it = items.rbegin(); it != items.rend(); ++it) {
                const int alias = aliasStart(s, it->first, it->second);
                collateKey(s, it->first, alias > it->first ? alias - 1 : it->second);
            }
        }
    }
}

}  // namespace engine
