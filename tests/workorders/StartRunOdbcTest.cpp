// The start of a run on the ODBC engine, against the loopback SQL Server.
#include <QPushButton>

#include "FakeTdsServer.h"
#include "ListKit.h"
#include "foundation/OdbcEngine.h"
#include "production/frm_S_dayReport.h"
#include "screens/support/ScreenFixture.h"
#include "ui/Forms.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_jakupjisi_list.h"

using namespace mes;
using testsupport::TdsReply;

namespace {

// The list statement's columns, in its order.
const QStringList kListColumns{
    "작업지시번호", "지시번호",  "지시일자", "구분",     "수주처코드", "수주처",   "공정코드",
    "공정명",       "설비코드",  "설비명",   "품번코드", "품번",       "Rev.No",   "품명",
    "규격",         "1차발주처", "품명상세", "지시수량", "생산수량",   "작업인원", "작업자코드",
    "작업자",       "완료여부",  "발행유무", "저장",     "취소"};

// The order's columns from 구분 to 작업자: the run copies them from the list.
const QStringList kOrderFields =
    QString(
        "주간|C001|대한정밀(주)|1000|프레스|P-02|프레스 2호기|FP-100|FP-100-A|03|브래킷 'L' 좌측 "
        "보강판|t2.3|현대|도장 전 탈지 후 적재|12000|0|2|E001|김현수")
        .split('|');

struct Reconnect {
    const char* answer;  // to the reconnect question
    QStringList shown;   // after that answer, before "저장실패"
};

void PrintTo(const Reconnect& r, std::ostream* os) { *os << r.answer; }

// The terminal's Session goes to the loopback server, not to the demo plant.
class StartRunOdbc : public screentest::ScreenFixture,
                     public ::testing::WithParamInterface<Reconnect> {
  protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        session.setEngineFactory(
            [cs = server.connectString()] { return std::make_unique<OdbcEngine>(cs); });
        ASSERT_TRUE(session.connect());
    }
    void TearDown() override {
        ScreenFixture::TearDown();
        if (session.connection()) session.connection()->close();
    }
    // What the server holds for one order, before and after its start is durable.
    void serve(const QString& date, const QString& seq) {
        const QString d = QString(date).remove('-');
        const QString started = "And Seq = '" + seq + "'";
        const QString listed = "B_JAK.PROD_NO as [작업지시번호]";
        const auto row = [&](const QString& state) {
            const QStringList values = QStringList{seq.left(11), seq, date} + kOrderFields +
                                       QStringList{state, "0", "", ""};
            return TdsReply().rows(kListColumns, {values});
        };
        server.answer(listed, row("미완료"));
        server.answerOnceWritten(started, listed, row("진행중"));
        const QString nextRun = "OP_SEQ like '" + d + "%'";
        server.answer(nextRun, TdsReply().rows({""}, {{d + "001"}}));
        server.answerOnceWritten(started, nextRun, TdsReply().rows({""}, {{d + "002"}}));
        server.answer("Insert Into  P_SANGSAN_MASTER", TdsReply().count(1));
        server.answer(started, TdsReply().count(1));
        // The order is no longer '1': the guarded update touches nothing.
        server.answerOnceWritten(started, started + "\nAnd (end_yn = '1' Or end_yn Is Null)",
                                 TdsReply().count(0));
    }
    static int containing(const QStringList& l, const QString& a, const QString& b) {
        return int(std::count_if(l.cbegin(), l.cend(),
                                 [&](const QString& s) { return s.contains(a) && s.contains(b); }));
    }

    testsupport::FakeTdsServer server;
};

// The commit is made durable, its answer never arrives: whether the operator
// reconnects at once or not, the next press finds the order started.
TEST_P(StartRunOdbc, ACommitWhoseAnswerIsLostLeavesOneRun) {
    const Reconnect& c = GetParam();
    server.commitThenDrop("COMMIT TRANSACTION");
    const QString date = day();
    const QString seq = QString(date).remove('-') + "013001";
    serve(date, seq);
    frm_S_jakupjisi_list::showScreen();
    frm_S_jakupjisi_list& l = gfFORM<frm_S_jakupjisi_list>();
    const int row = listkit::rowOf(*l.spread, "지시순번", seq);
    ASSERT_GT(row, 0);
    l.spread->SetFocus(3, row);

    const qsizetype before = script.shown().size();
    script.press(c.answer);
    for (const QString& text : c.shown) script.ok(text);
    script.ok("저장실패");
    l.btnStart->click();
    EXPECT_EQ(script.pending(), 0);
    const QStringList shown = script.texts().mid(before);
    ASSERT_EQ(shown.size(), c.shown.size() + 2);
    EXPECT_EQ(shown.first(), "데이터베이스와의 접속이 끊여졌습니다.\n재시도 하시겠습니까?");
    EXPECT_FALSE(shown[shown.size() - 2].isEmpty()) << "the driver's description";
    EXPECT_FALSE(gfFORM_LOADED<frm_S_dayReport>());
    const QStringList held = server.written();
    EXPECT_EQ(containing(held, "Insert Into  P_SANGSAN_MASTER", seq), 1);
    EXPECT_EQ(containing(held, "end_yn = '2'", seq), 1);

    script.notice("이미 진행중인 작업입니다.");
    l.btnStart->click();
    EXPECT_EQ(script.pending(), 0);
    EXPECT_TRUE(session.isOpen());
    // The second press inserted a run too; the guard rolled it back.
    EXPECT_EQ(containing(server.batches(), "Insert Into  P_SANGSAN_MASTER", seq), 2);
    EXPECT_EQ(server.written(), held);
    EXPECT_TRUE(held.filter(QString(date).remove('-') + "002").isEmpty());
    EXPECT_EQ(l.spread->TextWithColID("완료여부", listkit::rowOf(*l.spread, "지시순번", seq)),
              "진행중")
        << "the list is reloaded";
    EXPECT_FALSE(gfFORM_LOADED<frm_S_dayReport>());
}

INSTANTIATE_TEST_SUITE_P(Reconnect, StartRunOdbc,
                         ::testing::Values(Reconnect{"Retry", {"접속되었습니다.", ""}},
                                           Reconnect{"Cancel", {""}}),
                         [](const auto& info) { return std::string(info.param.answer); });

}  // namespace
