#pragma once

#include <memory>

#include "app/CheckOptions.h"
#include "app/CheckReport.h"
#include "foundation/DbEngine.h"

namespace mes {

class QuietUserInterface;

// Whether a database collation keeps the Korean text the terminal sends in quotes
// without the N prefix: only a Korean (949) or UTF-8 (65001) code page does.
bool gfCOLLATION_KEEPS_KOREAN(int codePage);

// The database points of a check: the connection with the server's clock, the
// database's collation, and the machine of B_EQUIPMENT that the terminal's address
// belongs to. Reads only.
class DatabaseCheck {
  public:
    DatabaseCheck(const CheckOptions& options, CheckReport* report, QuietUserInterface* ui);
    ~DatabaseCheck();

    void connection();
    void collation();
    void machine();

  private:
    bool rows(const QString& sql, RecordData* out, QString* error);

    const CheckOptions& options_;
    CheckReport* report_;
    QuietUserInterface* ui_;
    std::unique_ptr<DbEngine> engine_;
};

}  // namespace mes
