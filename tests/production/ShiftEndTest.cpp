// The end of a run on a shift's quantities: thousands of pieces, component needs
// of four and five digits, fractional kilograms, a correction downward and a
// quantity typed by hand. Expected bookings come from the bill of material and
// the ledger as they stood before the run.
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "EndRunFixture.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"

using namespace mes;

namespace {

struct Part {
    const char* code;
    double usage;
    std::vector<double> lots;  // receipts, oldest lot first
};

struct ShiftCase {
    const char* name;
    int loadedGood;     // the run's good count as booked before
    const char* typed;  // the good count typed on the keypad
    std::vector<Part> parts;
    const char* handPart = nullptr;  // its quantity typed into the grid by hand
    const char* hand = nullptr;
};

void PrintTo(const ShiftCase& c, std::ostream* os) { *os << c.name; }

using Table = QList<QVariantList>;
using Taken = QList<std::pair<QString, double>>;  // lot, quantity

class ShiftEnd : public EndRunFixture, public testing::WithParamInterface<ShiftCase> {
  protected:
    // FP-100 made of the case's parts only, each received in its lots.
    void seed(const ShiftCase& c) {
        exec("DELETE FROM B_BOM WHERE high_bom_code = 'BOM-FP-100'");
        for (const Part& p : c.parts) {
            const QString code = p.code;
            exec(
                "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, unit_code, "
                "type) VALUES ('" +
                code + "', '" + code + "', '시험 자재 " + code + "', 'KG', '원자재')");
            exec(QString("INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES "
                         "('BOM-FP-100-%1', 'BOM-FP-100', '%1', %2)")
                     .arg(code)
                     .arg(p.usage, 0, 'f', 4));
            double balance = 0;
            for (size_t i = 0; i < p.lots.size(); ++i) {
                balance += p.lots[i];
                exec(QString("INSERT INTO S_PRODUCT_STORE (product_code, lot_no, reg_date, "
                             "ipgo_no, ipgo_no_sub, ipgo_su, culgo_type, jego_su, last_date, "
                             "last_time, user_id) VALUES ('%1', 'L%1-%2', '%3', 'M1', 'M1%2', "
                             "%4, '자재입고', %5, '%3', '083000', '')")
                         .arg(code)
                         .arg(i + 1)
                         .arg(day(-10 + int(i)))
                         .arg(p.lots[i], 0, 'f', 2)
                         .arg(balance, 0, 'f', 2));
            }
        }
        exec(QString("UPDATE P_SANGSAN_MASTER SET qty = %1, bad_qty = 3 WHERE op_seq_sub = '%2'")
                 .arg(c.loadedGood)
                 .arg(kRun));
    }

