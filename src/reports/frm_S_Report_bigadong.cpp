#include "reports/frm_S_Report_bigadong.h"

#include "foundation/TerminalClock.h"
#include "reports/HistoryColumns.h"

namespace mes {

frm_S_Report_bigadong::frm_S_Report_bigadong(QWidget* parent)
    : ProcessHistoryScreen(QStringLiteral("frm_S_Report_bigadong"),
                           QStringLiteral("비가동내역 전체조회"), QStringLiteral("btnBigadongList"),
                           parent) {
    gsDEFINE_HISTORY_GRID(*spread, {{"idx", "idx", 6, false},
                                    {"생산실적번호", "생산실적번호", 14, false},
                                    {"공정명", "공정명", 10, true},
                                    {"설비코드", "설비코드", 8, false},
                                    {"설비명", "설비명", 14, true},
                                    {"시작시각", "시작시간", 8, false},
                                    {"종료시각", "종료시각", 8, false},
                                    {"공정코드", "공정코드", 8, false},
                                    {"비가동코드", "비가동코드", 10, true},
                                    {"비가동명", "비가동명", 16, true},
                                    {"경과시간(분)", "경과시간", 10, true, true}});
    load();
}

QString frm_S_Report_bigadong::queryDate() const { return TerminalClock::date(); }

QString frm_S_Report_bigadong::historySql(const QString& ip, const QString& filter) const {
    return reports::gfDOWNTIME_HISTORY_SQL(queryDate(), ip, filter);
}

}  // namespace mes
