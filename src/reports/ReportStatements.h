#pragma once

#include <QString>
#include <QStringList>

// Statements of the history screens, the box label and the move ticket. Plain
// functions returning text; every spliced text value goes through gfSQ here.
namespace mes::reports {

// Which history screen asks: the process-button statement differs in one word.
enum class IpClause { Lower, Upper };

// Processes of the machine's orders dated `date`, and of open orders of any date.
QString gfPROCESS_BUTTONS_SQL(const QString& ip, const QString& date, IpClause clause);
// "AND <column> = '<code>'", empty for an empty code.
QString gfPROCESS_FILTER(const QString& column, const QString& code);

// Results of the machine's runs of one work-order date.
QString gfRESULTS_SQL(const QString& date, const QString& ip, const QString& processFilter);
// Defects recorded today on the machine.
QString gfDEFECT_HISTORY_SQL(const QString& today, const QString& ip, const QString& processFilter);
// Stops recorded today on the machine.
QString gfDOWNTIME_HISTORY_SQL(const QString& today, const QString& ip,
                               const QString& processFilter);

// Product name, control number and shipping part number for a label.
QString gfLABEL_PRODUCT_SQL(const QString& productCode);

// The move ticket: the finished check, the lot, the hand-off row and its read-back.
QString gfTICKET_QTY_SQL(const QString& opSeqSub);
QString gfRUN_LOT_SQL(const QString& opSeqSub);

// The values of one half of the ticket, as the grid row gives them.
struct TicketValues {
    QString processName;
    QString carName;
    QString goodQty;
    QString workDate;  // already "yyyy년 mm월 dd일 "
    QString productCode;
    QString pumbun;
    QString productName;
    QString lotNo;
    QString opSeqSub;  // the barcode carries it between asterisks
    QString employeeName;
    QString bigo;
};
QString gfTICKET_INSERT_SQL(const TicketValues& v);
QString gfTICKET_UPDATE_SQL(const TicketValues& v);
QString gfTICKET_READ_SQL();
QString gfTICKET_CLEAR_SQL();
// "2013-05-10" -> "2013년 05월 10일 "; a text that is no date stays as it is.
QString gfTICKET_DATE(const QString& finishDate);

}  // namespace mes::reports
