#pragma once

#include <QDateTime>
#include <QList>
#include <QVariant>
#include <memory>

#include "foundation/Session.h"
#include "ui/support/UiFixture.h"

namespace plantdb {
class PlantDb;
}

namespace screentest {

// A screen test on the seeded demo plant of its own:
// - the terminal clock stands at kNow and the demo's dates are relative to it;
// - the resolver gives kTerminalIp, the address of the demo's press P-01, so
//   gfGET_IP() and the history screens find this machine;
// - a Session on the test's database (embedded engine), open;
// - the program's default navigation (gsREGISTER_NAVIGATION), cleared afterwards;
// - everything of UiFixture: the modal script, recorded exits, screens unloaded.
//
//   class ListTest : public screentest::ScreenFixture {};
//   TEST_F(ListTest, ...) {
//       ... press the screen's buttons, answer dialogs through script ...
//       EXPECT_EQ(value("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE seq = '...'"), "2");
//   }
class ScreenFixture : public uitest::UiFixture {
  protected:
    static const QDateTime kNow;      // 2026-12-08 09:00:00
    static const char kTerminalIp[];  // "10.20.30.40"

    ScreenFixture();
    ~ScreenFixture() override;
    void SetUp() override;
    void TearDown() override;

    // Reads the database with plain SQLite (not the terminal's dialect): rows and
    // the first value of the first row. A failing statement fails the test.
    QList<QVariantList> rows(const QString& sql) const;
    QVariant value(const QString& sql) const;
    // Changes the database behind the terminal's back (arranging a case).
    void exec(const QString& sql);
    // kNow's date moved by days, "yyyy-MM-dd".
    static QString day(int offset = 0);

    QString dbPath;
    mes::Session session;

  private:
    std::unique_ptr<plantdb::PlantDb> plant_;
};

}  // namespace screentest
