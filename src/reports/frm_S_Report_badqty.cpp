#include "reports/frm_S_Report_badqty.h"

#include "foundation/TerminalClock.h"
#include "reports/HistoryColumns.h"

namespace mes {

frm_S_Report_badqty::frm_S_Report_badqty(QWidget* parent)
    : ProcessHistoryScreen(QStringLiteral("frm_S_Report_badqty"),
                           QStringLiteral("불량내역 전체조회"), QStringLiteral("btnBadList"),
                           parent) {
    gsDEFINE_HISTORY_GRID(*spread, {{"작업지시번호", "작업지시번호", 14, true},
                                    {"생산실적순번", "생산실적순번", 14, false},
                                    {"공정코드", "공정코드", 8, false},
                                    {"공정명", "공정명", 8, true},
                                    {"품번", "품번", 12, true},
                                    {"Rev.No", "Rev.No", 6, false},
                                    {"품명", "품명", 14, true},
                                    {"불량코드", "불량코드", 8, true},
                                    {"불량명", "불량명", 12, true},
                                    {"불량 수량", "불량수량", 8, true, true},
                                    {"종료시간", "종료시간", 8, false},
                                    {"사번", "사번", 8, false},
                                    {"성명", "성명", 8, false},
                                    {"비고", "비고", 20, true}});
    load();
}

QString frm_S_Report_badqty::queryDate() const { return TerminalClock::date(); }

QString frm_S_Report_badqty::historySql(const QString& ip, const QString& filter) const {
    return reports::gfDEFECT_HISTORY_SQL(queryDate(), ip, filter);
}

}  // namespace mes
