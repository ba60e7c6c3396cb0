#include "ui/FrmSplash.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <QVBoxLayout>

#include "foundation/AppPaths.h"
#include "foundation/BuildInfo.h"
#include "foundation/Configuration.h"
#include "foundation/ErrorLog.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "foundation/UserInterface.h"
#include "foundation/VersionCheck.h"
#include "ui/NavigationBar.h"
#include "ui/ProcessExit.h"
#include "ui/Theme.h"

namespace mes {

namespace {
const QString kLocation = QStringLiteral("FrmSplash");
}

StartupSettings StartupSettings::program() {
    StartupSettings s;
    s.updateBaseUrl = QString::fromUtf8(build::kUpdateBaseUrl);
    s.startUpdater = [](const QString& path) {
        return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
    };
    s.showMainScreen = [] { NavigationBar::go(QStringLiteral("btnJakupJisi")); };
    return s;
}

FrmSplash::FrmSplash(StartupSettings settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), settings_(std::move(settings)) {
    setObjectName(QStringLiteral("FrmSplash"));
    setWindowTitle(gfPRODUCT_NAME());
    setFixedSize(640, 360);
    setStyleSheet(QStringLiteral("#FrmSplash { background: #1f3a5a; } QLabel { color: white; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 40);
    Label2 = new QLabel(QStringLiteral("생산관리 시스템\n") + gfPRODUCT_NAME(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(Theme::font(40, true));
    Label1 = new QLabel(QStringLiteral("시스템을 시작합니다. 잠시 기다려 주십시요."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(Theme::font(Theme::kFontPixels + 2));
    layout->addStretch(1);
    layout->addWidget(Label2);
    layout->addStretch(1);
    layout->addWidget(Label1);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);
    instance_ = new SingleInstance(settings_.lockFolder, settings_.instanceKey, qApp);
}

// The instance lock lives on after the screen: it belongs to the process.
FrmSplash::~FrmSplash() = default;

QString FrmSplash::updaterPath() {
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("update.exe");
#else
    const QString name = QStringLiteral("update");
#endif
    return QDir(AppPaths::programDir()).filePath(name);
}

bool FrmSplash::Form_Load() {
    if (!instance_->acquire()) {
        gvUI().showMessage(QStringLiteral("알림"), QStringLiteral("이미 실행중입니다."),
                           UserInterface::Icon::Information);
        gsEND_PROCESS(0);
        return false;
    }
    connect(instance_, &SingleInstance::activationRequested, this, &FrmSplash::bringToFront);
    gsINI_DEFAULT();
    gsINI_LOAD();
    if (!lsVersionCheck()) return false;
    Timer1->start();
    return true;
}

bool FrmSplash::lsVersionCheck() {
    QString detail;
    switch (VersionCheck::run(AppPaths::programDir(), settings_.updateBaseUrl, settings_.timeoutMs,
                              &detail)) {
        case VersionCheck::Outcome::NoServer: {
            const QDateTime now = TerminalClock::now();
            ErrorLog::append(ErrorLog::formatRecord(DbError{}, detail, kLocation, now), now);
            return true;
        }
        case VersionCheck::Outcome::UpToDate:
            return true;
        case VersionCheck::Outcome::StartUpdater:
            if (settings_.startUpdater && settings_.startUpdater(updaterPath())) {
                gsEND_PROCESS(0);
                return false;
            }
            fail();
            return false;
        case VersionCheck::Outcome::Failed:
            fail();
            return false;
    }
    return false;
}

void FrmSplash::fail() {
    gvUI().showMessage(QStringLiteral("에러"),
                       QStringLiteral("서버에 접속할 수 없습니다. 확인하여 주시기 바랍니다.\r\n"
                                      "시스템을 종료합니다."),
                       UserInterface::Icon::Critical);
    gsEND_PROCESS(1);
}

void FrmSplash::Timer1_Timer() {
    Label1->setText(QStringLiteral("DataBase에 연결중입니다. 잠시 기다려 주십시요."));
    Label1->repaint();
    Timer1->stop();
    if (!gfDB_CONNECT()) {
        fail();
        return;
    }
    gvSQL.clear();
    gsSQL(QStringLiteral("select convert(char(10),getdate(),120) As SDATE,"));
    gsSQL(QStringLiteral("convert(char(8),getdate(),114) as STIME"));
    if (gfDB_RS_OPEN(gvSQL, false)) {
        TerminalClock::setFromServer(gvRS().text(QStringLiteral("SDATE")),
                                     gvRS().text(QStringLiteral("STIME")));
    }
    if (gvRS().isOpen()) gvRS().close();
    // The list first: the splash must never be the last window when it goes.
    if (settings_.showMainScreen) settings_.showMainScreen();
    hide();
    emit unloaded();
}

void FrmSplash::bringToFront() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        w->raise();
        w->activateWindow();
    }
}

}  // namespace mes
