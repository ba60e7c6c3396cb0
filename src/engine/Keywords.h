#pragma once

#include <QString>

namespace engine {

// The keyword sets of the T-SQL subset, each kept once.

// Reserved words (and NULL) never name a column or table.
bool isReservedWord(const QString& word);

// Words that begin a statement of a batch.
bool isStatementStart(const QString& word);

// Clauses the engine refuses wherever they stand: LIMIT, OVER, WITH, ...
bool isRefusedClauseWord(const QString& word);

// = <> != < <= > >= !< !>
bool isComparisonOperator(const QString& op);

}  // namespace engine
