#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "production/RunEntries.h"

namespace mes {

// The terminal's held entries kept beside conf.ini, so that a power cut or a
// killed program loses nothing the operator counted. One file per terminal,
// replaced whole at each write: a kill leaves the old or the new state.
class HeldEntriesFile {
  public:
    static constexpr int kVersion = 1;

    static QByteArray serialize(const RunEntries& entries);
    // The entries, or nothing with why set (truncated, another format or version).
    static std::optional<RunEntries> parse(const QByteArray& data, QString* why);

    // "<config dir>/held_entries.json".
    static QString path();
    // Writes a new file, flushes it and renames it over the old one.
    static bool save(const RunEntries& entries);
    // Nothing without why when there is no file.
    static std::optional<RunEntries> load(QString* why);
    static void discard();
};

}  // namespace mes
