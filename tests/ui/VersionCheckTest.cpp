#include <gtest/gtest.h>
#include <QFile>

#include "VersionServer.h"
#include "foundation/VersionCheck.h"
#include "support/TempFolder.h"

using mes::VersionCheck;

namespace {

TEST(VersionNumber, LongestNumericPrefixWithAPointOrZero) {
    const std::pair<const char*, double> cases[] = {
        {"1.05", 1.05},   {"1.1", 1.1},
        {"1.10", 1.1},    {"2", 2.0},
        {" 1.2 ", 1.2},   {"1.2.3", 1.2},
        {"1.5beta", 1.5}, {"v1.5", 0.0},
        {"", 0.0},        {"abc", 0.0},
        {".5", 0.5},      {"1,05", 1.0},
        {"-1", -1.0},     {"99999999999999999999", 1e20},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(VersionCheck::number(text), value) << text;
    }
}

TEST(VersionNumber, FirstItemEndsAtACommaOrLineEnd) {
    EXPECT_EQ(VersionCheck::firstItem("1.05,2026-12-01"), "1.05");
    EXPECT_EQ(VersionCheck::firstItem("1.1\r\nnotes"), "1.1");
    EXPECT_EQ(VersionCheck::firstItem("1.1\nnotes,x"), "1.1");
    EXPECT_EQ(VersionCheck::firstItem("1.2"), "1.2");
    EXPECT_EQ(VersionCheck::firstItem(""), "");
}

TEST(VersionNumber, UpdateWhenNoLocalVersionOrALowerOne) {
    struct Case {
        const char* local;
        const char* remote;
        bool update;
    } const cases[] = {
        {"1.05", "1.1", true},  {"1.1", "1.1", false},  {"1.10", "1.1", false},
        {"", "1.1", true},      {"", "", true},         {"1.1", "", false},
        {"1.1", "junk", false}, {"1.2", "1.15", false}, {"9", "10", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VersionCheck::wantsUpdate(c.local, c.remote), c.update)
            << c.local << " / " << c.remote;
    }
}

TEST(VersionFetch, AsksTheFixedPathAndTimesOut) {
    VersionServer server;
    ASSERT_TRUE(server.start());
    server.setBody(QByteArray("1.1\r\n"));
    QString body, error;
    ASSERT_TRUE(VersionCheck::fetchRemote(server.baseUrl() + "/", 3000, &body, &error))
        << error.toStdString();
    EXPECT_EQ(body, "1.1\r\n") << "the whole body";
    EXPECT_EQ(server.paths, QStringList{"/Orvel/Panel_Orvel_version.txt"});

    server.setBody(std::nullopt);
    EXPECT_FALSE(VersionCheck::fetchRemote(server.baseUrl(), 3000, &body, &error)) << "404";
    EXPECT_FALSE(VersionCheck::fetchRemote(gfDEAD_URL(), 3000, &body, &error));
    EXPECT_FALSE(VersionCheck::fetchRemote("ftp://127.0.0.1", 3000, &body, &error));

    QTcpServer silent;  // accepts and never answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    EXPECT_FALSE(VersionCheck::fetchRemote(QString("http://127.0.0.1:%1").arg(silent.serverPort()),
                                           300, &body, &error));
}

TEST(VersionFetch, NoServerConfiguredSkipsTheCheck) {
    testsupport::TempFolder folder;
    QString detail;
    EXPECT_EQ(VersionCheck::run(folder.path(), "", 1000, &detail), VersionCheck::Outcome::NoServer);
    EXPECT_EQ(VersionCheck::run(folder.path(), "  ", 1000, &detail),
              VersionCheck::Outcome::NoServer);
}

}  // namespace
