#include "ui/ProcessExit.h"

#include <cstdio>
#include <cstdlib>

namespace mes {

namespace {
std::function<void(int)>& handler() {
    static std::function<void(int)> h;
    return h;
}
}  // namespace

void gsEND_PROCESS(int code) {
    if (handler()) {
        handler()(code);
        return;
    }
    std::fflush(nullptr);
    std::exit(code);
}

void gsSET_EXIT_HANDLER(std::function<void(int)> h) { handler() = std::move(h); }

}  // namespace mes
