#pragma once

#include <functional>

namespace mes {

// Ends the process. Everything that ends the terminal goes through here so that
// tests can replace it; callers return right after the call.
void gsEND_PROCESS(int code);

// Replaces what gsEND_PROCESS does; an empty function restores std::exit.
void gsSET_EXIT_HANDLER(std::function<void(int)> handler);

}  // namespace mes
