#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>

#include "foundation/Configuration.h"
#include "foundation/DemoPlant.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/Session.h"
#include "ui/MainWindowPlaceholder.h"

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
    QCommandLineOption createDemo(QStringLiteral("create-demo"),
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

    gsINI_DEFAULT();
    gsINI_LOAD();
    if (!gfDB_CONNECT()) return 1;

    MainWindowPlaceholder window(embeddedPath.isEmpty()
                                     ? QStringLiteral("ODBC: ") + gvConfig().IMIP
                                     : QStringLiteral("Embedded: ") + embeddedPath);
    window.show();
    return app.exec();
}
