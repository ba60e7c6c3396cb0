#pragma once

#include "app/CheckOptions.h"
#include "app/CheckReport.h"

namespace mes {

// The terminal's self-check for plant IT: settings, ODBC driver, database and
// clock, the terminal's machine, label port, picture share, version. Changes
// nothing: conf.ini is read as start-up would leave it, the database only read.
class TerminalCheck {
  public:
    explicit TerminalCheck(CheckOptions options) : options_(std::move(options)) {}

    // Runs every point; the report's lines in the order of the points.
    CheckReport run();

  private:
    void settings(CheckReport* report) const;
    void odbcDriver(CheckReport* report) const;
    void labelPort(CheckReport* report) const;
    void pictureShare(CheckReport* report) const;
    void version(CheckReport* report) const;
    QString registerCommand() const;

    CheckOptions options_;
};

}  // namespace mes
