// The end of a run on the ODBC engine, against the loopback SQL Server.
#include <QPushButton>
#include <cmath>
#include <functional>

#include "FakeTdsServer.h"
#include "ProductionFixture.h"
#include "foundation/OdbcEngine.h"
#include "production/frm_S_dayReport.h"
#include "ui/Forms.h"
#include "ui/TouchLabel.h"

using namespace mes;
using testsupport::TdsReply;

namespace {

// The run's row as the production screen reads it.
const QStringList kRunColumns =
    QString(
        "작업지시번호|지시일자|생산실적번호|주야구분|수주처코드|수주처|공정코드|공정명|설비코드|"
        "품번코드|품번|Rev.No|품명|품명상세|단위|지시수량|양품수량|불량수량|작업인원|작업자|"
        "작업자사번|시작일자|시작시간|종료일자|종료시간|작업자1|작업자2|작업자3|제품구분|"
        "제품유형코드|작업자사번")
        .split('|');

struct Component {
    QString code;
    double usage;
    QString lot;
    int stock;
};
const Component kParts[] = {{"RM-100", 0.45, "L261201-07", 5000},
                            {"RM-400", 2, "L261113-04", 20000}};
constexpr int kGoodBefore = 11880, kBad = 37;
const QString kGoodTyped = "12000";

struct Outage {
    const char* name;
    bool staysDown;  // no connection is accepted until the operator's next press
    int questions;   // reconnect questions asked
    // The dialogs of the press whose commit's answer is lost.
    std::function<void(uitest::ModalScript&)> dialogs;
};

void PrintTo(const Outage& o, std::ostream* os) { *os << o.name; }

// The terminal's Session goes to the loopback server, not to the demo plant.
class EndRunOdbc : public ProductionFixture, public ::testing::WithParamInterface<Outage> {
  protected:
    void SetUp() override {
        ProductionFixture::SetUp();
        session.setEngineFactory(
            [cs = server.connectString()] { return std::make_unique<OdbcEngine>(cs); });
        ASSERT_TRUE(session.connect());
        serve();
    }
    void TearDown() override {
        ProductionFixture::TearDown();
        if (session.connection()) session.connection()->close();
    }
    // The reads of the screen's load and of its end; the order's state follows
    // what the server holds.
    void serve() {
        const QString d = day();
        const QStringList run = QStringList{kOrder, d, kRun} +
                                QString(
                                    "주간|C001|대한정밀(주)|1000|프레스|P-01|FP-100|FP-100-A|03|"
                                    "브래킷 'L' 좌측 보강판||EA|12000")
                                    .split('|') +
                                QStringList{QString::number(kGoodBefore),
                                            QString::number(kBad),
                                            "2",
                                            "김현수",
                                            "E001",
                                            d,
                                            "07:25",
                                            "",
                                            "",
                                            "김현수",
                                            "",
                                            "",
                                            "완제품",
                                            "",
                                            "E001"};
        server.answer("as [생산실적번호]", TdsReply().rows(kRunColumns, {run}));
        server.answer("SELECT sum(isnull(qty,0)) as qty",
                      TdsReply().rows(QStringList{"qty", "bad_qty"},
                                      {{QString::number(kGoodBefore), QString::number(kBad)}}));
        QList<QStringList> bom;
        for (const Component& c : kParts) {
            bom << QStringList{
                c.code, "",  "원자재", c.code, "", c.code + " 코일", QString::number(c.usage),
                "0",    "0", "0",      "EA"};
            server.answer("S_PS.product_code = '" + c.code + "'",
                          TdsReply().rows(QStringList{"lot_no", "재고"},
                                          {{c.lot, QString::number(c.stock)}}));
        }
        server.answer("##TEMP_REAL_LOT", TdsReply().rows({"product_code", "car_name", "type",
                                                          "pumbun", "eono", "product_name", "usage",
                                                          "LOT NO", "LOT 재고", "투입수량", "단위"},
                                                         bom));
        server.answer("FROM P_BIGADONG", TdsReply().rows({"cnt"}, {{"0"}}));
        const QString state = "SELECT end_yn FROM B_JAKUPJISI_MASTER";
        server.answer(state, TdsReply().rows({"end_yn"}, {{"2"}}));
        server.answerOnceWritten("end_yn = '3'", state, TdsReply().rows({"end_yn"}, {{"3"}}));
        // Ended: the guard's conversion fails, as the server's does.
        server.answerOnceWritten(
            "end_yn = '3'", "ELSE CAST('작업이 이미 종료되었습니다.' AS INT) END",
            TdsReply().error(245,
                             "Conversion failed when converting the varchar value '작업이 이미 "
                             "종료되었습니다.' to data type int.",
                             16));
    }
    static int count(const QStringList& l, const QString& text) {
        return int(std::count_if(l.cbegin(), l.cend(),
                                 [&](const QString& s) { return s.contains(text); }));
    }

