#include <gtest/gtest.h>

#include "foundation/DemoSeed.h"

namespace {

// Half an hour after midnight on the first of a month: offsets cross the month and
// the day.
const QDateTime kNow(QDate(2026, 3, 1), QTime(0, 30, 0));

struct Placeholder {
    const char* name;
    const char* text;
    const char* expected;
};

class DemoPlaceholders : public ::testing::TestWithParam<Placeholder> {};

TEST_P(DemoPlaceholders, AreFilledRelativeToTheClock) {
    QString out;
    QString error;
    ASSERT_TRUE(mes::gfDEMO_EXPAND(QString::fromUtf8(GetParam().text), kNow,
                                   QStringLiteral("10.0.0.7"), &out, &error))
        << error.toStdString();
    EXPECT_EQ(out, QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Seed, DemoPlaceholders,
    ::testing::Values(
        Placeholder{"Today", "'${D}'", "'2026-03-01'"},
        Placeholder{"Yesterday", "'${D-1}'", "'2026-02-28'"},
        Placeholder{"WeekBackAndTomorrow", "'${D-8}' '${D+1}'", "'2026-02-21' '2026-03-02'"},
        Placeholder{"NumberDate", "'${K-7}001'", "'20260222001'"},
        Placeholder{"LotDate", "'L${L-25}-05'", "'L260204-05'"},
        Placeholder{"LotOfToday", "'${L}/1000'", "'260301/1000'"},
        Placeholder{"TimeBefore", "'${T-20}'", "'00:10'"},
        Placeholder{"TimeKeptOnTheDay", "'${T-95}'", "'00:00'"},  // kept on the same day
        Placeholder{"TimeKeptBeforeMidnight", "'${T+1440}'", "'23:59'"},
        Placeholder{"Now", "'${NOW}'", "'2026-03-01 00:30:00.000'"},
        Placeholder{"Address", "'${IP}'", "'10.0.0.7'"},
        Placeholder{"PlainText", "no placeholder, $ and { alone", "no placeholder, $ and { alone"},
        Placeholder{"NextToKorean", "'${D}선진행재고'", "'2026-03-01선진행재고'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DemoPlaceholdersRefuse, UnknownOrMalformedOnesAndDoubleTheQuotesOfTheAddress) {
    QString out = QStringLiteral("untouched");
    QString error;
    for (const char* bad : {"${X}", "${NOW-1}", "${IP+2}", "${D-}", "${d}", "${D"}) {
        error.clear();
        EXPECT_FALSE(mes::gfDEMO_EXPAND(QString::fromLatin1(bad), kNow, "1.2.3.4", &out, &error))
            << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
        EXPECT_EQ(out, QStringLiteral("untouched")) << bad;
    }
    ASSERT_TRUE(mes::gfDEMO_EXPAND(QStringLiteral("'${IP}'"), kNow, "a'b", &out, &error));
    EXPECT_EQ(out, QStringLiteral("'a''b'"));
}

}  // namespace
