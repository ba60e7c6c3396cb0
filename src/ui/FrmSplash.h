#pragma once

#include <QWidget>
#include <functional>

#include "foundation/SingleInstance.h"

class QLabel;
class QTimer;

namespace mes {

// Where start-up looks and what it starts; the program uses the defaults,
// tests point them at their own folder, server and fake updater.
struct StartupSettings {
    QString lockFolder = SingleInstance::defaultFolder();
    QString instanceKey = SingleInstance::defaultKey();
    QString updateBaseUrl;  // empty: no update server
    int timeoutMs = 5000;
    // Starts the updater at path, no arguments; false when it cannot be started.
    std::function<bool(const QString& path)> startUpdater;
    // Shows the main screen once the connection and the clock are done.
    std::function<void()> showMainScreen;

    // The deployment's update server and the real updater and main screen.
    static StartupSettings program();
};

// The start-up screen: single instance, configuration, version check and
// updater hand-over on load; one second later the connection, the clock and
// the main screen.
class FrmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit FrmSplash(StartupSettings settings = StartupSettings::program(),
                       QWidget* parent = nullptr);
    ~FrmSplash() override;

    QLabel* Label1 = nullptr;  // status line
    QLabel* Label2 = nullptr;  // the system's title
    QTimer* Timer1 = nullptr;

    // Steps of the load; false when the process was ended.
    bool Form_Load();
    // The version comparison; false when the process was ended.
    bool lsVersionCheck();
    // The first (and only) tick of Timer1.
    void Timer1_Timer();

    // The updater beside the program.
    static QString updaterPath();
    // The lock of this copy; it outlives the screen (owned by the application).
    SingleInstance* instance() const { return instance_; }

  signals:
    // Start-up is done and the screen unloaded itself.
    void unloaded();

  private:
    void fail();
    void bringToFront();

    StartupSettings settings_;
    SingleInstance* instance_ = nullptr;
};

}  // namespace mes
