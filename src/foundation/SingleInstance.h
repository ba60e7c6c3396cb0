#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace mes {

// Only one terminal per machine. The lock file is freed by the OS when the
// process dies; the local server lets a second start wake the running one.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // key names the lock file (in folder) and the local server.
    SingleInstance(const QString& folder, const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy; otherwise asks the running copy to come
    // to the front and returns false.
    bool acquire();
    bool isPrimary() const { return primary_; }

    // The default for the program: the temp folder and a per-user key.
    static QString defaultFolder();
    static QString defaultKey();

  signals:
    // A second start asked this copy to come to the front.
    void activationRequested();

  private:
    void notifyRunning();

    QString key_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
    bool primary_ = false;
};

}  // namespace mes
