#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A folder of the test's own, removed afterwards; conf.ini and the error files
// of the terminal go there while it lives.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    QByteArray read(const QString& name) const;

  private:
    QTemporaryDir dir_;
};

}  // namespace testsupport
