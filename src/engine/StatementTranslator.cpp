#include "engine/StatementTranslator.h"

#include <algorithm>

#include "engine/ExpressionPass.h"
#include "engine/StatementPass.h"
#include "engine/TableDefinition.h"
#include "engine/Tokenizer.h"
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

// Names in SQLite's quoting, N'' strings as plain ones: what the rules read.
void normalize(Pieces& s) {
    for (Piece& p : s) {
        if (p.kind == TokenKind::NString) {
            p.kind = TokenKind::String;
            p.text = p.text.mid(1);
        } else if (p.kind == TokenKind::TempName || p.kind == TokenKind::Bracketed) {
            const QString name = identifierName(Token{p.kind, p.text, 0});
            p.text = u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
            p.kind = TokenKind::Quoted;
        }
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

TranslatedStatement StatementTranslator::translate(const Node& statement, Pieces s) const {
    TranslatedStatement out;
    out.kind = kindOf(statement);
    if (out.kind == StatementKind::Definition) {
        normalize(s);
        collateTextColumns(s);
        out.sql = joinPieces(s);
        return out;
    }
    const bool fromWritten = s.size() > 1 && isKw(s[1], "FROM");
    std::vector<AfterStep> afters;
    Node tree = statement;
    applyRules(tree, out, afters);
    const StatementPass shapes(schema_);
    shapes.shape(tree, fromWritten);
    ExpressionPass(schema_, tree).run();
    StatementPass::finish(tree);
    for (const AfterStep& after : afters) after(tree);
    out.sql = TreePrinter(TreePrinter::Sqlite).print(tree);
    return out;
}

}  // namespace engine
