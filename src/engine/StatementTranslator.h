#pragma once

#include "engine/Pieces.h"
#include "engine/SchemaInfo.h"

namespace engine {

enum class StatementKind { Select, Insert, Update, Delete, Definition };

struct TranslatedStatement {
    StatementKind kind = StatementKind::Select;
    QString sql;  // SQLite text
    // The access paths chosen for it beyond the plain translation ("latest row",
    // "grouped join", "lot totals"): a statement that stops matching one is found
    // by its name missing, not by a slow screen.
    QStringList paths;
};

// Translates one T-SQL statement (its pieces) into SQLite's dialect: statement
// shapes (UPDATE ... FROM, DELETE without FROM, TOP), stored values converted to
// the column types, text ordering by the CI_AS collation, and the expression
// rewrites. Throws EngineError naming anything it does not support.
class StatementTranslator {
  public:
    explicit StatementTranslator(const SchemaInfo& schema) : schema_(schema) {}

    TranslatedStatement translate(Pieces s) const;

  private:
    void normalize(Pieces& s) const;
    void rewriteInsert(Pieces& s) const;
    void rewriteUpdate(Pieces& s) const;
    void rewriteDelete(Pieces& s) const;
    void nameResultColumns(Pieces& s) const;
    void collateOrderBy(Pieces& s) const;
    void rewriteTop(Pieces& s) const;
    void convertItems(Pieces& s, const std::vector<std::pair<int, int>>& items,
                      const QString& table, const QStringList& columns) const;

    const SchemaInfo& schema_;
};

}  // namespace engine
