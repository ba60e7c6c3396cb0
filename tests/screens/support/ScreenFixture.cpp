#include "screens/support/ScreenFixture.h"

#include "PlantDb.h"
#include "foundation/AppPaths.h"
#include "foundation/Configuration.h"
#include "foundation/DemoPlant.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"
#include "screens/Routes.h"

using namespace mes;

namespace screentest {

const QDateTime ScreenFixture::kNow(QDate(2026, 12, 8), QTime(9, 0, 0));
const char ScreenFixture::kTerminalIp[] = "10.20.30.40";

ScreenFixture::ScreenFixture() = default;
ScreenFixture::~ScreenFixture() = default;

void ScreenFixture::SetUp() {
    UiFixture::SetUp();
    TerminalClock::setFixed(kNow);
    AppPaths::setConfigDir(folder.path());  // the held entries and error files of this test
    gsSET_RESOLVER([] {
        return HostLookup{true, 0, "press1", {QByteArray("\x0a\x14\x1e\x28", 4)}};
    });
    dbPath = folder.file(QStringLiteral("plant.db"));
    QString error;
    ASSERT_TRUE(gfCREATE_DEMO(dbPath, &error)) << error.toStdString();
    plant_ = std::make_unique<plantdb::PlantDb>(dbPath);
    gvConfig() = Configuration();
    gvConfig().DBNAME = QStringLiteral("MES_ORVEL");
    session.setEngineFactory([p = dbPath] { return std::make_unique<EmbeddedEngine>(p); });
    gsSET_SESSION(&session);
    ASSERT_TRUE(session.connect());
    gsREGISTER_NAVIGATION();
}

void ScreenFixture::TearDown() {
    UiFixture::TearDown();  // screens and navigation go first: they may still use the Session
    gsSET_SESSION(nullptr);
    gsSET_RESOLVER({});
    plant_.reset();
    AppPaths::reset();
}

QList<QVariantList> ScreenFixture::rows(const QString& sql) const {
    const QList<QVariantList> out = plant_->rows(sql);
    if (!plant_->lastError().isEmpty()) {
        ADD_FAILURE() << sql.toStdString() << ": " << plant_->lastError().toStdString();
    }
    return out;
}

QVariant ScreenFixture::value(const QString& sql) const {
    const QList<QVariantList> r = rows(sql);
    return r.isEmpty() || r.first().isEmpty() ? QVariant() : r.first().first();
}

void ScreenFixture::exec(const QString& sql) {
    EXPECT_TRUE(plant_->exec(sql))
        << sql.toStdString() << ": " << plant_->lastError().toStdString();
}

QString ScreenFixture::day(int offset) {
    return kNow.date().addDays(offset).toString(QStringLiteral("yyyy-MM-dd"));
}

}  // namespace screentest
