#pragma once

#include <QString>

namespace mes {

// Where the terminal keeps conf.ini, the month error files and the version file.
class AppPaths {
  public:
    // The program's own folder (beside the executable).
    static QString programDir();
    // Folder of conf.ini and the error files: the program folder when writable,
    // otherwise the per-user configuration folder.
    static QString configDir();
    // Whether a program folder takes conf.ini: writable, and not the system's
    // (an installed package's folder under /usr).
    static bool keepsSettings(const QString& dir);
    // Tests and tools point everything at a folder of their own.
    static void setConfigDir(const QString& dir);
    static void setProgramDir(const QString& dir);
    static void reset();
};

}  // namespace mes
