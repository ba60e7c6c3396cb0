#pragma once

namespace mes {

// Registers the default target of every navigation button for the whole
// program: "show that screen and run its search". The program calls it once at
// start, the screen tests in their set-up; a screen that wants something else
// for a button of its own bar says so on that bar (NavigationBar::setAction).
// Each new screen adds its one line here.
void gsREGISTER_NAVIGATION();

}  // namespace mes
