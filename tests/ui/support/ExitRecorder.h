#pragma once

#include <QList>

namespace uitest {

// Records every end of the process instead of ending it. Installed for its lifetime.
class ExitRecorder {
  public:
    ExitRecorder();
    ~ExitRecorder();
    QList<int> codes;
    bool ended() const { return !codes.isEmpty(); }
};

}  // namespace uitest
