#include "engine/SubsetCheck.h"

#include "engine/Dialect.h"
#include "engine/EngineError.h"
#include "engine/Tokenizer.h"
#include "engine/Value.h"

namespace engine {

namespace {

bool knownType(const Node& type) {
    return parseTypeSpec(type.text).base != TypeSpec::Base::Unknown;
}

}  // namespace

void SubsetCheck::check(const Node& n) const {
    switch (n.kind) {
        case NodeKind::Call:
            call(n);
            break;
        case NodeKind::Cast:
            if (!knownType(n.kids[1]))
                unsupportedAt(QStringLiteral("CAST to %1").arg(n.kids[1].text), n.kids[1].pos);
            break;
        case NodeKind::Like: {
            const Node& pattern = n.kids[1];
            // SQL Server reads [ ] in a LIKE pattern as a character class; SQLite does not.
            if (pattern.kind == NodeKind::Literal && pattern.text.startsWith(u'\'') &&
                pattern.text.contains(u'['))
                unsupportedAt(QStringLiteral("LIKE pattern with [ ]"), pattern.pos);
            break;
        }
        case NodeKind::SetOperation:
            setOperation(n);
            break;
        default:
            break;
    }
    for (const Node& k : n.kids) check(k);
}

void SubsetCheck::call(const Node& n) const {
    const FunctionInfo* f = findFunction(n.text);
    if (!f || f->rule == FunctionRule::Internal)
        unsupportedAt(QStringLiteral("function %1").arg(n.text), n.pos);
    const int argc = static_cast<int>(n.kids.size());
    if (argc < f->minArgs || argc > f->maxArgs)
        unsupportedAt(QStringLiteral("%1 with %2 arguments").arg(QLatin1String(f->name)).arg(argc),
                      n.pos);
    if (f->rule == FunctionRule::Datediff) {
        const Node& unit = n.kids[0];
        const bool named = unit.kind == NodeKind::Column && unit.kids.size() == 1;
        if (!named || datediffUnit(unit.kids[0].text).isEmpty())
            unsupportedAt(QStringLiteral("DATEDIFF unit %1")
                              .arg(named ? unit.kids[0].text : QStringLiteral("expression")),
                          unit.pos);
    }
    if (f->rule == FunctionRule::Convert) {
        if (!knownType(n.kids[0]))
            unsupportedAt(QStringLiteral("CONVERT to %1").arg(n.kids[0].text), n.kids[0].pos);
        if (argc == 3 && (n.kids[2].kind != NodeKind::Literal || n.kids[2].text.startsWith(u'\'') ||
                          n.kids[2].text == QLatin1String("NULL")))
            unsupportedAt(QStringLiteral("CONVERT with a computed style"), n.kids[2].pos);
    }
}

// SQLite has no TOP inside a compound SELECT.
void SubsetCheck::setOperation(const Node& n) const {
    for (const Node& part : n.kids) {
        if (part.kind == NodeKind::Select && part.find(NodeKind::Top))
            unsupportedAt(QStringLiteral("TOP with UNION"), part.find(NodeKind::Top)->pos);
    }
}

}  // namespace engine
