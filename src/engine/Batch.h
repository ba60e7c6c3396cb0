#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "engine/SchemaInfo.h"
#include "engine/StatementTranslator.h"

namespace engine {

// One step of a translated batch: a statement, or IF condition with its branches.
struct BatchStep {
    bool isIf = false;
    TranslatedStatement statement;  // the statement, or the condition as a SELECT of 0/1
    std::vector<BatchStep> thenSteps;
    std::vector<BatchStep> elseSteps;
};

struct TranslatedBatch {
    std::vector<BatchStep> steps;
};

// Splits a T-SQL batch into statements (";" or the next statement's keyword ends
// one), builds IF ... [BEGIN ... END] [ELSE ...] blocks and translates every
// statement. Throws EngineError for anything outside the supported subset.
TranslatedBatch translateBatch(const QString& sql, const SchemaInfo& schema,
                               const TranslationRules& rules = {});

}  // namespace engine
