#include "foundation/PlantRules.h"

#include "engine/Database.h"
#include "foundation/AggregateJoin.h"
#include "foundation/GroupKeyFilter.h"
#include "foundation/LatestRowJoin.h"
#include "foundation/LotTotals.h"

namespace mes {

using engine::AfterStep;
using engine::Node;
using engine::SchemaInfo;
using engine::StatementKind;

engine::TranslationRules plantTranslationRules() {
    // Joins SQLite would answer by building a whole aggregate first.
    engine::TranslationRule latest{
        QStringLiteral("latest row"),
        {StatementKind::Select, StatementKind::Insert},
        {},
        [](Node& s, const SchemaInfo&, AfterStep*) { return LatestRowJoin::rewrite(s); }};
    engine::TranslationRule grouped{
        QStringLiteral("grouped join"),
        {StatementKind::Select, StatementKind::Insert},
        {},
        [](Node& s, const SchemaInfo&, AfterStep*) { return AggregateJoin::rewrite(s); }};
    // Found before the passes, put in after, so that the rewritten expressions
    // still see the ledger's own column types.
    engine::TranslationRule lots{QStringLiteral("lot totals"),
                                 {StatementKind::Select},
                                 {},
                                 [](Node& s, const SchemaInfo& schema, AfterStep* after) {
                                     auto reads = LotTotals::find(s, schema);
                                     if (reads.empty()) return false;
                                     *after = [reads](Node& t) { LotTotals::apply(t, reads); };
                                     return true;
                                 }};
    // Lot reads have their own path; any other grouping filtered outside on its key
    // gets the filter inside.
    engine::TranslationRule groupKey{
        QStringLiteral("group key filter"),
        {StatementKind::Select},
        {QStringLiteral("lot totals")},
        [](Node& s, const SchemaInfo&, AfterStep*) { return GroupKeyFilter::rewrite(s); }};
    return {latest, grouped, lots, groupKey};
}

void usePlantRules(engine::Database& db) { db.setRules(plantTranslationRules()); }

}  // namespace mes
