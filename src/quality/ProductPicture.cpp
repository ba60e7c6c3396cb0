#include "quality/ProductPicture.h"

#include <QDir>
#include <QProcess>

#include "foundation/AppPaths.h"
#include "quality/QualityConfig.h"

namespace mes {

bool gfPICTURE_ON_TERMINAL(const QString& path, const QString& ip) {
    // The whole host name must match: a prefix of the address would also
    // accept a neighbour's share, and a short address would accept nothing.
    if (ip.isEmpty()) return false;
    return path.startsWith(QStringLiteral("\\\\") + ip + u'\\');
}

QString gfPICTURE_FILE(const QString& path, const QString& shareFolder) {
#ifdef Q_OS_WIN
    Q_UNUSED(shareFolder);
    return path;
#else
    if (shareFolder.isEmpty()) return {};
    QString rest = path.mid(2);
    rest.replace(u'\\', u'/');
    return QDir(shareFolder).filePath(rest);
#endif
}

QString gfNO_PHOTO_FILE() {
    return QDir(AppPaths::programDir()).filePath(QStringLiteral("img/no_photo.gif"));
}

QImage gfPRODUCT_PICTURE(const QString& path, const QString& ip, const QString& shareFolder) {
    if (gfPICTURE_ON_TERMINAL(path, ip)) {
        const QString file = gfPICTURE_FILE(path, shareFolder);
        QImage picture;
        if (!file.isEmpty() && picture.load(file)) return picture;
    }
    return QImage(gfNO_PHOTO_FILE());
}

QStringList gfSHARE_COMMANDS() {
    QStringList out;
    for (const char* c : {MES_SHARE_DISCONNECT_COMMAND, MES_SHARE_CONNECT_COMMAND}) {
        const QString command = QString::fromUtf8(c).trimmed();
        if (!command.isEmpty()) out << command;
    }
    return out;
}

void gsRUN_SHARE_COMMANDS(const QStringList& commands) {
    for (const QString& command : commands) {
        QStringList args = QProcess::splitCommand(command);
        if (args.isEmpty()) continue;
        const QString program = args.takeFirst();
        QProcess p;
        p.setProgram(program);
        p.setArguments(args);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        p.startDetached();
    }
}

}  // namespace mes
