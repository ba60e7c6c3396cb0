#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace mes {

// Statements and filter texts of the work-order list, each line after a line
// feed. Every text value is quote-doubled here, so callers pass values as typed.

// Every customer, in the server's order.
QString gfLIST_CUSTOMERS_SQL();
// The dates of listed orders, newest first; customer "" for every customer.
QString gfLIST_DATES_SQL(const QString& customerCode, const QDate& today);
// The grid query with the screen's filter text appended.
QString gfLIST_SQL(const QString& serchSql, const QDate& today);
// The state line: open orders, and finished ones of the last seven days.
QString gfLIST_WEEK_RULE(const QDate& today);

// Filter texts (lvSerchSQL).
QString gfLIST_CUSTOMER_FILTER(const QString& customerCode);
QString gfLIST_DATE_FILTER(const QString& date, const QString& customerCode);
QString gfPROCESS_FILTER(const QString& processCode);

// Issued flag of one order.
QString gfISSUED_SQL(const QString& seq, const QString& flag);
// The run of an order.
QString gfRUN_OF_ORDER_SQL(const QString& seq);
// The run and the order, the order only while not started; each statement must
// remove exactly one row.
QStringList gfDELETE_ORDER_LIST(const QString& seq);

// Lines joined, each after a line feed.
QString gfLINES(const QStringList& lines);

}  // namespace mes
