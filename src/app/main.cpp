#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "foundation/DemoPlant.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/Session.h"
#include "ui/Forms.h"
#include "ui/FrmSplash.h"
#include "ui/ListScreenPlaceholder.h"
#include "ui/NavigationBar.h"
#include "ui/Theme.h"
#include "ui/WidgetUI.h"

using namespace mes;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mes-terminal"));
    QApplication::setOrganizationName(QStringLiteral("mes-terminal"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shop-floor terminal"));
    parser.addHelpOption();
    QCommandLineOption demo(QStringLiteral("demo"),
                            QStringLiteral("Open the embedded demo plant (created on first use)."));
    QCommandLineOption database(QStringLiteral("database"),
                                QStringLiteral("Open an embedded database file."),
                                QStringLiteral("PATH"));
    QCommandLineOption createDemo(
        QStringLiteral("create-demo"),
        QStringLiteral("Create and seed a demo database at PATH, then exit."),
        QStringLiteral("PATH"));
    parser.addOptions({demo, database, createDemo});
    parser.process(app);

    if (parser.isSet(createDemo)) {
        QString error;
        const QString path = QDir(parser.value(createDemo)).absolutePath();
        if (!gfCREATE_DEMO(path, &error)) {
            std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
            return 1;
        }
        std::printf("%s\n", path.toLocal8Bit().constData());
        return 0;
    }

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
    // The work-order list registers itself here once it exists.
    if (!NavigationBar::hasTarget(QStringLiteral("btnJakupJisi"))) {
        NavigationBar::setTarget(QStringLiteral("btnJakupJisi"),
                                 &ListScreenPlaceholder::showScreen);
    }

    auto* splash = new FrmSplash();
    QObject::connect(splash, &FrmSplash::unloaded, splash, &QObject::deleteLater);
    if (!splash->Form_Load()) return 1;
    splash->show();
    const int code = app.exec();
    Forms::unloadAll();
    return code;
}
