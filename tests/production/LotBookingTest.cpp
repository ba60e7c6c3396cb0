// The lot booking on seeded ledgers, through the Session's real look-ups.
#include "ProductionFixture.h"
#include "production/LotBooking.h"

using namespace mes;

namespace {

struct Lot {
    const char* lot;  // nullptr: a group without a lot number
    int stock;
    int dayOffset = -3;
};
struct Booked {
    QString lot, stock, qty;
    bool operator==(const Booked&) const = default;
};
struct Case {
    const char* name;
    std::vector<Lot> lots;
    const char* usage;
    double change;
    std::vector<Booked> rows;
};

void PrintTo(const Booked& b, std::ostream* os) {
    *os << b.lot.toStdString() << '/' << b.stock.toStdString() << '/' << b.qty.toStdString();
}

class LotBookingTest : public ProductionFixture {
  protected:
    // RM-100 holds exactly these lots.
    void seed(const QString& product, const std::vector<Lot>& lots) {
        exec("DELETE FROM S_PRODUCT_STORE WHERE product_code = '" + product + "'");
        for (const Lot& l : lots) {
            exec(QString("INSERT INTO S_PRODUCT_STORE (product_code, lot_no, reg_date, ipgo_su) "
                         "VALUES ('%1', %2, '%3', %4)")
                     .arg(product, l.lot ? "'" + QString(l.lot) + "'" : "NULL", day(l.dayOffset),
                          QString::number(l.stock)));
        }
    }
    std::vector<Booked> book(QList<LotRow>& rows, double change) {
        LotBooking::onSession(cursor, day(), "test").lsTuip_Sum(rows, change, true);
        std::vector<Booked> out;
        for (const LotRow& r : rows) out.push_back({r.lot, r.stock, r.qty});
        return out;
    }
    qint16 cursor = 0;
};

TEST_F(LotBookingTest, BooksFirstInFirstOutAsTheLedgerHolds) {
    const Case cases[] = {
        {"change 0: first lot, no copies", {{"L1", 25}, {"L2", 20}}, "2", 0, {{"L1", "25", "0"}}},
        {"advance stock first",
         {{"A1", 10}, {"Z선진행재고", 10}},
         "1",
         5,
         {{"Z선진행재고", "10", "5"}}},
        {"need equals the first lot", {{"L1", 25}, {"L2", 5}}, "1", 25, {{"L1", "25", "25"}}},
        {"worked example",
         {{"L1", 25}, {"L2", 20}, {"L3", 40}},
         "2",
         30,
         {{"L1", "25", "25"}, {"L2", "20", "20"}, {"L3", "40", "15"}}},
        {"need above all lots",
         {{"L1", 25}, {"L2", 20}},
         "2",
         30,
         {{"L1", "25", "25"}, {"L2", "20", "20"}, {"0", "0", "15"}}},
        {"one lot below the need", {{"L1", 25}}, "2", 30, {{"L1", "25", "25"}, {"0", "0", "35"}}},
        {"negative change", {{"L1", 25}}, "2", -5, {{"L1", "25", "-10"}}},
        {"no lot at all", {}, "2", 30, {{"0", "0", "60"}}},
        {"lots of later days and empty lots left out",
         {{"L0", 50, 1}, {"L1", 8}},
         "1",
         8,
         {{"L1", "8", "8"}}},
        {"null lot carried as 0", {{nullptr, 10}}, "1", 15, {{"0", "10", "10"}, {"0", "0", "5"}}},
        {"decimal usage", {{"L1", 100}}, "0.45", 20, {{"L1", "100", "9"}}},
        // 3,244 x 0.45 = 1,459.8: whole pieces are booked, so the first lot covers it
        // and the next lot is neither charged 0 nor named in the genealogy.
        {"a lot holding the whole of a fractional need",
         {{"L1", 1459}, {"L2", 50}},
         "0.45",
         3244,
         {{"L1", "1459", "1459"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        seed("RM-100", c.lots);
        exec(
            "INSERT INTO S_PRODUCT_STORE (product_code, lot_no, reg_date, culgo_su) VALUES "
            "('RM-100', 'L9', '" +
            day(-2) + "', 0)");
        QList<LotRow> rows{{"RM-100", c.usage, "0", "0", "0"}};
        EXPECT_EQ(book(rows, c.change), c.rows);
    }
}

TEST_F(LotBookingTest, TheCursorServesEveryComponentInTurn) {
    seed("RM-100", {{"L1", 25}, {"L2", 20}, {"L3", 40}});
    seed("RM-400", {{"B1", 10}, {"B2", 100}});
    QList<LotRow> rows{{"RM-100", "2", "0", "0", "0"}, {"RM-400", "1", "0", "0", "0"}};
    EXPECT_EQ(book(rows, 30), (std::vector<Booked>{{"L1", "25", "25"},
                                                   {"L2", "20", "20"},
                                                   {"L3", "40", "15"},
                                                   {"B1", "10", "10"},
                                                   {"B2", "100", "20"}}));
    EXPECT_EQ(cursor, 1);
    EXPECT_EQ(rows[3].copy, false);
    EXPECT_EQ(rows[4].copy, true);
}

// KG lots received and issued in cents. Each lot's stock is exact, so a need of
// exactly a lot's stock takes that lot alone and a lot issued to zero is not
// offered; the same from the lot totals an earlier release kept (plain binary
// sums of the ledger).
TEST_F(LotBookingTest, FractionalKgLotsAreBookedToTheCent) {
    struct Move {
        const char* lot;
        const char* in;
        const char* out;
    };
    struct KgCase {
        const char* name;
        std::vector<Move> moves;
        double change;
        std::vector<Booked> rows;
    };
    const KgCase cases[] = {
        {"2.30 in, 0.30 out, need 2",
         {{"K1", "2.30", "0"}, {"K1", "0", "0.30"}, {"K2", "5", "0"}},
         2,
         {{"K1", "2", "2"}}},
        {"0.10 + 0.20 + 0.30 in, 0.60 out",
         {{"K1", "0.10", "0"},
          {"K1", "0.20", "0"},
          {"K1", "0.30", "0"},
          {"K1", "0", "0.60"},
          {"K2", "3", "0"}},
         2,
         {{"K2", "3", "2"}}},
        {"two fractional lots used up exactly",
         {{"K1", "2.30", "0"},
          {"K1", "0", "0.30"},
          {"K2", "0.70", "0"},
          {"K2", "0.10", "0"},
          {"K2", "0.20", "0"},
          {"K3", "7", "0"}},
         3,
         {{"K1", "2", "2"}, {"K2", "1", "1"}}},
    };
    for (const bool earlierTotals : {false, true}) {
        for (const KgCase& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (earlierTotals ? ", earlier totals" : ""));
            exec("DELETE FROM S_PRODUCT_STORE WHERE product_code = 'RM-100'");
            for (const Move& m : c.moves)
                exec(QString("INSERT INTO S_PRODUCT_STORE (product_code, lot_no, reg_date, "
                             "ipgo_su, culgo_su) VALUES ('RM-100', '%1', '%2', %3, %4)")
                         .arg(m.lot, day(-3), m.in, m.out));
            if (earlierTotals)
                exec(
                    "UPDATE S_PRODUCT_STORE_LOT SET ipgo_su = (SELECT SUM(ipgo_su) FROM "
                    "S_PRODUCT_STORE X WHERE X.product_code = S_PRODUCT_STORE_LOT.product_code "
                    "AND X.lot_no = S_PRODUCT_STORE_LOT.lot_no), culgo_su = (SELECT "
                    "SUM(culgo_su) FROM S_PRODUCT_STORE X WHERE X.product_code = "
                    "S_PRODUCT_STORE_LOT.product_code AND X.lot_no = S_PRODUCT_STORE_LOT.lot_no) "
                    "WHERE product_code = 'RM-100'; UPDATE S_PRODUCT_STORE_LOT SET balance = "
                    "ipgo_su - culgo_su WHERE product_code = 'RM-100'");
            QList<LotRow> rows{{"RM-100", "1", "0", "0", "0"}};
            EXPECT_EQ(book(rows, c.change), c.rows);
        }
    }
}

}  // namespace
