#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace mes {

// One work order as the registration writes it (B_JAKUPJISI_MASTER), values as typed.
struct OrderValues {
    QString processCode;
    QString jisiDate;  // "yyyy-MM-dd"
    QString equipmentCode;
    QString customerCode;
    QString productCode;
    qint32 workers = 1;
    QString seqSuffix = QStringLiteral("001");
    qint16 shift = 1;  // 1 day, 0 night
    QString lastDate;
    QString lastTime;  // "hhmmss"
    QString userId;
};

// The active products of a customer, for the registration grid.
QString gfPRODUCTS_SQL(const QString& customerCode);
// The next prod_no of a date ("yyyymmdd" + counter), read from the server.
QString gfPROD_NO_SQL(const QDate& date);
// A registration's statement appended to list: the insert of the order; the
// server joins seq from prod_no and the suffix.
void lsInsertOrder(const QString& prodNo, const OrderValues& order, QStringList* list);

}  // namespace mes
