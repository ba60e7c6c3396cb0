#include "ui/support/UiFixture.h"

#include <QApplication>

#include "foundation/TerminalClock.h"
#include "ui/Forms.h"
#include "ui/ModalHost.h"
#include "ui/NavigationBar.h"
#include "ui/Theme.h"
#include "ui/WidgetUI.h"

namespace uitest {

void UiFixture::SetUp() {
    // The program's look: sizes checked by the tests are the ones the operator gets.
    static const bool themed = [] {
        mes::Theme::apply(*qApp);
        return true;
    }();
    (void)themed;
    mes::gsINSTALL_WIDGET_UI();
    mes::NavigationBar::clearTargets();
    mes::TerminalClock::reset();
    mes::TerminalClock::setSystemClockSetter([](const QDateTime&) { return false; });
}

void UiFixture::TearDown() {
    mes::Forms::unloadAll();
    mes::NavigationBar::clearTargets();
    mes::gsALLOW_OFFSCREEN_EXEC(false);
    mes::gsSET_UI(nullptr);
    mes::TerminalClock::reset();
    mes::TerminalClock::setSystemClockSetter([](const QDateTime&) { return false; });
}

}  // namespace uitest
