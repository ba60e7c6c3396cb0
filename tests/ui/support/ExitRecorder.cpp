#include "ui/support/ExitRecorder.h"

#include "ui/ProcessExit.h"

namespace uitest {

ExitRecorder::ExitRecorder() {
    mes::gsSET_EXIT_HANDLER([this](int code) { codes.append(code); });
}

ExitRecorder::~ExitRecorder() { mes::gsSET_EXIT_HANDLER({}); }

}  // namespace uitest
