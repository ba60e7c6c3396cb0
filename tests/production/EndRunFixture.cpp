#include "EndRunFixture.h"

#include "foundation/EmbeddedEngine.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/TouchLabel.h"

const QStringList EndRunFixture::kLedgers{"S_PRODUCT_STORE",    "P_PRODUCT_STORE",
                                          "S_LOT_HISTORY",      "P_PRODUCT_IPGO",
                                          "B_JAKUPJISI_MASTER", "P_SANGSAN_MASTER"};

mes::frm_S_dayReport& EndRunFixture::counted(const QString& good) {
    exec("UPDATE P_SANGSAN_MASTER SET qty = 80, bad_qty = 5 WHERE op_seq_sub = '" + kRun + "'");
    mes::frm_S_dayReport& s = open();
    script.keypad(good);
    s.lblOk_Cnt->clicked();
    return s;
}

std::vector<EndRunFixture::Table> EndRunFixture::snapshot() {
    std::vector<Table> out;
    for (const QString& t : kLedgers) out.push_back(rows("SELECT * FROM " + t + " ORDER BY rowid"));
    return out;
}

double EndRunFixture::balance(const QString& product) {
    return value(
               "SELECT total(ipgo_su) - total(culgo_su) FROM S_PRODUCT_STORE WHERE "
               "product_code = '" +
               product + "'")
        .toDouble();
}

int EndRunFixture::movements() {
    return value("SELECT count(*) FROM S_PRODUCT_STORE WHERE ipgo_no_sub = '" + kRun +
                 "' OR culgo_no_sub = '" + kRun + "'")
               .toInt() +
           value("SELECT count(*) FROM P_PRODUCT_STORE WHERE ipgo_no_sub = '" + kRun + "'").toInt();
}

int EndRunFixture::genealogy() {
    return value("SELECT count(*) FROM S_LOT_HISTORY WHERE ipgo_no_sub = '" + kRun + "'").toInt();
}

int EndRunFixture::receipts() {
    return value("SELECT count(*) FROM P_PRODUCT_IPGO WHERE ipgo_no_sub = '" + kRun + "'").toInt();
}

void EndRunFixture::killTerminal() {
    // Nothing of the old program lives on: no retired screen, no counter thread.
    mes::gsUNLOAD<mes::frm_S_dayReport>();
    mes::Forms::unloadAll();
    next_ = std::make_unique<mes::Session>();
    next_->setEngineFactory([p = dbPath] { return std::make_unique<mes::EmbeddedEngine>(p); });
    mes::gsSET_SESSION(next_.get());
    EXPECT_TRUE(next_->connect());
}

mes::frm_S_dayReport& EndRunFixture::restart() {
    killTerminal();
    return open();
}
