#pragma once

#include "engine/TranslationRule.h"

namespace engine {
class Database;
}

namespace mes {

// The plant's statement shapes that the embedded engine would answer by reading
// a whole history table, each as a named rule: "latest row", "grouped join",
// "lot totals" and "group key filter".
engine::TranslationRules plantTranslationRules();

// Gives an embedded database the plant's rules.
void usePlantRules(engine::Database& db);

}  // namespace mes
