#include "screens/Routes.h"

#include "production/frm_S_dayReport.h"
#include "reports/frm_S_Report_Sangsan.h"
#include "reports/frm_S_Report_badqty.h"
#include "reports/frm_S_Report_bigadong.h"
#include "ui/Forms.h"
#include "ui/NavigationBar.h"
#include "workorders/frm_S_jakupjisi_list.h"

namespace mes {

namespace {

// A screen that is shown as it stands; list screens also run their search:
//   [] { auto& s = gfFORM<frm_S_Report_badqty>(); gsSHOW_SCREEN(s); s.btnFind_Click(); }
template <class T>
void show() {
    gsSHOW_SCREEN(gfFORM<T>());
}

template <class T>
void showAndFind() {
    auto& s = gfFORM<T>();
    gsSHOW_SCREEN(s);
    s.btnFind_Click();
}

}  // namespace

void gsREGISTER_NAVIGATION() {
    NavigationBar::setTarget(QStringLiteral("btnJakupJisi"), &frm_S_jakupjisi_list::showScreen);
    NavigationBar::setTarget(QStringLiteral("btnDayReport"), &show<frm_S_dayReport>);
    NavigationBar::setTarget(QStringLiteral("btnJakupList"), &showAndFind<frm_S_Report_Sangsan>);
    NavigationBar::setTarget(QStringLiteral("btnBadList"), &showAndFind<frm_S_Report_badqty>);
    NavigationBar::setTarget(QStringLiteral("btnBigadongList"),
                             &showAndFind<frm_S_Report_bigadong>);
}

}  // namespace mes
