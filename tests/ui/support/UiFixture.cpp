#include "ui/support/UiFixture.h"

#include "foundation/TerminalClock.h"
#include "ui/Forms.h"
#include "ui/WidgetUI.h"

namespace uitest {

void UiFixture::SetUp() {
    mes::gsINSTALL_WIDGET_UI();
    mes::TerminalClock::reset();
    mes::TerminalClock::setSystemClockSetter([](const QDateTime&) { return false; });
}

void UiFixture::TearDown() {
    mes::Forms::unloadAll();
    mes::gsSET_UI(nullptr);
    mes::TerminalClock::reset();
    mes::TerminalClock::setSystemClockSetter([](const QDateTime&) { return false; });
}

}  // namespace uitest
