// The production screen counting from a press's stroke counter on the loopback.
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <cmath>
#include <functional>

#include "EndRunFixture.h"
#include "ModbusPress.h"
#include "foundation/Configuration.h"
#include "foundation/ErrorLog.h"
#include "foundation/TerminalClock.h"
#include "production/HeldEntriesFile.h"
#include "production/frm_S_badqty.h"
#include "production/frm_S_dayReport.h"
#include "support/WaitUntil.h"
#include "ui/TouchLabel.h"
#include "ui/clsSpread.h"
#include "workorders/frm_S_jakupjisi_list.h"

using namespace mes;
using uitest::DialogHandle;

namespace {

using testsupport::waitUntil;

class MachineCount : public EndRunFixture {
  protected:
    void SetUp() override {
        EndRunFixture::SetUp();
        exec("UPDATE P_SANGSAN_MASTER SET qty = 0, bad_qty = 0 WHERE op_seq_sub = '" + kRun + "'");
        exec("DELETE FROM P_BADQTY WHERE op_seq_sub = '" + kRun + "'");
    }
    void TearDown() override {
        EndRunFixture::TearDown();
        gvConfig() = Configuration();
        TerminalClock::clearFixed();
    }
    void configure(int port, int pieces) {
        Configuration& c = gvConfig();
        c.CounterHost = "127.0.0.1";
        c.CounterPort = port;
        c.CounterRegister = 10;
        c.CounterPieces = pieces;
        c.CounterPollMs = 20;
    }
    static qint64 n(const CountLabel* l) { return l->count().toLongLong(); }
    // Defects by cause through the defect entry, as the operator enters them.
    void defects(frm_S_dayReport& s, const QList<QPair<QString, QString>>& split) {
        script.on("frm_S_badqty", [&](DialogHandle& d) {
            frm_S_badqty& dlg = d.as<frm_S_badqty>();
            for (const auto& [cause, keys] : split) {
                script.keypad(keys);
                touch(*dlg.spread, rowOf(*dlg.spread, "부적합코드", cause), "수량");
            }
            dlg.cmdSave->click();
        });
        s.lblBad_Cnt->clicked();
    }
};

TEST_F(MachineCount, StrokesTimesCavitiesLessDefectsAreBookedAtTheEnd) {
    const int port = 20000 + getpid() % 2000 * 10 + 5;
    ModbusPress press(port);
    quint32 raw = 4294966500u;  // wraps during the run
    press.set(10, raw, true);
    configure(port, 4);
    frm_S_dayReport& s = open();
    ASSERT_NE(s.counter(), nullptr);
    EXPECT_LE(s.minimumSizeHint().width(), 1024) << "the counter's fields fit the panel too";
    ASSERT_TRUE(waitUntil([&] { return s.lsHeldEntries().counterStart == qint64(raw); }));

    raw += 1050;
    press.set(10, raw, true);
    ASSERT_TRUE(waitUntil([&] { return n(s.lblJakup_Cnt) == 4200; }));
    EXPECT_EQ(n(s.lblOk_Cnt), 4200);

    script.notice("양품수량은 설비 카운터에서 집계됩니다.");
    s.lblOk_Cnt->clicked();
    EXPECT_EQ(script.pending(), 0) << "the keypad is refused while the machine counts";
    EXPECT_EQ(n(s.lblOk_Cnt), 4200);

    defects(s, {{"B01", "40"}, {"B03", "25"}});
    ASSERT_EQ(value("SELECT total(bad_qty) FROM P_BADQTY WHERE op_seq_sub = '" + kRun + "'"), 65);
    ASSERT_EQ(n(s.lblBad_Cnt), 65);
    EXPECT_EQ(n(s.lblJakup_Cnt), 4200) << "defects come off the good, not on top of the strokes";
    EXPECT_EQ(n(s.lblOk_Cnt), 4200 - 65);

    // The link dies; the press makes 200 strokes meanwhile, counted once it is back.
    press.silence(true);
    ASSERT_TRUE(waitUntil([&] { return s.lblCounter->text() == "신호 없음"; }));
    raw += 200;
    press.set(10, raw, true);
    EXPECT_EQ(n(s.lblJakup_Cnt), 4200) << "the counts stay while the link is down";
    press.silence(false);
    const qint64 strokes = 1250;
    ASSERT_TRUE(waitUntil([&] { return n(s.lblJakup_Cnt) == strokes * 4; })) << n(s.lblJakup_Cnt);
    waitUntil([] { return false; }, 200);  // a few more readings of the same value
    EXPECT_EQ(n(s.lblJakup_Cnt), 5000);
    EXPECT_EQ(n(s.lblOk_Cnt), 5000 - 65);
    EXPECT_EQ(s.lsHeldEntries().counterStrokes, strokes);

    struct Need {
        QString product;
        double usage;
    };
    std::vector<Need> bom;
    for (const QVariantList& r :
         rows("SELECT c.product_code, c.usage FROM B_BOM c JOIN B_BOM p ON c.high_bom_code = "
              "p.bom_code WHERE p.product_code = 'FP-100' ORDER BY c.product_code"))
        bom.push_back({r[0].toString(), r[1].toDouble()});
    ASSERT_EQ(bom.size(), 2u);
    script.notice("저장이 완료되었습니다.");
    s.btnEnd->click();
    EXPECT_EQ(rows("SELECT qty, bad_qty FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + kRun + "'"),
              (Table{{4935, 65}}));
    for (const Need& b : bom) {
        SCOPED_TRACE(b.product.toStdString());
        EXPECT_EQ(value("SELECT total(culgo_su) FROM S_PRODUCT_STORE WHERE culgo_no_sub = '" +
                        kRun + "' AND product_code = '" + b.product + "'")
                      .toDouble(),
                  std::floor(5000 * b.usage));
    }
}

TEST_F(MachineCount, LowWordFirstAShowAgainAndTheSwitchToTypedCounts) {
    const int port = 20000 + getpid() % 2000 * 10 + 6;
    ModbusPress press(port);
    quint32 raw = 70000;  // more than one word
    press.set(10, raw, false);
    configure(port, 2);
    gvConfig().CounterHighWordFirst = false;
    frm_S_dayReport& s = open();
    ASSERT_TRUE(waitUntil([&] { return s.lsHeldEntries().counterStart == qint64(raw); }));
    press.set(10, raw += 3000, false);
    ASSERT_TRUE(waitUntil([&] { return n(s.lblJakup_Cnt) == 6000; }));
    s.lsQuery();  // the same run shown again keeps its start
    press.set(10, raw += 500, false);
    ASSERT_TRUE(waitUntil([&] { return n(s.lblJakup_Cnt) == 7000; }));
    EXPECT_EQ(s.lsHeldEntries().counterStart, 70000);

    // The switch to typed counts: behind the access code, logged, then the keypad rules.
    script.keypad("1111").notice("잘못된 비밀번호 입니다.");
    s.btnTypedCounts->click();
    script.keypad(frm_S_jakupjisi_list::kAccessCode).notice();
    s.btnTypedCounts->click();
    EXPECT_EQ(script.pending(), 0);
    QFile log(ErrorLog::filePath(TerminalClock::now()));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray logged = log.readAll();
    EXPECT_TRUE(logged.contains(kRun.toLatin1() + ", ") && logged.contains(" 3500, "))
        << logged.constData();
    press.set(10, raw += 100, false);
    waitUntil([] { return false; }, 200);
    EXPECT_EQ(n(s.lblJakup_Cnt), 7000) << "the counter no longer counts this run";
    script.keypad("12500");
    s.lblOk_Cnt->clicked();
    EXPECT_EQ(n(s.lblOk_Cnt), 12500);
    EXPECT_EQ(n(s.lblJakup_Cnt), 12500);
    EXPECT_TRUE(s.lsHeldEntries().typedCounts);
}

TEST_F(MachineCount, TheStopButtonsAreWarnedByWhatThePressDoes) {
    const int port = 20000 + getpid() % 2000 * 10 + 7;
    ModbusPress press(port);
    quint32 raw = 100000;
    press.set(10, raw, true);
    configure(port, 1);
    const QDateTime start = TerminalClock::now();
    TerminalClock::setFixed(start);
    frm_S_dayReport& s = open();
    const auto shows = [&](const QString& text) {
        return waitUntil([&] { return s.lblCounter->text() == text; });
    };
    ASSERT_TRUE(waitUntil([&] { return s.lsHeldEntries().counterStart == qint64(raw); }));
    press.set(10, raw += 10, true);
    ASSERT_TRUE(waitUntil([&] { return n(s.lblJakup_Cnt) == 10; }));
    EXPECT_EQ(s.lblCounter->text(), "");
    TerminalClock::setFixed(start.addSecs(gvConfig().CounterStillMinutes * 60 + 1));
    EXPECT_TRUE(shows("정지 미입력")) << "standing still, no stop entered";
    s.btnBigadong_s->click();
    press.set(10, raw += 5, true);
    EXPECT_TRUE(shows("정지 중 가동")) << "pressing with a stop open";
    // A link lost and back meanwhile does not take the warning away.
    press.silence(true);
    EXPECT_TRUE(shows("신호 없음"));
    press.silence(false);
    EXPECT_TRUE(shows("정지 중 가동")) << "the stop is still open";
    s.btnBigadong_e->click();
    press.set(10, raw += 5, true);
    EXPECT_TRUE(waitUntil([&] { return n(s.lblJakup_Cnt) == 20; }));
    const int still = gvConfig().CounterStillMinutes * 60 + 1;
    EXPECT_TRUE(shows(QString("%1 spm").arg(10 * 60 / still)))
        << s.lblCounter->text().toStdString();
    TerminalClock::clearFixed();
}

// The terminal killed mid-run while the press strokes on, also while it is down.
struct RestartPoint {
    const char* name;
    quint32 start;    // the counter at the run's start
    int before;       // strokes before the kill
    QString bad;      // defects by cause entered before the kill ("": none)
    bool reset;       // the PLC resets its counter to 0 just before the kill
    int down, after;  // strokes while the terminal is down, after its restart
    int pieces;
};

class MachineRestart : public MachineCount, public ::testing::WithParamInterface<RestartPoint> {};

TEST_P(MachineRestart, CountsOnFromTheKeptReadingAndTheEndBooksEveryStrokeOnce) {
    const RestartPoint& p = GetParam();
    const int port = 20000 + getpid() % 2000 * 10 + 8;
    ModbusPress press(port);
    quint32 raw = p.start;
    press.set(10, raw, true);
    configure(port, p.pieces);
    frm_S_dayReport& s = open();
    ASSERT_TRUE(waitUntil([&] { return s.lsHeldEntries().counterStart == qint64(raw); }));
    press.set(10, raw += p.before, true);
    ASSERT_TRUE(waitUntil([&] { return n(s.lblJakup_Cnt) == qint64(p.before) * p.pieces; }));
    if (!p.bad.isEmpty()) defects(s, {{"B02", p.bad}});
    const qint64 bad = p.bad.toLongLong();
    ASSERT_EQ(n(s.lblBad_Cnt), bad);
    if (p.reset) {
        press.set(10, raw = 0, true);
        ASSERT_TRUE(waitUntil([&] { return s.lsHeldEntries().counterLast == 0; }));
    }
    const RunEntries before = s.lsHeldEntries();

    killTerminal();
    press.set(10, raw += p.down, true);
    frm_S_dayReport& again = open();
    EXPECT_EQ(again.lsHeldEntries().counterStart, before.counterStart);
    const qint64 strokes = qint64(p.before) + p.down;
    ASSERT_TRUE(waitUntil([&] { return n(again.lblJakup_Cnt) == strokes * p.pieces; }))
        << n(again.lblJakup_Cnt);
    press.set(10, raw += p.after, true);
    const qint64 made = (strokes + p.after) * p.pieces;
    ASSERT_TRUE(waitUntil([&] { return n(again.lblJakup_Cnt) == made; })) << n(again.lblJakup_Cnt);
    waitUntil([] { return false; }, 200);  // more readings of the same value add nothing
    EXPECT_EQ(n(again.lblJakup_Cnt), made);
    EXPECT_EQ(n(again.lblOk_Cnt), made - bad);

    script.notice("저장이 완료되었습니다.");
    again.btnEnd->click();
    EXPECT_EQ(rows("SELECT qty, bad_qty FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + kRun + "'"),
              (Table{{made - bad, bad}}));
    for (const QVariantList& b :
         rows("SELECT c.product_code, c.usage FROM B_BOM c JOIN B_BOM p ON c.high_bom_code = "
              "p.bom_code WHERE p.product_code = 'FP-100'")) {
        SCOPED_TRACE(b[0].toString().toStdString());
        EXPECT_EQ(value("SELECT total(culgo_su) FROM S_PRODUCT_STORE WHERE culgo_no_sub = '" +
                        kRun + "' AND product_code = '" + b[0].toString() + "'")
                      .toDouble(),
                  std::floor(made * b[1].toDouble()));
    }
    EXPECT_EQ(rows("SELECT ipgo_su FROM S_PRODUCT_STORE WHERE ipgo_no_sub = '" + kRun +
                   "' AND culgo_type = '재공품추가'"),
              (Table{{made - bad}}));
    press.set(10, raw += 20, true);  // strokes after the end belong to no run
    waitUntil([] { return false; }, 200);
    EXPECT_FALSE(QFile::exists(HeldEntriesFile::path()));
}

INSTANTIATE_TEST_SUITE_P(
    Points, MachineRestart,
    ::testing::Values(
        // Killed before the first stroke: only the start reading is kept.
        RestartPoint{"AfterTheFirstReading", 3000000, 0, "", false, 750, 250, 4},
        // Across a wrap of the 32-bit counter while the terminal is down.
        RestartPoint{"AfterStrokesAndDefects", 4294965500u, 1100, "37", false, 900, 333, 2},
        // The PLC reset its counter: the reading 0 is kept, not the one before it.
        RestartPoint{"AfterAResetOfThePlc", 40, 60, "5", true, 1250, 8, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// Strokes are pieces: a run switched to KG is weighed on the keypad, and back
// in EA the counter counts on with the strokes made meanwhile.
class MachineKg : public MachineCount, public ::testing::WithParamInterface<bool> {};

TEST_P(MachineKg, StrokesAreNeverBookedAsKilograms) {
    const bool backToEa = GetParam();
    const int port = 20000 + getpid() % 2000 * 10 + 9;
    ModbusPress press(port);
    quint32 raw = 250000;
    press.set(10, raw, true);
    configure(port, 4);
    frm_S_dayReport& s = open();
    ASSERT_EQ(s.lblUnit_Code->text(), "EA");
    ASSERT_TRUE(waitUntil([&] { return s.lsHeldEntries().counterStart == qint64(raw); }));
    press.set(10, raw += 100, true);
    ASSERT_TRUE(waitUntil([&] { return n(s.lblJakup_Cnt) == 400; }));

    script.notice("단위 정보를 전환합니다.");
    s.cmdUnit_Change->click();
    ASSERT_EQ(s.lblUnit_Code->text(), "KG");
    EXPECT_EQ(s.lblCounter->text(), "중량(KG) 수기입력");
    press.set(10, raw += 50, true);
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(n(s.lblJakup_Cnt), 400) << "no stroke weighed";
    script.keypad("1250");
    s.lblOk_Cnt->clicked();
    EXPECT_EQ(script.pending(), 0) << "the weight goes on the keypad";
    EXPECT_EQ(n(s.lblOk_Cnt), 1250);
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(n(s.lblOk_Cnt), 1250);

    qint64 qty = 1250;
    if (backToEa) {
        script.notice("단위 정보를 전환합니다.");
        s.cmdUnit_Change->click();
        qty = 150 * 4;
        ASSERT_TRUE(waitUntil([&] { return n(s.lblJakup_Cnt) == qty; })) << n(s.lblJakup_Cnt);
        script.notice("양품수량은 설비 카운터에서 집계됩니다.");
        s.lblOk_Cnt->clicked();
    }
    script.notice("저장이 완료되었습니다.");
    s.btnEnd->click();
    EXPECT_EQ(script.pending(), 0);
    EXPECT_EQ(rows("SELECT qty, unit_code FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + kRun + "'"),
              (Table{{qty, backToEa ? "EA" : "KG"}}));
}

INSTANTIATE_TEST_SUITE_P(Units, MachineKg, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "BackToEa" : "EndedInKg");
});

TEST_F(MachineCount, WithoutAHostTheCountsAreTypedAsBefore) {
    frm_S_dayReport& s = open();
    EXPECT_EQ(s.counter(), nullptr);
    EXPECT_TRUE(s.lblCounter->isHidden());
    script.keypad("100000");
    s.lblOk_Cnt->clicked();
    EXPECT_EQ(n(s.lblOk_Cnt), 100000);
    EXPECT_EQ(n(s.lblJakup_Cnt), 100000);
    EXPECT_EQ(s.lsHeldEntries().counterLast, -1);
}

}  // namespace
