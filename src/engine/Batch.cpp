#include "engine/Batch.h"

#include "engine/Tokenizer.h"

namespace engine {

namespace {

const char* const kStatementStarts[] = {
    "SELECT", "INSERT",  "UPDATE", "DELETE", "CREATE", "DROP",  "ALTER", "TRUNCATE", "DECLARE",
    "EXEC",   "EXECUTE", "PRINT",  "WHILE",  "RETURN", "MERGE", "USE",   "IF",       "BEGIN"};

bool startsStatement(const Piece& p) {
    for (const char* k : kStatementStarts) {
        if (isKw(p, k)) return true;
    }
    return false;
}

class BatchParser {
  public:
    BatchParser(Pieces pieces, const SchemaInfo& schema, const TranslationRules& rules)
        : s_(std::move(pieces)), translator_(schema, rules) {}

    std::vector<BatchStep> parseAll() {
        auto steps = parseSteps(false);
        if (i_ < n())
            unsupported(QStringLiteral("%1 without a matching BEGIN").arg(s_[i_].text.toUpper()));
        return steps;
    }

  private:
    int n() const { return static_cast<int>(s_.size()); }

    std::vector<BatchStep> parseSteps(bool inBlock) {
        std::vector<BatchStep> steps;
        while (i_ < n()) {
            if (isPunct(s_[i_], ';')) {
                ++i_;
                continue;
            }
            if (isKw(s_[i_], "END") || isKw(s_[i_], "ELSE")) {
                if (inBlock || isKw(s_[i_], "ELSE")) break;
                unsupported(QStringLiteral("END without BEGIN"));
            }
            steps.push_back(parseStep());
        }
        return steps;
    }

    BatchStep parseStep() {
        if (isKw(s_[i_], "IF")) return parseIf();
        if (isKw(s_[i_], "BEGIN")) {
            if (i_ + 1 < n() && (isKw(s_[i_ + 1], "TRAN") || isKw(s_[i_ + 1], "TRANSACTION")))
                unsupported(QStringLiteral("BEGIN TRANSACTION inside a statement"));
            unsupported(QStringLiteral("BEGIN ... END outside IF"));
        }
        BatchStep step;
        step.statement = translator_.translate(takeStatement());
        return step;
    }

    std::vector<BatchStep> parseBranch() {
        if (i_ < n() && isKw(s_[i_], "BEGIN")) {
            ++i_;
            auto steps = parseSteps(true);
            if (i_ >= n() || !isKw(s_[i_], "END")) unsupported(QStringLiteral("BEGIN without END"));
            ++i_;
            return steps;
        }
        if (i_ >= n()) unsupported(QStringLiteral("IF without a statement"));
        std::vector<BatchStep> one;
        one.push_back(parseStep());
        return one;
    }

    BatchStep parseIf() {
        ++i_;
        const int start = i_;
        int depth = 0;
        while (i_ < n()) {
            if (isPunct(s_[i_], '(')) ++depth;
            if (isPunct(s_[i_], ')')) --depth;
            if (depth == 0 && startsStatement(s_[i_])) break;
            ++i_;
        }
        if (i_ == start) unsupported(QStringLiteral("IF without a condition"));
        // The condition runs as a SELECT of 1 or 0.
        Pieces cond{synth(TokenKind::Word, QStringLiteral("SELECT")),
                    synth(TokenKind::Word, QStringLiteral("CASE"), QStringLiteral(" ")),
                    synth(TokenKind::Word, QStringLiteral("WHEN"), QStringLiteral(" "))};
        cond.insert(cond.end(), s_.begin() + start, s_.begin() + i_);
        cond[3].lead = QStringLiteral(" ");
        const Pieces tail{synth(TokenKind::Word, QStringLiteral("THEN"), QStringLiteral(" ")),
                          synth(TokenKind::Number, QStringLiteral("1"), QStringLiteral(" ")),
                          synth(TokenKind::Word, QStringLiteral("ELSE"), QStringLiteral(" ")),
                          synth(TokenKind::Number, QStringLiteral("0"), QStringLiteral(" ")),
                          synth(TokenKind::Word, QStringLiteral("END"), QStringLiteral(" "))};
        cond.insert(cond.end(), tail.begin(), tail.end());
        BatchStep step;
        step.isIf = true;
        step.statement = translator_.translate(cond);
        step.thenSteps = parseBranch();
        while (i_ < n() && isPunct(s_[i_], ';')) ++i_;
        if (i_ < n() && isKw(s_[i_], "ELSE")) {
            ++i_;
            step.elseSteps = parseBranch();
        }
        return step;
    }

    // The pieces up to the end of the statement that starts at i_.
    Pieces takeStatement() {
        const int start = i_;
        const bool insert = isKw(s_[i_], "INSERT");
        bool insertHasSource = false;
        int depth = 0, caseDepth = 0;
        ++i_;
        while (i_ < n()) {
            const Piece& p = s_[i_];
            if (isPunct(p, '(')) ++depth;
            if (isPunct(p, ')')) --depth;
            if (depth == 0) {
                if (isKw(p, "CASE")) ++caseDepth;
                if (caseDepth > 0) {
                    if (isKw(p, "END")) --caseDepth;
                    ++i_;
                    continue;
                }
                if (isPunct(p, ';') || isKw(p, "END") || isKw(p, "ELSE")) break;
                if (isKw(p, "VALUES")) insertHasSource = true;
                if (startsStatement(p)) {
                    const Piece& prev = s_[i_ - 1];
                    const bool partOfSet = isSetOperator(prev) || isKw(prev, "ALL");
                    const bool insertSource = insert && !insertHasSource && isKw(p, "SELECT");
                    if (!(isKw(p, "SELECT") && (partOfSet || insertSource))) break;
                    if (insertSource) insertHasSource = true;
                }
            }
            ++i_;
        }
        return Pieces(s_.begin() + start, s_.begin() + i_);
    }

    Pieces s_;
    int i_ = 0;
    StatementTranslator translator_;
};

}  // namespace

TranslatedBatch translateBatch(const QString& sql, const SchemaInfo& schema,
                               const TranslationRules& rules) {
    TranslatedBatch batch;
    batch.steps = BatchParser(toPieces(tokenize(sql)), schema, rules).parseAll();
    return batch;
}

}  // namespace engine
