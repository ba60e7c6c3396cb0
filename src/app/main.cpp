#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

#include "app/CheckReport.h"
#include "app/TerminalCheck.h"
#include "foundation/DemoPlant.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/Session.h"
#include "screens/Routes.h"
#include "ui/Forms.h"
#include "ui/FrmSplash.h"
#include "ui/Theme.h"
#include "ui/WidgetUI.h"

using namespace mes;

namespace {

struct Options {
    QCommandLineOption demo{QStringLiteral("demo"),
                            QStringLiteral("Open the embedded demo plant (created on first use).")};
    QCommandLineOption database{QStringLiteral("database"),
                                QStringLiteral("Open an embedded database file."),
                                QStringLiteral("PATH")};
    QCommandLineOption createDemo{
        QStringLiteral("create-demo"),
        QStringLiteral("Create and seed a demo database at PATH, then exit."),
        QStringLiteral("PATH")};
    QCommandLineOption check{
        QStringLiteral("check"),
        QStringLiteral("Check settings, ODBC driver, database, machine, label port, picture "
                       "share and version without a display; exit 1 when a point fails.")};

    void parse(QCommandLineParser& parser, const QCoreApplication& app) {
        parser.setApplicationDescription(QStringLiteral("Shop-floor terminal"));
        parser.addHelpOption();
        parser.addOptions({demo, database, createDemo, check});
        parser.process(app);
    }

    // The embedded database chosen on the command line ("" for the plant's SQL
    // Server); false with error when the demo plant cannot be made ready.
    bool embeddedPath(const QCommandLineParser& parser, QString* path, QString* error) const {
        path->clear();
        if (parser.isSet(demo)) {
            *path = gfDEMO_PATH();
            return gfOPEN_DEMO(*path, error);
        }
        if (parser.isSet(database)) *path = QDir(parser.value(database)).absolutePath();
        return true;
    }
};

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("mes-terminal"));
    QCoreApplication::setOrganizationName(QStringLiteral("mes-terminal"));
}

// Creating a demo database and the check need no display: they run on a server,
// over ssh or in CI too.
bool wantsNoDisplay(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--create-demo") || arg == "--check") return true;
    }
    return false;
}

int fail(const QString& error) {
    std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
    return 1;
}

int runWithoutDisplay(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    nameApplication();
    Options options;
    QCommandLineParser parser;
    options.parse(parser, app);
    QString error;
    if (parser.isSet(options.check)) {
        QString path;
        if (!options.embeddedPath(parser, &path, &error)) return fail(error);
        const CheckReport report = TerminalCheck(CheckOptions::program(path)).run();
        for (const QString& line : report.lines())
            std::printf("%s\n", line.toLocal8Bit().constData());
        return report.anyFailed() ? 1 : 0;
    }
    const QString path = QDir(parser.value(options.createDemo)).absolutePath();
    if (!gfCREATE_DEMO(path, &error)) return fail(error);
    std::printf("%s\n", path.toLocal8Bit().constData());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (wantsNoDisplay(argc, argv)) return runWithoutDisplay(argc, argv);

    QApplication app(argc, argv);
    nameApplication();
    Options options;
    QCommandLineParser parser;
    options.parse(parser, app);
    QString embeddedPath;
    QString error;
    if (!options.embeddedPath(parser, &embeddedPath, &error)) return fail(error);
    if (!embeddedPath.isEmpty()) {
        gvSession().setEngineFactory(
            [embeddedPath] { return std::make_unique<EmbeddedEngine>(embeddedPath); });
    }

    Theme::apply(app);
    gsINSTALL_WIDGET_UI();
    gsREGISTER_NAVIGATION();

    auto* splash = new FrmSplash();
    QObject::connect(splash, &FrmSplash::unloaded, splash, &QObject::deleteLater);
    if (!splash->Form_Load()) return 1;
    splash->show();
    const int code = app.exec();
    Forms::unloadAll();
    return code;
}
