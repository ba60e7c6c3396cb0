#include "engine/StatementTranslator.h"

#include <algorithm>

#include "engine/ExpressionPass.h"
#include "engine/StatementPass.h"
#include "engine/TableDefinition.h"
#include "engine/TreePrinter.h"

namespace engine {

namespace {

StatementKind kindOf(const Node& n) {
    switch (n.kind) {
        case NodeKind::Insert:
            return StatementKind::Insert;
        case NodeKind::Update:
            return StatementKind::Update;
        case NodeKind::Delete:
            return StatementKind::Delete;
        case NodeKind::Definition:
            return StatementKind::Definition;
        default:
            return StatementKind::Select;
    }
}

}  // namespace

bool StatementTranslator::applyRules(Node& tree, TranslatedStatement& out,
                                     std::vector<AfterStep>& afters) const {
    for (const TranslationRule& rule : rules_) {
        if (std::find(rule.kinds.begin(), rule.kinds.end(), out.kind) == rule.kinds.end()) continue;
        auto blocked = [&](const QString& other) { return out.paths.contains(other); };
        if (std::any_of(rule.unless.begin(), rule.unless.end(), blocked)) continue;
        AfterStep after;
        if (!rule.apply(tree, schema_, &after)) continue;
        out.paths << rule.name;
        if (after) afters.push_back(std::move(after));
    }
    return !out.paths.isEmpty();
}

TranslatedStatement StatementTranslator::translate(const Node& statement) const {
    TranslatedStatement out;
    out.kind = kindOf(statement);
    if (out.kind == StatementKind::Definition) {
        out.sql = definitionSql(statement.text);
        return out;
    }
    std::vector<AfterStep> afters;
    Node tree = statement;
    applyRules(tree, out, afters);
    const StatementPass shapes(schema_);
    shapes.shape(tree);
    ExpressionPass(schema_, tree).run();
    StatementPass::finish(tree);
    for (const AfterStep& after : afters) after(tree);
    out.sql = TreePrinter(TreePrinter::Sqlite).print(tree);
    return out;
}

}  // namespace engine
