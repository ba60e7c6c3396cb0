// Renders the terminal's screens offscreen into PNG files: mes-screenshots OUTDIR
// The screens show a demo plant of their own, the terminal clock fixed.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cstdio>
#include <memory>

#include "ScreenPicture.h"
#include "WorkScreenshots.h"
#include "foundation/AppPaths.h"
#include "foundation/DemoPlant.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/Session.h"

#include "ReportScreenshots.h"
#include "foundation/SingleInstance.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"
#include "quality/QualityScreenshots.h"
#include "screens/Routes.h"
#include "ui/ButtonStrip.h"
#include "ui/Forms.h"
#include "ui/FrmSplash.h"
#include "ui/NavigationBar.h"
#include "ui/Theme.h"
#include "ui/clsSpread.h"
#include "ui/frmKey2.h"
#include "ui/frmKey2_EnglishandNum.h"
#include "ui/frm_MSG_001.h"
#include "ui/frm_MSG_002.h"

using namespace mes;

namespace {

bool save(QWidget& w, const QDir& dir, const QString& name) {
    w.show();
    const bool ok = gfSAVE_PICTURE(w, dir, name);
    w.hide();
    return ok;
}

// The demo plant in a folder of its own, the terminal at its press P-01
// (10.20.30.40), the Session open on it and the program's navigation.
bool openDemoPlant(const QTemporaryDir& folder) {
    AppPaths::setConfigDir(folder.path());
    gsSET_RESOLVER([] {
        return HostLookup{true, 0, QStringLiteral("press1"), {QByteArray("\x0a\x14\x1e\x28", 4)}};
    });
    const QString path = folder.filePath(QStringLiteral("demo.db"));
    QString error;
    if (!gfCREATE_DEMO(path, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    gvSession().setEngineFactory([path] { return std::make_unique<EmbeddedEngine>(path); });
    gsREGISTER_NAVIGATION();
    return gvSession().connect();
}

void press(QWidget& w, const QString& key) {
    if (auto* b = w.findChild<QPushButton*>(key)) b->click();
}

// A grid as the list screens show it: editable, pick-list and button columns, row marks.
void fillSampleGrid(clsSpread& spread) {
    spread.SetInit(0, 6, 20, 0, 12);
    spread.SetColType(1, QStringLiteral("지시일자"), QStringLiteral("지시일자"), 11);
    spread.SetColType(2, QStringLiteral("품번"), QStringLiteral("품번"), 12);
    spread.SetColType(3, QStringLiteral("구분"), QStringLiteral("구분"), 6, {},
                      SpreadCellType::PickList, 0, 0, false, 2, 2, false, false, true);
    spread.SetColType(4, QStringLiteral("지시\n수량"), QStringLiteral("작업지시수량"), 8, {},
                      SpreadCellType::Number, 9, 0, true, 1);
    spread.SetColType(5, QStringLiteral("투입\n수량"), QStringLiteral("투입수량"), 8, {},
                      SpreadCellType::Number, 9, 0, true, 1, 2, false, false);
    spread.SetColType(6, QStringLiteral("저장"), QStringLiteral("저장"), 6, {},
                      SpreadCellType::Button, 0, 0, false, 2);
    RecordData data;
    data.columns = {"a", "b", "c", "d", "e"};
    data.rows = {{"2026-12-08", "ORV-1001", "주간", 1200, 600},
                 {"2026-12-08", "ORV-1002", "야간", 15000, 14980},
                 {"2026-12-07", "ORV-2040", "주간", 300, 0}};
    spread.LoadRecords(data);
    spread.SetCellText(QStringLiteral("저장"), -1, QStringLiteral("저장"));
    spread.SetColor(1, 6, 2, 2, QColor(0, 192, 0));
    spread.KeyUpdateChk(0, 3);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Theme::apply(app);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QDir().mkpath(dir.path());
    TerminalClock::setFixed(QDateTime(QDate(2026, 12, 8), QTime(8, 30, 0)));
    int failed = 0;

    StartupSettings settings;
    settings.lockFolder = QDir::tempPath();
    settings.instanceKey = QStringLiteral("mes-screenshots");
    FrmSplash splash(settings);
    failed += !save(splash, dir, QStringLiteral("splash"));

    frmKey2 key;
    for (const char* k : {"cmd1", "cmd2", "cmd5"}) press(key, QString::fromLatin1(k));
    failed += !save(key, dir, QStringLiteral("keypad"));

    frmKey2_EnglishandNum letters;
    for (const char* k : {"cmda", "cmdb", "Command15", "cmd4", "cmd2"}) {
        press(letters, QString::fromLatin1(k));
    }
    failed += !save(letters, dir, QStringLiteral("keypad-letters"));

    frm_MSG_001 notice;
    notice.Lb_msg->setText(QStringLiteral("저장이 완료되었습니다.\n작업지시목록을 확인하십시요."));
    failed += !save(notice, dir, QStringLiteral("message"));

    frm_MSG_002 question;
    failed += !save(question, dir, QStringLiteral("exit-question"));

    QWidget screen;
    screen.resize(1024, 560);
    auto* layout = new QVBoxLayout(&screen);
    auto* grid = new QTableView(&screen);
    layout->addWidget(grid);
    clsSpread spread;
    spread.Spr(grid);
    fillSampleGrid(spread);
    auto* customers = new ButtonStrip(QStringLiteral("btnEquipment"), 55, 2, 5, &screen);
    const QStringList names = {"대한정밀", "S&T 모터스", "(주)한빛오토텍 제2공장",
                               "동양기공", "세원산업",   "미래테크",
                               "성진정공", "우진금속",   "태성",
                               "일진부품", "한국프레스", "삼보"};
    for (int i = 0; i < names.size(); ++i) customers->setButton(i, names[i], QString::number(i));
    customers->hideFrom(static_cast<int>(names.size()));
    customers->select(0);
    customers->setMinimumHeight(2 * Theme::kRowHeight + 6);
    layout->addWidget(customers);
    layout->addWidget(new NavigationBar(&screen));
    failed += !save(screen, dir, QStringLiteral("grid"));

    QTemporaryDir folder;
    if (!openDemoPlant(folder)) return 1;
    failed += gfSAVE_WORK_SCREENSHOTS(dir);
    failed += gfSAVE_QUALITY_SCREENSHOTS(dir);
    failed += gfSAVE_REPORT_SCREENSHOTS(dir);
    Forms::unloadAll();
    return failed == 0 ? 0 : 1;
}
