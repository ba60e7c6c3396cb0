// The end of a run on a material kept in KG whose lots were received and issued
// in cents: the first-in first-out booking takes each lot's exact stock, through
// the ledger's lot totals and through the plain statement alike.
#include <QFile>
#include <QPushButton>
#include <map>

#include "EndRunFixture.h"
#include "production/frm_S_dayReport.h"

using namespace mes;

namespace {

struct Move {
    const char* lot;
    int inCents, outCents;
};

// RM-100's lots: 2.30 - 0.30, 0.10 + 0.20 + 0.30 - 0.60, 0.70 + 0.10 + 0.20, 5.00.
const Move kMoves[] = {{"K1", 230, 0}, {"K1", 0, 30}, {"K2", 10, 0}, {"K2", 20, 0}, {"K2", 30, 0},
                       {"K2", 0, 60},  {"K3", 70, 0}, {"K3", 10, 0}, {"K3", 20, 0}, {"K4", 500, 0}};

// The ledger read through the lot totals, through the plain statement, or from a
// file an earlier release wrote, whose totals hold binary remainders.
enum class Ledger { LotTotals, PlainStatement, EarlierRelease };

class EndRunKgLots : public EndRunFixture, public testing::WithParamInterface<Ledger> {
  protected:
    // Cents per lot of RM-100, read back with plain SQLite.
    std::map<QString, int> cents(const QString& where) {
        std::map<QString, int> out;
        for (const auto& r :
             rows("SELECT lot_no, sum(CAST(round(ifnull(ipgo_su, 0) * 100) AS INTEGER)) - "
                  "sum(CAST(round(ifnull(culgo_su, 0) * 100) AS INTEGER)) FROM S_PRODUCT_STORE "
                  "WHERE product_code = 'RM-100' " +
                  where + " GROUP BY lot_no"))
            out[r[0].toString()] = r[1].toInt();
        return out;
    }
};

TEST_P(EndRunKgLots, UseEachLotToTheCent) {
    exec("DELETE FROM S_PRODUCT_STORE WHERE product_code = 'RM-100'");
    if (GetParam() == Ledger::EarlierRelease) {
        QFile earlier(QStringLiteral(MES_PRODUCTION_TEST_DATA "/lot_totals_earlier_release.sql"));
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        exec(
            "DROP TRIGGER TR_S_PRODUCT_STORE_LOT_insert; DROP TRIGGER "
            "TR_S_PRODUCT_STORE_LOT_delete; DROP TRIGGER TR_S_PRODUCT_STORE_LOT_update; DROP "
            "TABLE S_PRODUCT_STORE_LOT;" +
            QString::fromUtf8(earlier.readAll()));
    }
    for (const Move& m : kMoves)
        exec(QString("INSERT INTO S_PRODUCT_STORE (product_code, lot_no, reg_date, ipgo_su, "
                     "culgo_su) VALUES ('RM-100', '%1', '%2', %3, %4)")
                 .arg(m.lot, day(-3), QString::number(m.inCents / 100.0, 'f', 2),
                      QString::number(m.outCents / 100.0, 'f', 2)));
    if (GetParam() == Ledger::EarlierRelease) {
        // The earlier release's totals hold 2 - 2.2e-16 and 1e-16 for two lots ...
        EXPECT_NE(value("SELECT balance FROM S_PRODUCT_STORE_LOT WHERE lot_no = 'K2'").toDouble(),
                  0.0);
        // ... until the terminal opens the file.
        ASSERT_TRUE(session.connect());
        EXPECT_EQ(value("SELECT count(*) FROM S_PRODUCT_STORE_LOT WHERE product_code = 'RM-100' "
                        "AND balance * 100 <> round(balance * 100)")
                      .toInt(),
                  0);
    }
    if (GetParam() == Ledger::PlainStatement)
        exec(
            "DROP TRIGGER TR_S_PRODUCT_STORE_LOT_insert; DROP TRIGGER "
            "TR_S_PRODUCT_STORE_LOT_delete; DROP TRIGGER TR_S_PRODUCT_STORE_LOT_update; DROP "
            "TABLE S_PRODUCT_STORE_LOT");
    // The need from the bill of material: good change 15 (95 counted, 80 loaded).
    const double usage =
        value(
            "SELECT usage FROM B_BOM WHERE high_bom_code = 'BOM-FP-100' AND product_code = "
            "'RM-100'")
            .toDouble();
    int need = static_cast<int>(15 * usage);
    // First in, first out over the lots in stock by name; whole KG taken from each.
    std::map<QString, int> expected;
    for (const auto& [lot, stock] : cents("")) {
        if (stock <= 0 || need == 0) continue;
        const int take = std::min(stock / 100, need);
        expected[lot] = take * 100;
        need -= take;
    }
    ASSERT_EQ(need, 0);
    const std::map<QString, int> before = cents("");

    frm_S_dayReport& s = counted();
    script.notice("저장이 완료되었습니다.");
    s.btnEnd->click();

    std::map<QString, int> issued;
    for (const auto& [lot, c] : cents("AND culgo_no_sub = '" + kRun + "'")) issued[lot] = -c;
    EXPECT_EQ(issued, expected);
    const std::map<QString, int> after = cents("");
    for (const auto& [lot, stock] : before) {
        SCOPED_TRACE(lot.toStdString());
        const auto used = expected.find(lot);
        EXPECT_EQ(after.at(lot), stock - (used == expected.end() ? 0 : used->second));
    }
    QStringList genealogy;
    for (const auto& r : rows("SELECT culgo_lot_no FROM S_LOT_HISTORY WHERE ipgo_no_sub = '" +
                              kRun + "' AND culgo_product_code = 'RM-100' ORDER BY culgo_lot_no"))
        genealogy << r[0].toString();
    QStringList lots;
    for (const auto& e : expected) lots << e.first;
    EXPECT_EQ(genealogy, lots);
}

std::string ledgerName(const testing::TestParamInfo<Ledger>& info) {
    const char* const names[] = {"LotTotals", "PlainStatement", "FileOfAnEarlierRelease"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Ledger, EndRunKgLots,
                         testing::Values(Ledger::LotTotals, Ledger::PlainStatement,
                                         Ledger::EarlierRelease),
                         ledgerName);

}  // namespace