    // First in, first out over the lots in stock today, as the ledger says.
    Taken expectedTaking(const QString& product, double usage, double change) {
        const qint64 need = static_cast<qint64>(std::trunc(std::round(change * usage * 1e6) / 1e6));
        const Table lots = rows(
            "SELECT lot_no, total(ipgo_su) - total(culgo_su) AS s FROM "
            "S_PRODUCT_STORE WHERE product_code = '" +
            product + "' AND reg_date <= '" + day() +
            "' GROUP BY lot_no HAVING s > 0 ORDER BY lot_no LIKE "
            "'%선진행재고%' DESC, lot_no");
        if (need <= 0) return {{lots[0][0].toString(), double(std::llabs(need))}};
        Taken taken;
        qint64 rest = need;
        for (const QVariantList& lot : lots) {
            if (rest == 0) break;
            const double stock = lot[1].toDouble();
            const qint64 take = stock >= rest ? rest : static_cast<qint64>(stock);
            taken.append({lot[0].toString(), double(take)});
            rest -= take;
        }
        if (rest > 0) taken.append({"0", double(rest)});
        return taken;
    }
};

TEST_P(ShiftEnd, BooksEveryComponentBalanceAndGenealogyRow) {
    const ShiftCase& c = GetParam();
    seed(c);
    const double change = QString(c.typed).toDouble() - c.loadedGood;
    struct Expected {
        QString code;
        Taken taken;
        double before;
    };
    std::vector<Expected> expected;
    for (const QVariantList& bom :
         rows("SELECT b2.product_code, b2.usage FROM B_BOM b JOIN B_BOM b2 ON b.bom_code = "
              "b2.high_bom_code WHERE b.product_code = 'FP-100' ORDER BY b2.product_code")) {
        const QString code = bom[0].toString();
        Taken taken = expectedTaking(code, bom[1].toDouble(), change);
        // Typed over a need its first lot covers: that lot, the typed quantity.
        if (code == c.handPart) taken = {{taken[0].first, QString(c.hand).toDouble()}};
        expected.push_back({code, taken, balance(code)});
    }

    frm_S_dayReport& s = open();
    script.keypad(c.typed);
    s.lblOk_Cnt->clicked();
    if (c.handPart) {
        script.keypad(c.hand);
        touch(*s.spread, rowOf(*s.spread, "품번코드", c.handPart), "투입수량");
    }
    script.notice("저장이 완료되었습니다.");
    s.btnEnd->click();
    ASSERT_EQ(script.pending(), 0);
    ASSERT_FALSE(gfFORM_LOADED<frm_S_dayReport>());

    const QString lot = "261208/1000";
    Table genealogy;
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.code.toStdString());
        Table booked;
        double consumed = 0;
        for (const auto& [lotNo, qty] : e.taken) {
            booked.append({lotNo, qty});
            genealogy.append({e.code, lotNo, lot});
            consumed += qty;
        }
        EXPECT_EQ(rows("SELECT lot_no, culgo_su FROM S_PRODUCT_STORE WHERE culgo_no_sub = '" +
                       kRun + "' AND product_code = '" + e.code + "' ORDER BY idx"),
                  booked);
        EXPECT_DOUBLE_EQ(balance(e.code), e.before - consumed);
        // Every new row continues the running balance before it; the last is the stock.
        EXPECT_EQ(value("SELECT count(*) FROM S_PRODUCT_STORE n WHERE n.culgo_no_sub = '" + kRun +
                        "' AND n.product_code = '" + e.code +
                        "' AND n.jego_su <> (SELECT p.jego_su FROM S_PRODUCT_STORE p WHERE "
                        "p.product_code = n.product_code AND p.reg_date <= n.reg_date AND p.idx < "
                        "n.idx ORDER BY p.reg_date DESC, p.idx DESC LIMIT 1) - n.culgo_su"),
                  0);
        EXPECT_DOUBLE_EQ(value("SELECT jego_su FROM S_PRODUCT_STORE WHERE product_code = '" +
                               e.code + "' ORDER BY reg_date DESC, idx DESC LIMIT 1")
                             .toDouble(),
                         e.before - consumed);
    }
    std::sort(genealogy.begin(), genealogy.end(), [](const QVariantList& a, const QVariantList& b) {
        return a[0].toString() + a[1].toString() < b[0].toString() + b[1].toString();
    });
    EXPECT_EQ(rows("SELECT culgo_product_code, culgo_lot_no, lot_no FROM S_LOT_HISTORY WHERE "
                   "ipgo_no_sub = '" +
                   kRun + "' ORDER BY culgo_product_code, culgo_lot_no"),
              genealogy);
    const int good = QString(c.typed).toInt();
    EXPECT_EQ(rows("SELECT qty, bad_qty FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + kRun + "'"),
              (Table{{good, 3}}));
    EXPECT_EQ(rows("SELECT culgo_type, coalesce(ipgo_su, culgo_su) FROM S_PRODUCT_STORE WHERE "
                   "product_code = 'FP-100' AND (ipgo_no_sub = '" +
                   kRun + "' OR culgo_no_sub = '" + kRun + "') ORDER BY idx"),
              (Table{{"재공품추가", change}, {"제품투입", change}}));
    EXPECT_EQ(value("SELECT ipgo_su FROM P_PRODUCT_IPGO WHERE ipgo_no_sub = '" + kRun + "'"),
              change);
}

INSTANTIATE_TEST_SUITE_P(
    Shift, ShiftEnd,
    testing::Values(ShiftCase{"needsOf1000And1200And12345",
                              0,
                              "1000",
                              {{"RM-710", 1, {5000}},
                               {"RM-720", 1.2, {700, 2500}},
                               {"RM-730", 12.345, {10000, 4000}}}},
                    ShiftCase{"tensOfThousandsInFractionalKg",
                              20000,
                              "45000",
                              {{"RM-740", 0.45, {8000.5, 6000}}, {"RM-750", 2, {30000, 30000}}}},
                    ShiftCase{"correctedDownBy1500", 12000, "10500", {{"RM-760", 1, {4000}}}},
                    ShiftCase{
                        "handTyped1500", 0, "2000", {{"RM-770", 1, {5000}}}, "RM-770", "1500"}),
    [](const auto& i) { return std::string(i.param.name); });

}  // namespace
