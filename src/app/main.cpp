#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <cstdio>

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

    void parse(QCommandLineParser& parser, const QCoreApplication& app) {
        parser.setApplicationDescription(QStringLiteral("Shop-floor terminal"));
        parser.addHelpOption();
        parser.addOptions({demo, database, createDemo});
        parser.process(app);
    }
};

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("mes-terminal"));
    QCoreApplication::setOrganizationName(QStringLiteral("mes-terminal"));
}

// Creating a demo database needs no display: it runs on a server or in CI too.
bool wantsCreateDemo(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]).startsWith("--create-demo")) return true;
    }
    return false;
}

int createDemoAndExit(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    nameApplication();
    Options options;
    QCommandLineParser parser;
    options.parse(parser, app);
    QString error;
    const QString path = QDir(parser.value(options.createDemo)).absolutePath();
    if (!gfCREATE_DEMO(path, &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (wantsCreateDemo(argc, argv)) return createDemoAndExit(argc, argv);

    QApplication app(argc, argv);
    nameApplication();
    Options options;
    QCommandLineParser parser;
    options.parse(parser, app);
    const QCommandLineOption& demo = options.demo;
    const QCommandLineOption& database = options.database;

    QString embeddedPath;
    if (parser.isSet(demo)) {
        QString error;
        embeddedPath = gfDEMO_PATH();
        if (!QFile::exists(embeddedPath) && !gfCREATE_DEMO(embeddedPath, &error)) {
            std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
            return 1;
        }
    } else if (parser.isSet(database)) {
        embeddedPath = QDir(parser.value(database)).absolutePath();
    }
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
