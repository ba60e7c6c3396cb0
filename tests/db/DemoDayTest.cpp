#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "PlantDb.h"
#include "foundation/DemoPlant.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"
#include "support/RecordingUI.h"
#include "support/TempFolder.h"

using plantdb::PlantDb;

namespace {

const QDateTime kToday(QDate(2026, 12, 9), QTime(7, 50, 0));

void resolveTo(const char* bytes) {
    const QByteArray ip(bytes, 4);
    mes::gsSET_RESOLVER([ip] { return mes::HostLookup{true, 0, "press1", {ip}}; });
}

class DemoDay : public ::testing::Test {
  protected:
    void SetUp() override { path = folder.file(QStringLiteral("demo-plant.db")); }
    void TearDown() override {
        mes::gsSET_RESOLVER({});
        mes::TerminalClock::reset();
    }
    // Opens the demo as --demo does, on the given day and at the given address.
    void open(const QDateTime& when, const char* ip) {
        mes::TerminalClock::setFixed(when);
        resolveTo(ip);
        QString error;
        ASSERT_TRUE(mes::gfOPEN_DEMO(path, &error)) << error.toStdString();
    }
    // The demo's order dates, moved by days: the story of another day.
    static QStringList orderDays(const QString& file, int moved = 0) {
        QStringList out;
        for (const auto& r : PlantDb(file).rows("SELECT jisi_date FROM B_JAKUPJISI_MASTER "
                                                "WHERE seq NOT LIKE 'MEMO%' ORDER BY jisi_date"))
            out << QDate::fromString(r.first().toString(), Qt::ISODate)
                       .addDays(moved)
                       .toString(Qt::ISODate);
        return out;
    }
    static QString pressAddress(const QString& file) {
        return PlantDb(file)
            .value("SELECT ipaddress FROM B_EQUIPMENT WHERE equipment_code = 'P-01'")
            .toString();
    }
    // An order registered on the day the demo is used.
    bool registerOrder(const QString& seq) const {
        return PlantDb(path).exec(
            QStringLiteral("INSERT INTO B_JAKUPJISI_MASTER (seq, jisi_date, end_yn) VALUES "
                           "('%1', '%2', '1')")
                .arg(seq, mes::TerminalClock::date()));
    }
    static int ordersNamed(const QString& file, const QString& seq) {
        return PlantDb(file)
            .value(
                QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE seq = '%1'").arg(seq))
            .toInt();
    }
    QStringList plantFiles() const {
        return QDir(folder.path()).entryList({QStringLiteral("*.db")}, QDir::Files, QDir::Name);
    }

    testsupport::RecordingUI ui;
    testsupport::TempFolder folder;
    QString path;
};

TEST_F(DemoDay, APlantMadeYesterdayIsMadeAgainTodayAndTheOldOneKeptUnderItsDate) {
    const QDateTime yesterday = kToday.addDays(-1);
    open(yesterday, "\x0a\x00\x00\x05");
    EXPECT_EQ(mes::gfDEMO_MADE_ON(path), yesterday.date());
    const QStringList yesterdays = orderDays(path);
    EXPECT_TRUE(yesterdays.contains(yesterday.date().toString(Qt::ISODate)));
    // An order the operator registered yesterday stays in yesterday's file.
    ASSERT_TRUE(registerOrder("MEMO-어제"));

    open(kToday, "\x0a\x00\x00\x06");
    const QString kept = folder.file(
        QStringLiteral("demo-plant-%1.db").arg(yesterday.date().toString("yyyy-MM-dd")));
    EXPECT_EQ(plantFiles(), QStringList({"demo-plant-2026-12-08.db", "demo-plant.db"}));
    EXPECT_EQ(mes::gfDEMO_MADE_ON(path), kToday.date());
    EXPECT_EQ(orderDays(path), orderDays(kept, 1));
    EXPECT_EQ(orderDays(kept), yesterdays);
    EXPECT_EQ(ordersNamed(kept, "MEMO-어제"), 1);
    EXPECT_EQ(ordersNamed(path, "MEMO-어제"), 0);
    EXPECT_EQ(pressAddress(path), QStringLiteral("10.0.0.6"));
    EXPECT_TRUE(ui.shown.isEmpty());
}

TEST_F(DemoDay, TheSameDaysPlantIsKeptAndItsPressTakesTheNewAddress) {
    open(kToday, "\x0a\x00\x00\x05");
    ASSERT_TRUE(registerOrder("MEMO-오늘"));
    // The PC got another address from the plant's DHCP over lunch.
    open(kToday.addSecs(5 * 3600), "\xc0\xa8\x01\xc8");
    EXPECT_EQ(plantFiles(), QStringList({"demo-plant.db"}));
    EXPECT_EQ(ordersNamed(path, "MEMO-오늘"), 1);
    EXPECT_EQ(pressAddress(path), QStringLiteral("192.168.1.200"));
    // The other machines keep their own addresses.
    EXPECT_EQ(PlantDb(path)
                  .value("SELECT COUNT(*) FROM B_EQUIPMENT WHERE ipaddress = "
                         "'192.168.1.200'")
                  .toInt(),
              1);
}

TEST_F(DemoDay, APlantThatDoesNotSayItsDayIsKeptUnderTheDayOfItsLastChange) {
    open(kToday.addDays(-3), "\x0a\x00\x00\x05");
    ASSERT_TRUE(PlantDb(path).exec("PRAGMA user_version = 0"));
    const QString lastChange = QFileInfo(path).lastModified().date().toString("yyyy-MM-dd");
    open(kToday, "\x0a\x00\x00\x05");
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("demo-plant-%1.db").arg(lastChange))))
        << plantFiles().join(' ').toStdString();
    EXPECT_EQ(mes::gfDEMO_MADE_ON(path), kToday.date());
}

}  // namespace
