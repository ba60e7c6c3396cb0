#pragma once

#include <memory>

#include "app/CheckOptions.h"
#include "app/CheckReport.h"
#include "foundation/DbEngine.h"

namespace mes {

class QuietUserInterface;

// The database points of a check: the connection with the server's clock, and the
// machine of B_EQUIPMENT that the terminal's address belongs to. Reads only.
class DatabaseCheck {
  public:
    DatabaseCheck(const CheckOptions& options, CheckReport* report, QuietUserInterface* ui);
    ~DatabaseCheck();

    void connection();
    void machine();

  private:
    bool rows(const QString& sql, RecordData* out, QString* error);

    const CheckOptions& options_;
    CheckReport* report_;
    QuietUserInterface* ui_;
    std::unique_ptr<DbEngine> engine_;
};

}  // namespace mes
