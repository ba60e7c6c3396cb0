#pragma once

#include <QDate>
#include <QString>

namespace engine {
class Database;
}

namespace mes {

struct LotTotalsCheck {
    bool created = false;  // the table was missing and was made from the ledger
    qint64 staleLots = 0;  // lots that disagreed with the ledger (then rebuilt)
    qint64 lots = 0;       // lots in the table afterwards
};

// Creates the plant tables in a new embedded database at path and seeds the demo
// plant, dates relative to the terminal clock. False (with error) when path exists
// or anything fails; a half-made file is removed.
bool gfCREATE_DEMO(const QString& path, QString* error);
// Creates only the plant tables in an embedded database at path.
bool gfCREATE_SCHEMA(const QString& path, QString* error);
// Makes the ledger's lot totals agree with the ledger of an open embedded plant
// database, in one transaction: creates the table from the ledger when it is
// missing, rebuilds it when any lot differs. Throws engine::EngineError.
LotTotalsCheck gfCHECK_LOT_TOTALS(engine::Database& db);
// A database whose lot-totals triggers differ from this release's (an earlier
// release's binary sums left remainders in the balances) gets this release's
// triggers and its totals rebuilt from the ledger, in one transaction. True when
// it did; a database without the table is left as it is. Throws engine::EngineError.
bool gfUPGRADE_LOT_TOTALS(engine::Database& db);
// The demo database in the user's data folder.
QString gfDEMO_PATH();
// The day the demo plant at path was made (invalid for a file that does not say).
QDate gfDEMO_MADE_ON(const QString& path);
// Makes the demo plant at path ready for today: a plant made on an earlier day is
// moved aside under its date and a new one made; a missing one is made. Then the
// demo's press takes the terminal's current address. False (with error) on failure.
bool gfOPEN_DEMO(const QString& path, QString* error);

}  // namespace mes