    testsupport::FakeTdsServer server;
};

// The end is made durable, its answer never arrives: the operator is told it
// is saved, at once or at the next press, and nothing is booked twice.
TEST_P(EndRunOdbc, ACommitWhoseAnswerIsLostBooksTheRunOnce) {
    const Outage& o = GetParam();
    frm_S_dayReport& s = open();
    script.keypad(kGoodTyped);
    s.lblOk_Cnt->clicked();
    ASSERT_EQ(s.lblOk_Cnt->count(), kGoodTyped);
    server.commitThenDrop("COMMIT TRANSACTION");
    if (o.staysDown) {
        // Down from the run's update on: the commit is the last the server takes.
        session.setTrace([this](const TraceEvent& e) {
            if (e.statement.contains("EMPLOYEE_SU =")) server.setDropAtAccept(true);
        });
    }
    o.dialogs(script);
    s.btnEnd->click();
    EXPECT_EQ(script.pending(), 0);
    session.setTrace({});
    if (o.staysDown) {
        EXPECT_TRUE(s.btnEnd->isEnabled()) << "to be pressed again";
        server.setDropAtAccept(false);
        script.notice("저장이 완료되었습니다.");
        s.btnEnd->click();
        EXPECT_EQ(script.pending(), 0);
    }
    EXPECT_EQ(script.texts().count("데이터베이스와의 접속이 끊여졌습니다.\n재시도 하시겠습니까?"),
              o.questions);
    EXPECT_EQ(script.texts().count("저장이 완료되었습니다."), 1);

    // One end's set, each sent once: the movements of the product and of
    // each component, a genealogy row per component, one receipt.
    const int change = kGoodTyped.toInt() - kGoodBefore;
    const int parts = int(std::size(kParts));
    const QStringList written = server.written();
    const QStringList sent = server.batches();
    for (const QStringList& l : {written, sent}) {
        EXPECT_EQ(count(l, "INSERT INTO  S_PRODUCT_STORE"), 2 + parts);
        EXPECT_EQ(count(l, "INSERT INTO S_LOT_HISTORY"), parts);
        EXPECT_EQ(count(l, "Insert into P_PRODUCT_IPGO"), 1);
        EXPECT_EQ(count(l, "INSERT INTO  P_PRODUCT_STORE"), 1);
        EXPECT_EQ(count(l, "end_yn = '3'"), 1);
    }
    for (const Component& c : kParts) {
        const qint64 used = qint64(std::trunc(change * c.usage));
        EXPECT_EQ(count(written, "'" + c.code + "', " + QString::number(used) +
                                     ", '재공품소모', '" + c.lot + "'"),
                  1)
            << c.code.toStdString();
    }
    EXPECT_EQ(count(written, "'" + QString::number(change) + "',\n    '0',"), 1) << "the receipt";
    EXPECT_EQ(count(written, "Qty=" + kGoodTyped + ",\n    Bad_Qty=" + QString::number(kBad)), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Outages, EndRunOdbc,
    ::testing::Values(
        Outage{"Reconnected", false, 1,
               [](uitest::ModalScript& s) {
                   s.press("Retry").ok("접속되었습니다.").ok().notice("저장이 완료되었습니다.");
               }},
        Outage{"NotReconnected", false, 1,
               [](uitest::ModalScript& s) {
                   s.press("Cancel").ok().notice("저장이 완료되었습니다.");
               }},
        Outage{"ServerStillDown", true, 2,
               [](uitest::ModalScript& s) {
                   s.press("Retry").ok().ok("접속실패!!! 전산실에 문의하여 주십시요...").ok();
                   s.ok().press("Cancel").ok().notice("저장 실패");
               }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
