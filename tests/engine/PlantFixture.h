#pragma once

#include "EngineFixture.h"
#include "PlantStatements.h"

// The plant tables of the embedded schema with a small seeded plant: customers
// C01/C02, processes 1000 (press) and 2000, machine E01 at 10.0.0.5, product P01
// (finished, BOM: M01 x2, M02 x1) and P02, employees, causes. Dates around the
// engine clock's 2026-12-08.
class PlantTest : public EngineTest {
  protected:
    void SetUp() override;

    // Inserts an order and (unless runKey is empty) its run, by plain T-SQL.
    void addOrder(const QString& seq, const QString& date, const QString& endYn,
                  const QString& runKey = QString(),
                  const QString& orderQty = QStringLiteral("100"),
                  const QString& qty = QStringLiteral("0"),
                  const QString& badQty = QStringLiteral("0"));
    // A stock movement of a product.
    void addStock(const QString& product, const QString& lot, const QString& date,
                  const QString& in, const QString& out, const QString& balance);
    // The rows of a query as text, cells joined by "|", null as "NULL".
    QStringList texts(const QString& sql);

    static QString q(const QString& v) { return u'\'' + v + u'\''; }
};
