#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <memory>

#include "engine/Database.h"
#include "support/TempFolder.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// A fresh embedded database in the test's own folder, with the engine clock
// fixed at 2026-12-08 10:15:30.250.
class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override;

    // First column of the first row of a T-SQL query.
    QVariant scalar(const QString& sql);
    // All rows of the last result of a batch.
    QList<QVariantList> rows(const QString& sql);
    // Rows affected by the statements of a batch (-1 when none changes rows).
    qint64 exec(const QString& sql);
    // The error text a batch fails with; empty when it succeeds.
    QString errorOf(const QString& sql);
    void checkParsed(const QString& sql, const QList<QVariantList>* rows);

    testsupport::TempFolder folder_;
    engine::Database db_;
    QDateTime clock_{QDate(2026, 12, 8), QTime(10, 15, 30, 250)};
};
