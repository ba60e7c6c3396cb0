#pragma once

#include <QString>

namespace mes {

// The values of conf.ini, read once at start by gsINI_LOAD.
struct Configuration {
    QString DBNAME;
    QString DBUSER;
    QString DBPWD;
    QString COMGB;
    QString WorkCd;
    QString IMIP;
    QString FTPServer;
    qint32 FTPPort = 0;
    QString FTPUser;
    QString FTPPass;
};

// The process-wide configuration.
Configuration& gvConfig();

// Full path of conf.ini.
QString gfINI_PATH();

// Writes the built-in connection settings into conf.ini (failures ignored).
void gsINI_DEFAULT();
// Reads every key of conf.ini into gvConfig().
void gsINI_LOAD();

// The built-in server addresses ("host,port").
QString gfDEFAULT_DB_ADDRESS();
QString gfDEFAULT_FTP_ADDRESS();

}  // namespace mes
