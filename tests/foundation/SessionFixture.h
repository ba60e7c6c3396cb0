#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "foundation/Session.h"
#include "support/RecordingUI.h"
#include "support/TempFolder.h"

// A Session of the test's own on a fresh database file, on one of the two
// engines: "embedded" (SQLite directly) or "odbc" (the SQLite ODBC driver through
// QODBC, standing in for SQL Server's driver).
class SessionFixture : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override;
    void TearDown() override;

    bool odbc() const { return QString(GetParam()) == "odbc"; }
    // Runs sql outside the helpers (set-up and checks): a second engine on the same file.
    void direct(const QString& sql);
    qint64 count(const QString& table);

    testsupport::TempFolder folder;
    testsupport::RecordingUI ui;
    mes::Session session;
    QString dbPath;
};
