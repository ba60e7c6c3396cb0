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
    // The machine's stroke counter over Modbus TCP; empty host: no counter.
    QString CounterHost;
    qint32 CounterPort = 502;
    qint32 CounterUnit = 1;
    qint32 CounterRegister = 0;        // first of the two holding registers
    bool CounterHighWordFirst = true;  // "HIGH" or "LOW": the word read first
    qint32 CounterPieces = 1;          // pieces per stroke (cavities)
    qint32 CounterPollMs = 500;
    qint32 CounterStillMinutes = 5;  // standing still longer without a stop entered: warned
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
