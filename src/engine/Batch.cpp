#include "engine/Batch.h"

#include "engine/StatementParser.h"
#include "engine/SubsetCheck.h"
#include "engine/Tokenizer.h"

namespace engine {

namespace {

// Translates the statements of a parsed batch, an IF as its condition and blocks.
class BatchTranslator {
  public:
    BatchTranslator(const SchemaInfo& schema, const TranslationRules& rules)
        : translator_(schema, rules) {}

    std::vector<BatchStep> steps(const std::vector<Node>& statements) const {
        std::vector<BatchStep> out;
        for (const Node& n : statements) out.push_back(step(n));
        return out;
    }

  private:
    BatchStep step(const Node& n) const {
        BatchStep step;
        if (n.kind != NodeKind::If) {
            step.statement = translator_.translate(n);
            return step;
        }
        // The condition runs as a SELECT of 1 or 0.
        step.statement = translator_.translate(conditionQuery(n.kids[0]));
        step.isIf = true;
        step.thenSteps = steps(n.kids[1].kids);
        if (n.kids.size() > 2) step.elseSteps = steps(n.kids[2].kids);
        return step;
    }

    static Node conditionQuery(const Node& condition) {
        Node when = node(NodeKind::When, condition.pos);
        when.kids = {condition, node(NodeKind::Literal, condition.pos, QStringLiteral("1"))};
        Node otherwise = node(NodeKind::Else, condition.pos);
        otherwise.kids = {node(NodeKind::Literal, condition.pos, QStringLiteral("0"))};
        Node test = node(NodeKind::Case, condition.pos);
        test.kids = {std::move(when), std::move(otherwise)};
        Node item = node(NodeKind::SelectItem, condition.pos);
        item.kids = {std::move(test)};
        Node list = node(NodeKind::SelectList, condition.pos);
        list.kids = {std::move(item)};
        Node select = node(NodeKind::Select, condition.pos);
        select.kids = {std::move(list)};
        Node query = node(NodeKind::Query, condition.pos);
        query.kids = {std::move(select)};
        return query;
    }

    StatementTranslator translator_;
};

}  // namespace

TranslatedBatch translateBatch(const QString& sql, const SchemaInfo& schema,
                               const TranslationRules& rules) {
    const Tokens tokens = tokenize(sql);
    // The parser refuses what is outside the subset, with its position, and finds
    // each statement and the IF blocks.
    const Node tree = StatementParser(sql, tokens).batch();
    SubsetCheck().check(tree);
    TranslatedBatch batch;
    batch.steps = BatchTranslator(schema, rules).steps(tree.kids);
    return batch;
}

}  // namespace engine
