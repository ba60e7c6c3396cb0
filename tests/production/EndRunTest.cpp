// The end of a run, checked on the ledgers it writes.
#include <QLabel>
#include <QPushButton>

#include "EndRunFixture.h"
#include "foundation/EmbeddedEngine.h"
#include "production/EndRunSql.h"
#include "production/StockSql.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_jakupjisi_list.h"

using namespace mes;

namespace {

const QString kLot = "261208/1000";

class EndRun : public EndRunFixture {
  protected:
    void end(frm_S_dayReport& s) {
        script.notice("저장이 완료되었습니다.");
        s.btnEnd->click();
    }
    // Sum of the running balances of a product's rows dated after today.
    double laterBalances(const QString& product) {
        return value("SELECT total(jego_su) FROM S_PRODUCT_STORE WHERE product_code = '" + product +
                     "' AND reg_date > '" + day() + "'")
            .toDouble();
    }
};

TEST_F(EndRun, BooksTheRunTheOrderAndTheLedgersOnce) {
    frm_S_dayReport& s = counted();
    ASSERT_EQ(s.lblJakup_Cnt->text(), "100");
    struct Component {
        QString code;
        double consumed, before, later;
        int laterRows;
    };
    std::vector<Component> parts{{"RM-100", 6}, {"RM-400", 30}};
    for (Component& c : parts) {
        c.before = balance(c.code);
        c.later = laterBalances(c.code);
        c.laterRows = value("SELECT count(*) FROM S_PRODUCT_STORE WHERE product_code = '" + c.code +
                            "' AND reg_date > '" + day() + "'")
                          .toInt();
    }
    end(s);
    EXPECT_EQ(rows("SELECT order_qty, qty, bad_qty, end_yn FROM B_JAKUPJISI_MASTER WHERE seq = '" +
                   kOrder + "'"),
              (Table{{95, 95, 5, "3"}}));
    EXPECT_EQ(rows("SELECT qty, bad_qty, lot_no, edate, etime, sdate, min, last_time FROM "
                   "P_SANGSAN_MASTER WHERE op_seq_sub = '" +
                   kRun + "'"),
              (Table{{95, 5, kLot, day(), "09:00", day(), "95", "090000"}}));
    for (const Component& c : parts) {
        SCOPED_TRACE(c.code.toStdString());
        EXPECT_EQ(balance(c.code), c.before - c.consumed);
        EXPECT_EQ(laterBalances(c.code), c.later - c.laterRows * c.consumed);
        EXPECT_EQ(value("SELECT total(culgo_su) FROM S_PRODUCT_STORE WHERE culgo_no_sub = '" +
                        kRun + "' AND product_code = '" + c.code + "'"),
                  c.consumed);
        // The new row's running balance continues the latest one before it.
        EXPECT_EQ(value("SELECT n.jego_su - (SELECT p.jego_su FROM S_PRODUCT_STORE p WHERE "
                        "p.product_code = n.product_code AND p.reg_date <= n.reg_date AND p.idx "
                        "< n.idx ORDER BY p.reg_date DESC, p.idx DESC LIMIT 1) FROM "
                        "S_PRODUCT_STORE n WHERE n.culgo_no_sub = '" +
                        kRun + "' AND n.product_code = '" + c.code + "' ORDER BY idx LIMIT 1"),
                  -c.consumed)
            << "one lot per component here";
    }
    EXPECT_EQ(rows("SELECT culgo_type, lot_no, coalesce(ipgo_su, culgo_su) FROM S_PRODUCT_STORE "
                   "WHERE product_code = 'FP-100' AND (ipgo_no_sub = '" +
                   kRun + "' OR culgo_no_sub = '" + kRun + "') ORDER BY idx"),
              (Table{{"재공품추가", kLot, 15}, {"제품투입", kLot, 15}}));
    // The goods store's new row carries the whole balance of the product.
    EXPECT_EQ(rows("SELECT culgo_type, lot_no, ipgo_su, jego_su - (SELECT total(ipgo_su) - "
                   "total(culgo_su) FROM P_PRODUCT_STORE WHERE product_code = 'FP-100') FROM "
                   "P_PRODUCT_STORE WHERE ipgo_no_sub = '" +
                   kRun + "'"),
              (Table{{"제품입고", kLot, 15, 0.0}}));
    EXPECT_EQ(rows("SELECT ipgo_su, lot_no, operation_no_sub, last_time FROM P_PRODUCT_IPGO "
                   "WHERE ipgo_no_sub = '" +
                   kRun + "'"),
              (Table{{15, kLot, kRun, "090000"}}));
    EXPECT_EQ(rows("SELECT culgo_product_code, lot_no, process_code, equipment_code FROM "
                   "S_LOT_HISTORY WHERE ipgo_no_sub = '" +
                   kRun + "' ORDER BY idx"),
              (Table{{"RM-100", kLot, "1000", "P-01"}, {"RM-400", kLot, "1000", "P-01"}}));
    EXPECT_FALSE(gfFORM_LOADED<frm_S_dayReport>());
    EXPECT_EQ(gfFORM<frm_S_jakupjisi_list>().lvSerchSQL, "AND B_JAK.Customer_Code = 'C001'");
}

// Product kind and work centre decide the finished-goods steps and the lot.
struct Variant {
    const char* name;
    const char* kind;
    const char* process;
    int receipts, goods;
    const char* lot;
};

class EndRunVariants : public EndRun, public testing::WithParamInterface<Variant> {};

TEST_P(EndRunVariants, WriteTheirSteps) {
    const Variant& v = GetParam();
    exec(QString("UPDATE B_PRODUCT_MASTER SET type = '%1' WHERE product_code = 'FP-100'")
             .arg(v.kind));
    exec(QString("UPDATE B_JAKUPJISI_MASTER SET process_code = '%1' WHERE seq = '%2'")
             .arg(v.process, kOrder));
    end(counted());
    EXPECT_EQ(receipts(), v.receipts);
    EXPECT_EQ(value("SELECT count(*) FROM P_PRODUCT_STORE WHERE ipgo_no_sub = '" + kRun + "'"),
              v.goods);
    EXPECT_EQ(value("SELECT lot_no FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + kRun + "'"),
              v.lot);
    EXPECT_EQ(rows("SELECT DISTINCT lot_no, process_code FROM S_LOT_HISTORY WHERE ipgo_no_sub "
                   "= '" +
                   kRun + "'"),
              (Table{{v.lot, QString(v.lot).section('/', 1)}}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, EndRunVariants,
                         testing::Values(Variant{"finished", "완제품", "1000", 1, 1, "261208/1000"},
                                         Variant{"half", "반제품", "1000", 0, 0, "261208/1000"},
                                         Variant{"noCentre", "완제품", "NONE", 1, 1,
                                                 "261208/Empty"}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(EndRun, AFailureAnywhereWritesNothingAndKeepsTheCounts) {
    struct Case {
        const char* name;
        std::function<void(frm_S_dayReport&)> arrange;
        QStringList messages;
    };
    const Case cases[] = {
        {"genealogy insert fails",
         [this](frm_S_dayReport&) {
             exec(
                 "CREATE TRIGGER no_history BEFORE INSERT ON S_LOT_HISTORY BEGIN SELECT "
                 "RAISE(ABORT, 'disk full'); END");
             script.ok();
         },
         {"저장 실패"}},
        {"workers not a number",
         [](frm_S_dayReport& s) { s.lblJakupsu->setText("두명"); },
         {"저장 실패"}},
        {"minutes without a number",
         [](frm_S_dayReport& s) { s.lblMin->setText("분"); },
         {"저장 실패"}},
        {"count out of range",
         [](frm_S_dayReport& s) { s.lblBad_Cnt->setCount("3000000000"); },
         {"저장 실패"}},
        {"production zero",
         [](frm_S_dayReport& s) { s.lblJakup_Cnt->setCount("0"); },
         {"생산수량이 0입니다."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frm_S_dayReport& s = counted();
        s.Timer1->stop();  // the count rule would mend the arranged fields
        const std::vector<Table> before = snapshot();
        c.arrange(s);
        const QString made = s.lblJakup_Cnt->text();
        for (const QString& m : c.messages) script.notice(m);
        s.btnEnd->click();
        EXPECT_EQ(snapshot(), before);
        EXPECT_TRUE(gfFORM_LOADED<frm_S_dayReport>());
        EXPECT_EQ(s.lblOk_Cnt->text(), "95");
        EXPECT_EQ(s.lblJakup_Cnt->text(), made);
        EXPECT_TRUE(s.btnEnd->isEnabled());
        exec("DROP TRIGGER IF EXISTS no_history");
        gsUNLOAD<frm_S_dayReport>();
    }
}

// A connection that commits and then loses the answer, once.
class LosingEngine : public EmbeddedEngine {
  public:
    LosingEngine(const QString& path, bool* lose) : EmbeddedEngine(path), lose_(lose) {}
    bool commit(DbError* err) override {
        const bool ok = EmbeddedEngine::commit(err);
        if (!ok || !*lose_) return ok;
        *lose_ = false;
        close();
        *err = DbError{DbError::kConnectionLost, "Communication link failure"};
        return false;
    }

  private:
    bool* lose_;
};

TEST_F(EndRun, IsBookedOnceWhateverHappensAroundTheSave) {
    struct Case {
        const char* name;
        std::function<void(frm_S_dayReport&)> arrange;
    };
    bool lose = false;
    Session other;
    other.setEngineFactory([p = dbPath] { return std::make_unique<EmbeddedEngine>(p); });
    ASSERT_TRUE(other.connect());
    const Case cases[] = {
        {"a second press while the first save runs",
         [this](frm_S_dayReport& s) {
             session.setTrace([&s](const TraceEvent&) { s.btnEnd->click(); });
         }},
        {"the answer of the commit is lost",
         [&](frm_S_dayReport&) {
             lose = true;
             session.setEngineFactory(
                 [p = dbPath, &lose] { return std::make_unique<LosingEngine>(p, &lose); });
             ASSERT_TRUE(session.connect());
             script.press("Retry").ok("접속되었습니다.").ok("Communication link failure");
         }},
        {"another terminal ends the run first",
         [&](frm_S_dayReport& s) {
             QList<LotRow> lots;
             for (int r = 1; r <= s.spread->MaxRows(); ++r)
                 lots << LotRow{s.spread->TextWithColID("품번코드", r), "",
                                s.spread->TextWithColID("LOT NO", r), "",
                                s.spread->TextWithColID("투입수량", r)};
             QStringList list{gfEND_GUARD_SQL(kOrder)};
             lsStockSave(list, {"FP-100", kOrder, kRun, 15, "1000", "P-01", day(), "완제품"}, lots);
             lsEndUpdate(list, {kOrder, kRun, 95, 5, day(), "09:00", 95, 1});
             // Right after this terminal's own check of the order, before its save.
             session.setTrace([&other, list](const TraceEvent& e) {
                 if (e.statement == gfORDER_STATE_SQL(kOrder) && other.execList(list, "other"))
                     gvSession().setTrace({});
             });
             script.ok();  // the refusal of the second save
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frm_S_dayReport& s = counted();
        c.arrange(s);
        end(s);
        session.setTrace({});
        s.btnEnd->click();  // once more after the end
        EXPECT_EQ(movements(), 5);
        EXPECT_EQ(genealogy(), 2);
        EXPECT_EQ(receipts(), 1);
        EXPECT_EQ(value("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE seq = '" + kOrder + "'"), "3");
        // The same run in progress again for the next case.
        for (const QString& t : {"S_PRODUCT_STORE", "P_PRODUCT_STORE"})
            exec(QString("DELETE FROM %1 WHERE ipgo_no_sub = '%2' OR culgo_no_sub = '%2'")
                     .arg(t, kRun));
        exec("DELETE FROM S_LOT_HISTORY WHERE ipgo_no_sub = '" + kRun + "'");
        exec("DELETE FROM P_PRODUCT_IPGO WHERE ipgo_no_sub = '" + kRun + "'");
        exec("UPDATE B_JAKUPJISI_MASTER SET end_yn = '2' WHERE seq = '" + kOrder + "'");
    }
}

}  // namespace
