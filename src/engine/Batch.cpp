#include "engine/Batch.h"

#include <algorithm>

#include "engine/StatementParser.h"
#include "engine/SubsetCheck.h"
#include "engine/Tokenizer.h"

namespace engine {

namespace {

// Translates the statements of a parsed batch, each from its own pieces.
class BatchTranslator {
  public:
    BatchTranslator(Pieces pieces, const SchemaInfo& schema, const TranslationRules& rules)
        : s_(std::move(pieces)), translator_(schema, rules) {}

    std::vector<BatchStep> steps(const std::vector<Node>& statements) const {
        std::vector<BatchStep> out;
        for (const Node& n : statements) out.push_back(step(n));
        return out;
    }

  private:
    BatchStep step(const Node& n) const {
        BatchStep step;
        if (n.kind != NodeKind::If) {
            step.statement = translator_.translate(n, slice(n.pos, n.end));
            return step;
        }
        // The condition runs as a SELECT of 1 or 0.
        const Node& condition = n.kids[0];
        Pieces cond{synth(TokenKind::Word, QStringLiteral("SELECT")),
                    synth(TokenKind::Word, QStringLiteral("CASE"), QStringLiteral(" ")),
                    synth(TokenKind::Word, QStringLiteral("WHEN"), QStringLiteral(" "))};
        const Pieces body = slice(condition.pos, condition.end);
        cond.insert(cond.end(), body.begin(), body.end());
        cond[3].lead = QStringLiteral(" ");
        const Pieces tail{synth(TokenKind::Word, QStringLiteral("THEN"), QStringLiteral(" ")),
                          synth(TokenKind::Number, QStringLiteral("1"), QStringLiteral(" ")),
                          synth(TokenKind::Word, QStringLiteral("ELSE"), QStringLiteral(" ")),
                          synth(TokenKind::Number, QStringLiteral("0"), QStringLiteral(" ")),
                          synth(TokenKind::Word, QStringLiteral("END"), QStringLiteral(" "))};
        cond.insert(cond.end(), tail.begin(), tail.end());
        step.isIf = true;
        step.statement = translator_.translate(conditionQuery(condition), cond);
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

    // The pieces that begin in [from, to) of the batch text.
    Pieces slice(int from, int to) const {
        auto first = std::lower_bound(s_.begin(), s_.end(), from,
                                      [](const Piece& p, int at) { return p.pos < at; });
        auto last = std::lower_bound(first, s_.end(), to,
                                     [](const Piece& p, int at) { return p.pos < at; });
        return Pieces(first, last);
    }

    Pieces s_;
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
    batch.steps = BatchTranslator(toPieces(tokens), schema, rules).steps(tree.kids);
    return batch;
}

}  // namespace engine
