#include "foundation/ErrorLog.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include "foundation/AppPaths.h"
#include "foundation/Session.h"
#include "foundation/TerminalClock.h"
#include "foundation/UserInterface.h"

namespace mes {

QString ErrorLog::formatRecord(const DbError& err, const QString& message, const QString& location,
                               const QDateTime& when) {
    const QString crlf = QStringLiteral("\r\n");
    QString record;
    if (err.number != 0) {
        record += QLatin1Char('[') + when.toString(QStringLiteral("yyyy년MM월dd일 HH시mm분ss초")) +
                  QLatin1Char(']') + crlf + QStringLiteral("ERR NO(") +
                  QString::number(err.number) + QStringLiteral(") : ") + err.description +
                  QStringLiteral("     ");
    }
    if (!location.trimmed().isEmpty()) {
        if (!record.trimmed().isEmpty()) record += crlf;
        record += QStringLiteral("ERR LOCATION : ") + location + QStringLiteral(" / ") + message +
                  crlf + crlf;
    }
    return record + crlf;
}

QString ErrorLog::filePath(const QDateTime& when) {
    return QDir(AppPaths::configDir()).filePath(when.toString(QStringLiteral("yyyyMM")) + ".err");
}

bool ErrorLog::append(const QString& record, const QDateTime& when) {
    QFile f(filePath(when));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    auto encode = QStringEncoder(QStringEncoder::System);
    const QByteArray bytes = encode(record);
    return f.write(bytes) == bytes.size();
}

void gsERR_LOG(const DbError& err, const QString& message, const QString& location) {
    try {
        Session& s = gvSession();
        if (s.rs().isOpen()) s.rs().close();
        if (!s.isOpen()) gsDB_RECONNECT();
    } catch (...) {
    }
    try {
        if (!message.isEmpty()) {
            gvUI().showMessage(gfPRODUCT_NAME(), message, UserInterface::Icon::None);
        }
    } catch (...) {
    }
    try {
        gvUI().setBusy(false);
    } catch (...) {
    }
    gsERR_RECORD(err, message, location);
}

void gsERR_RECORD(const DbError& err, const QString& message, const QString& location) {
    try {
        const QDateTime when = TerminalClock::now();
        ErrorLog::append(ErrorLog::formatRecord(err, message, location, when), when);
    } catch (...) {
    }
}

}  // namespace mes
