#pragma once

#include <QString>

namespace mes {

// What a terminal check looks at: the deployment's settings, or a test's.
struct CheckOptions {
    QString embeddedPath;  // empty: the plant's SQL Server through ODBC and conf.ini
    QString odbcDriver = QStringLiteral("SQL Server");
    QString labelPort;
    QString pictureShare;
    QString updateBaseUrl;
    QString programDir;
    int timeoutMs = 5000;

    // This build's values, with the database chosen on the command line.
    static CheckOptions program(const QString& embeddedPath);
};

}  // namespace mes
