#include <gtest/gtest.h>

#include "foundation/NumberText.h"
#include "foundation/RecordSet.h"

using namespace mes;

namespace {

// What statements carry: SQL Server reads neither "1e+05" nor "1e-05" as int or numeric.
TEST(NumberText, NumbersArePlainDecimalsWithoutBinaryNoise) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {100000, "100000"},         {200000, "200000"}, {1000000, "1000000"},
        {1e15, "1000000000000000"}, {-1500, "-1500"},   {12345.678, "12345.678"},
        {0.00001, "0.00001"},  // 10 g of a material kept in KG
        {0.1 + 0.2, "0.3"},         {1.2 * 3, "3.6"},   {-0.0, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(gfNUMBER_TEXT(c.value), QString::fromLatin1(c.text));
        EXPECT_EQ(gfNUMBER_TEXT(c.value).toDouble(), QString::fromLatin1(c.text).toDouble());
    }
}

// A field read by name, as the screens copy results into labels and statements.
TEST(NumberText, RecordSetTextOfANumericField) {
    RecordSet rs;
    rs.open({{"qty", "kg", "none", "code"},
             {{QVariant(100000.0), QVariant(0.00001), QVariant(QMetaType(QMetaType::Double)),
               QVariant(QStringLiteral("1e+05"))}}});
    EXPECT_EQ(rs.text("qty"), "100000");
    EXPECT_EQ(rs.text("kg"), "0.00001");
    EXPECT_EQ(rs.text("none"), "");
    EXPECT_EQ(rs.text("code"), "1e+05") << "a text stays as it is";
}

}  // namespace
