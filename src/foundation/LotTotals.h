#pragma once

#include <vector>

#include "engine/SchemaInfo.h"
#include "engine/SyntaxTree.h"

namespace mes {

// The lots with stock of one product, written as
//   SELECT ... FROM S_PRODUCT_STORE a WHERE a.product_code = 'p' AND a.reg_date <= 'd'
//   GROUP BY a.lot_no HAVING IsNull(Sum(a.ipgo_su), 0) - IsNull(Sum(a.culgo_su), 0) > 0
// sums the product's whole history, which grows with every run. The ledger's lot
// totals (S_PRODUCT_STORE_LOT, kept by the schema's triggers) hold one row per lot
// with its sums, first date and first idx, indexed by balance. One such row gives
// the same SUM and MIN as the rows it totals, so it stands in for them; the lots
// with a movement after the date (or without one) are read from the ledger itself.
// The statement keeps its own WHERE, GROUP BY and HAVING over those rows. Levels
// reading the ledger in any other way (other aggregates or columns, joins, more
// conditions) are left alone.
class LotTotals {
  public:
    struct Read {
        int ordinal = 0;  // which read of the ledger in the statement
        QString product;  // the literals, in SQLite's writing
        QString date;
        bool orEqual = true;  // <= rather than <
    };

    // Before the passes: the reads the statement's levels make.
    static std::vector<Read> find(const engine::Node& statement, const engine::SchemaInfo& schema);
    // After: each read's table replaced by the rows that stand in for it.
    static void apply(engine::Node& statement, const std::vector<Read>& reads);

  private:
    static bool readAt(const engine::Node& select, const engine::Node* order, Read* read);
};

}  // namespace mes
