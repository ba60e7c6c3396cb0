// The stroke counter read from a PLC on the loopback, and the tally of a run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

#include "ModbusPress.h"
#include "production/StrokeCounter.h"
#include "production/StrokeTally.h"
#include "support/WaitUntil.h"

using namespace mes;

namespace {

using testsupport::waitUntil;

// Ten ports of its own per test process.
int freePort() { return 20000 + getpid() % 2000 * 10; }

// Runs the event loop until done() or the bound has passed.
struct TallyCase {
    const char* name;
    std::vector<quint32> readings;
    qint64 strokes;
};

TEST(StrokeTallyTest, WrapsAndResetsNeverTakeStrokesAway) {
    const std::vector<TallyCase> cases{
        {"counting", {1000, 1000, 1250, 100000}, 99000},
        {"wrap at 2^32", {4294967000u, 4294967295u, 4, 700}, 296 + 700},
        {"reset by the PLC", {50000, 62000, 30, 530}, 12000 + 530},
        {"reset to zero twice", {10, 20000, 0, 0, 5000}, 19990 + 5000},
    };
    for (const TallyCase& c : cases) {
        SCOPED_TRACE(c.name);
        StrokeTally t;
        for (quint32 r : c.readings) t.feed(r);
        EXPECT_EQ(t.strokes(), c.strokes);
        EXPECT_EQ(t.startValue(), c.readings.front());
    }
    StrokeTally kept;
    kept.resume(4294967000u, 4294967295u, 295);
    EXPECT_EQ(kept.feed(9), 295 + 10) << "a restart counts on from the kept reading";
}

TEST(StrokeCounterTest, ReadsTheCounterInEitherWordOrder) {
    for (bool highFirst : {true, false}) {
        SCOPED_TRACE(highFirst ? "high word first" : "low word first");
        const int port = freePort() + (highFirst ? 0 : 1);
        ModbusPress press(port, 20000);
        press.set(40, 0x0001D4C0u, highFirst);  // 120,000
        StrokeCounter counter({"127.0.0.1", port, 1, 40, highFirst, 20});
        quint32 seen = 0;
        QObject ui;
        QObject::connect(&counter, &StrokeCounter::counted, &ui, [&](quint32 v) { seen = v; });
        counter.start();
        EXPECT_TRUE(waitUntil([&] { return seen != 0; }));
        counter.stop();
        EXPECT_EQ(seen, 120000u);
    }
    EXPECT_EQ(StrokeCounter::combine(0x0001, 0xD4C0, true), 120000u);
    EXPECT_EQ(StrokeCounter::combine(0xD4C0, 0x0001, false), 120000u);
}

// 10,000 strokes at 20 a second sped up: through a wrap, a link that is dead
// for a while and a reset; each stroke is counted exactly once.
TEST(StrokeCounterTest, EveryStrokeOnceThroughAWrapADeadLinkAndAReset) {
    const int port = freePort() + 2;
    ModbusPress press(port, 30000);
    quint32 raw = 4294967295u - 3000;
    press.set(0, raw, true);
    StrokeCounter counter({"127.0.0.1", port, 1, 0, true, 20});
    StrokeTally tally;
    QList<bool> link;
    quint32 last = 0;
    QObject ui;
    QObject::connect(&counter, &StrokeCounter::counted, &ui, [&](quint32 v) {
        last = v;
        tally.feed(v);
    });
    QObject::connect(&counter, &StrokeCounter::linkChanged, &ui, [&](bool on) { link << on; });
    counter.start();
    ASSERT_TRUE(waitUntil([&] { return tally.started(); }));
    qint64 made = 0;
    const auto stroke = [&](int n) {
        for (int i = 0; i < n; ++i, ++made) press.set(0, ++raw, true);
    };
    for (int step = 0; step < 40; ++step) {  // 4,000 strokes, over the wrap
        stroke(100);
        waitUntil([] { return false; }, 5);
    }
    press.silence(true);
    ASSERT_TRUE(waitUntil([&] { return !link.isEmpty() && !link.last(); }));
    stroke(2500);  // the press runs on while the link is dead
    press.silence(false);
    ASSERT_TRUE(waitUntil([&] { return last == raw; }));
    raw = 0;  // the PLC resets its counter
    press.set(0, raw, true);
    for (int step = 0; step < 35; ++step) {
        stroke(100);
        waitUntil([] { return false; }, 5);
    }
    ASSERT_TRUE(waitUntil([&] { return last == raw; }));
    counter.stop();
    EXPECT_EQ(made, 10000);
    EXPECT_EQ(tally.strokes(), made);
    EXPECT_EQ(link, (QList<bool>{true, false, true}));
}

TEST(StrokeCounterTest, NoServerReportsTheLinkDownAndStopsPromptly) {
    StrokeCounter counter({"127.0.0.1", freePort() + 3, 1, 0, true, 50});
    QList<bool> link;
    QObject ui;
    QObject::connect(&counter, &StrokeCounter::linkChanged, &ui, [&](bool on) { link << on; });
    counter.start();
    EXPECT_TRUE(waitUntil([&] { return !link.isEmpty(); }));
    counter.stop();
    EXPECT_EQ(link, QList<bool>{false});
}

}  // namespace
