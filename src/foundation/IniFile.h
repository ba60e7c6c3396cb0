#pragma once

#include <QString>

namespace mes {

// Profile-file access with the semantics of the classic profile-string calls:
// sections and keys keep their place, other lines are left untouched, names
// compare case-insensitively, a read returns at most capacity-1 characters.
// (QSettings rewrites and escapes the whole file, which administrators dislike.)
class IniFile {
  public:
    explicit IniFile(QString path) : path_(std::move(path)) {}

    // Returns false when the file cannot be written; never throws.
    bool writeString(const QString& section, const QString& key, const QString& value) const;
    // Missing file, section or key gives def. The value is cut to capacity-1 characters.
    QString readString(const QString& section, const QString& key, const QString& def,
                       int capacity = 255) const;

    const QString& path() const { return path_; }

  private:
    QString path_;
};

}  // namespace mes
