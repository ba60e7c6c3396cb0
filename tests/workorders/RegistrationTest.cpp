#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ListKit.h"
#include "foundation/TerminalClock.h"
#include "screens/support/ScreenFixture.h"
#include "ui/ButtonStrip.h"
#include "ui/Forms.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_Jakup.h"
#include "workorders/frm_S_jakupjisi_list.h"

using namespace mes;
using namespace listkit;

namespace {

class Registration : public screentest::ScreenFixture {
  protected:
    // Chooses the customer on the list and opens the registration.
    frm_S_Jakup& openFor(const QString& customerName) {
        frm_S_jakupjisi_list::showScreen();
        frm_S_jakupjisi_list& l = gfFORM<frm_S_jakupjisi_list>();
        l.btnEquipment->button(buttonOf(*l.btnEquipment, customerName))->click();
        l.btnJakup->click();
        return gfFORM<frm_S_Jakup>();
    }
    void save(const QString& pumbun) {
        frm_S_Jakup& reg = gfFORM<frm_S_Jakup>();
        reg.spread->SetFocus(2, rowOf(*reg.spread, "품번", pumbun));
        script.notice("저장이 완료되었습니다.");
        reg.cmdSave->click();
        EXPECT_EQ(script.pending(), 0);
    }
};

TEST_F(Registration, NumbersOrdersPerDayAndListsThemWithQuantityZero) {
    TerminalClock::setFixed(kNow.addDays(2));  // a day without orders
    const QString k = kNow.date().addDays(2).toString("yyyyMMdd");
    frm_S_Jakup& reg = openFor("한빛오토텍");
    EXPECT_EQ(reg.txtCustomer_Code->text(), "C001");
    const QStringList offered = column(*reg.spread, "품번코드");
    EXPECT_EQ(offered.size(),
              value("SELECT count(*) FROM B_PRODUCT_MASTER WHERE customer_code = 'C001' AND "
                    "use_yn = 1")
                  .toInt());
    EXPECT_FALSE(offered.contains("FP-900")) << "not in use";
    save("84710-AX100");
    EXPECT_FALSE(gfFORM_LOADED<frm_S_Jakup>()) << "closed after saving";
    openFor("한빛오토텍");
    save("84720-AX200");
    const QList<QVariantList> stored = rows(
        "SELECT prod_no, seq, product_code, order_qty, end_yn, jisi_date FROM "
        "B_JAKUPJISI_MASTER WHERE jisi_date = '" +
        day(2) + "' ORDER BY prod_no");
    ASSERT_EQ(stored.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QString prod = k + QString::asprintf("%03d", i + 1);
        EXPECT_EQ(stored[i][0].toString(), prod);
        EXPECT_EQ(stored[i][1].toString(), prod + "001");
        EXPECT_EQ(stored[i][3].toDouble(), 0.0);
        EXPECT_EQ(stored[i][4].toString(), "1");
        const frm_S_jakupjisi_list& l = gfFORM<frm_S_jakupjisi_list>();
        const int r = rowOf(*l.spread, "지시순번", prod + "001");
        ASSERT_GT(r, 0) << "listed at once";
        EXPECT_EQ(l.spread->ValueWithColID("작업지시수량", r), "0");
    }
    EXPECT_EQ(stored[0][2].toString(), "FP-100");
}

TEST_F(Registration, QuotesInNamesAndCodesAreStoredAsTyped) {
    exec("INSERT INTO B_CUSTOMER (customer_code, customer_name) VALUES ('C''9', 'O''Brien')");
    exec(
        "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, customer_code, "
        "process_code, equipment_code, use_yn) VALUES ('Q''1', 'Q''1-P', 'Cap ''A''', 'C''9', "
        "'1000', 'P-01', '1')");
    openFor("O'Brien");
    save("Q'1-P");
    const QString seq =
        value("SELECT seq FROM B_JAKUPJISI_MASTER WHERE product_code = 'Q''1'").toString();
    ASSERT_FALSE(seq.isEmpty());
    EXPECT_EQ(value("SELECT customer_code FROM B_JAKUPJISI_MASTER WHERE seq = '" + seq + "'"),
              "C'9");
    frm_S_jakupjisi_list& l = gfFORM<frm_S_jakupjisi_list>();
    const int r = rowOf(*l.spread, "지시순번", seq);
    ASSERT_GT(r, 0) << "the quoted customer's filter lists it";
    EXPECT_EQ(l.spread->TextWithColID("수주처", r), "O'Brien");
    l.spread->SetFocus(3, r);
    l.btnStart->click();
    EXPECT_EQ(
        rows("SELECT product_code, customer_code FROM P_SANGSAN_MASTER WHERE seq = '" + seq + "'")
            .value(0),
        (QVariantList{"Q'1", "C'9"}));
}

TEST_F(Registration, SavingWithoutAProductWritesNothing) {
    frm_S_Jakup& reg = openFor("한빛오토텍");
    const int before = value("SELECT count(*) FROM B_JAKUPJISI_MASTER").toInt();
    script.notice("품번을 선택하십시오.");
    reg.cmdSave->click();
    EXPECT_EQ(script.pending(), 0);
    EXPECT_EQ(value("SELECT count(*) FROM B_JAKUPJISI_MASTER").toInt(), before);
}

}  // namespace
