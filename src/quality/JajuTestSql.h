#pragma once

#include <QString>
#include <QStringList>

namespace mes {

// Statements of the self-inspection. Text values are quote-doubled here; the
// shift code is the one value spliced bare and is always "1" or "0".

// "1" for the day shift "주간", "0" for anything else.
QString gfJAJU_SHIFT_CODE(const QString& shiftText);

// Where the inspection stands: the order, the product, the shift code.
struct JajuKey {
    QString seq;
    QString product;
    QString shift;    // "1" / "0"
    QString testNum;  // the standard's process_test_num
};

// The standard's items with what the sheet of the key holds.
QString gfJAJU_QUERY_SQL(const JajuKey& key);
// The next sheet number of a test date: "yyyymmdd" and three digits.
QString gfJAJU_SHEET_NUMBER_SQL(const QString& yyyymmdd, const QString& date);
QString gfJAJU_COUNT_SQL(const JajuKey& key);
// The product's registered standard, the key's sheet number, the order's quantity.
QString gfJAJU_STANDARD_SQL(const QString& product);
QString gfJAJU_SHEET_OF_SQL(const JajuKey& key);
QString gfJAJU_ORDER_QTY_SQL(const QString& seq);
QString gfJAJU_PICTURE_SQL(const QString& testNum);
QString gfJAJU_EMPLOYEES_SQL();

// The sheet's own row.
struct JajuSheet {
    QString check;   // "1" when every item has its first-article values
    QString result;  // "1" pass, "0" fail
    QString qty;
    QString tester;
    QString testDate;
    QString passQty;
    QString badQty;
    QString number;  // process_num
    QString date;    // last_date
    QString hhmmss;
    QString user;
};
// One item of the sheet: x holds x1..x9.
struct JajuItem {
    QString testNumSub;
    QStringList x;
    QString check;
    QString result;
    QString remark;
};

QString gfJAJU_UPDATE_SQL(const JajuKey& key, const JajuSheet& s);
QString gfJAJU_ITEM_UPDATE_SQL(const JajuKey& key, const JajuSheet& s, const JajuItem& item);
QString gfJAJU_INSERT_SQL(const JajuKey& key, const JajuSheet& s);
QString gfJAJU_ITEM_INSERT_SQL(const JajuKey& key, const JajuSheet& s, const JajuItem& item);
// The item row of a stored sheet when it has none yet (an item the standard gained
// after the sheet was stored), so that an update loses none of the values shown.
QString gfJAJU_ITEM_ADD_SQL(const JajuKey& key, const JajuSheet& s, const JajuItem& item);
// The sheet and its items.
QStringList gfJAJU_DELETE_SQL(const JajuKey& key);

}  // namespace mes
