#include <gtest/gtest.h>

#include "PlantStatements.h"
#include "engine/EngineError.h"
#include "engine/Tokenizer.h"

using engine::TokenKind;

namespace {

TEST(Tokenizer, EveryPlantStatementJoinsBackByteForByte) {
    const QStringList samples = plant::allSamples();
    ASSERT_GT(samples.size(), 50);
    for (const QString& sql : samples) {
        const engine::Tokens tokens = engine::tokenize(sql);
        EXPECT_EQ(engine::joinTokens(tokens), sql);
        // Positions point at the token's own text.
        for (const auto& t : tokens) ASSERT_EQ(sql.mid(t.pos, t.text.size()), t.text);
    }
}

struct KindCase {
    const char* sql;
    std::vector<std::pair<TokenKind, const char*>> expected;  // significant tokens
};

class TokenKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(TokenKinds, ClassifiesTheLexicon) {
    const KindCase& c = GetParam();
    const QString sql = QString::fromUtf8(c.sql);
    const auto tokens = engine::tokenize(sql);
    EXPECT_EQ(engine::joinTokens(tokens), sql);
    std::vector<std::pair<TokenKind, QString>> got;
    for (const auto& t : tokens) {
        if (t.kind != TokenKind::Space) got.emplace_back(t.kind, t.text);
    }
    ASSERT_EQ(got.size(), c.expected.size()) << c.sql;
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].first, c.expected[i].first) << c.sql << " token " << i;
        EXPECT_EQ(got[i].second, QString::fromUtf8(c.expected[i].second))
            << c.sql << " token " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lexicon, TokenKinds,
    ::testing::Values(KindCase{"'it''s'+N'한글'",
                               {{TokenKind::String, "'it''s'"},
                                {TokenKind::Operator, "+"},
                                {TokenKind::NString, "N'한글'"}}},
                      KindCase{"[LOT 재고],[a]]b]",
                               {{TokenKind::Bracketed, "[LOT 재고]"},
                                {TokenKind::Punct, ","},
                                {TokenKind::Bracketed, "[a]]b]"}}},
                      KindCase{"\"x\"\"y\" ##TEMP_REAL_LOT #t",
                               {{TokenKind::Quoted, "\"x\"\"y\""},
                                {TokenKind::TempName, "##TEMP_REAL_LOT"},
                                {TokenKind::TempName, "#t"}}},
                      KindCase{"a --note\r\n/* x /* y */ z */b",
                               {{TokenKind::Word, "a"},
                                {TokenKind::Comment, "--note"},
                                {TokenKind::Comment, "/* x /* y */ z */"},
                                {TokenKind::Word, "b"}}},
                      KindCase{"1 1.5 .5 2e3 1.e",
                               {{TokenKind::Number, "1"},
                                {TokenKind::Number, "1.5"},
                                {TokenKind::Number, ".5"},
                                {TokenKind::Number, "2e3"},
                                {TokenKind::Number, "1."},
                                {TokenKind::Word, "e"}}},
                      KindCase{"a<=b<>c!=d>=e",
                               {{TokenKind::Word, "a"},
                                {TokenKind::Operator, "<="},
                                {TokenKind::Word, "b"},
                                {TokenKind::Operator, "<>"},
                                {TokenKind::Word, "c"},
                                {TokenKind::Operator, "!="},
                                {TokenKind::Word, "d"},
                                {TokenKind::Operator, ">="},
                                {TokenKind::Word, "e"}}},
                      KindCase{"AS 전표번호,B_JAK.seq",
                               {{TokenKind::Word, "AS"},
                                {TokenKind::Word, "전표번호"},
                                {TokenKind::Punct, ","},
                                {TokenKind::Word, "B_JAK"},
                                {TokenKind::Operator, "."},
                                {TokenKind::Word, "seq"}}},
                      KindCase{"@x=@@ROWCOUNT;",
                               {{TokenKind::Variable, "@x"},
                                {TokenKind::Operator, "="},
                                {TokenKind::Variable, "@@ROWCOUNT"},
                                {TokenKind::Punct, ";"}}},
                      KindCase{"N'TEMPDB..##T'", {{TokenKind::NString, "N'TEMPDB..##T'"}}},
                      KindCase{"n'x' Name",
                               {{TokenKind::NString, "n'x'"}, {TokenKind::Word, "Name"}}}));

TEST(Tokenizer, StringValuesAndNamesUndoDoubling) {
    const auto t = engine::tokenize(QStringLiteral("N'a''b' [x]]y] \"p\"\"q\""));
    EXPECT_EQ(engine::stringValue(t[0]), QStringLiteral("a'b"));
    EXPECT_EQ(engine::identifierName(t[2]), QStringLiteral("x]y"));
    EXPECT_EQ(engine::identifierName(t[4]), QStringLiteral("p\"q"));
}

TEST(Tokenizer, UnterminatedInputIsRefusedWithItsPlace) {
    for (const char* bad : {"select 'abc", "select [abc", "select \"abc", "select /* x /* y */"}) {
        try {
            engine::tokenize(QString::fromUtf8(bad));
            ADD_FAILURE() << bad;
        } catch (const engine::EngineError& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("unterminated")))
                << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QStringLiteral("character 8")))
                << e.message().toStdString();
        }
    }
}

}  // namespace
