#pragma once

#include <QString>

namespace mes {

// The installed build against the one published on the update server: reading
// the version files, comparing them as numbers and fetching the remote file.
class VersionCheck {
  public:
    // What start-up does after the comparison.
    enum class Outcome { UpToDate, StartUpdater, Failed, NoServer };

    // "Panel_Orvel_version.txt"
    static QString fileName();
    // Path on the update server: "/Orvel/Panel_Orvel_version.txt".
    static QString remotePath();
    // The first item of a version file: up to the first comma or line end.
    static QString firstItem(const QString& content);
    // The longest numeric prefix ("." as decimal separator); 0 when there is none.
    static double number(const QString& text);
    // Reads the first item of the local file; false when it does not exist.
    // readError is set when it exists but cannot be read.
    static bool readLocal(const QString& path, QString* text, bool* readError);
    // GET baseUrl + remotePath() with a time-out; the whole body on success.
    static bool fetchRemote(const QString& baseUrl, int timeoutMs, QString* body, QString* error);
    // The decision: an empty local text or a lower local number wants the updater.
    static bool wantsUpdate(const QString& localText, const QString& remoteText);
    // The whole check for a program folder and an update server (empty: none).
    static Outcome run(const QString& programDir, const QString& baseUrl, int timeoutMs,
                       QString* detail);
};

}  // namespace mes
