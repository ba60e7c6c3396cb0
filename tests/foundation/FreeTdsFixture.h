#pragma once

#include <gtest/gtest.h>

#include "FakeTdsServer.h"
#include "foundation/Configuration.h"
#include "foundation/OdbcEngine.h"
#include "foundation/Session.h"
#include "support/RecordingUI.h"
#include "support/TempFolder.h"

// The process-wide Session on the ODBC engine through FreeTDS, the driver a
// plant runs, against a loopback server that answers as SQL Server would.
class FreeTdsFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        mes::gvConfig() = mes::Configuration();
        mes::gvConfig().DBNAME = "MES_ORVEL";
        session.setEngineFactory(
            [cs = server.connectString()] { return std::make_unique<mes::OdbcEngine>(cs); });
        mes::gsSET_SESSION(&session);
    }
    void TearDown() override { mes::gsSET_SESSION(nullptr); }

    testsupport::FakeTdsServer server;
    testsupport::TempFolder folder;
    testsupport::RecordingUI ui;
    mes::Session session;
};
