#include "foundation/VersionCheck.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace mes {

QString VersionCheck::fileName() { return QStringLiteral("Panel_Orvel_version.txt"); }

QString VersionCheck::remotePath() { return QStringLiteral("/Orvel/Panel_Orvel_version.txt"); }

QString VersionCheck::firstItem(const QString& content) {
    qsizetype end = content.size();
    for (const QChar stop : {QChar(','), QChar('\r'), QChar('\n')}) {
        const qsizetype at = content.indexOf(stop);
        if (at >= 0 && at < end) end = at;
    }
    return content.left(end);
}

double VersionCheck::number(const QString& text) {
    // Leading blanks skipped, then an optional sign, digits, one point, digits.
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (t[i].isDigit() && t[i].unicode() < 128) {
            digits = true;
        } else if (t[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    bool ok = false;
    const double v = t.left(i).toDouble(&ok);
    return ok ? v : 0.0;
}

bool VersionCheck::readLocal(const QString& path, QString* text, bool* readError) {
    *readError = false;
    text->clear();
    if (!QFile::exists(path)) return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *readError = true;
        return true;
    }
    *text = firstItem(QString::fromLocal8Bit(f.readAll()));
    return true;
}

bool VersionCheck::fetchRemote(const QString& baseUrl, int timeoutMs, QString* body,
                               QString* error) {
    QString base = baseUrl;
    while (base.endsWith('/')) base.chop(1);
    const QUrl url(base + remotePath());
    if (!url.isValid() || url.scheme() != QStringLiteral("http")) {
        *error = QStringLiteral("invalid update address: ") + baseUrl;
        return false;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QTimer guard;  // the transfer time-out does not cover a connect that never answers
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    guard.start(timeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    const bool ok = reply->error() == QNetworkReply::NoError;
    if (ok) {
        *body = QString::fromLocal8Bit(reply->readAll());
    } else {
        *error = reply->errorString();
    }
    delete reply;
    return ok;
}

bool VersionCheck::wantsUpdate(const QString& localText, const QString& remoteText) {
    return localText.isEmpty() || number(localText) < number(remoteText);
}

VersionCheck::Outcome VersionCheck::run(const QString& programDir, const QString& baseUrl,
                                        int timeoutMs, QString* detail) {
    if (baseUrl.trimmed().isEmpty()) {
        *detail = QStringLiteral("no update server configured: version check skipped");
        return Outcome::NoServer;
    }
    QString local;
    bool readError = false;
    readLocal(QDir(programDir).filePath(fileName()), &local, &readError);
    if (readError) {
        *detail = QStringLiteral("version file cannot be read");
        return Outcome::Failed;
    }
    QString remote;
    if (!fetchRemote(baseUrl, timeoutMs, &remote, detail)) return Outcome::Failed;
    *detail = local + QStringLiteral(" / ") + remote;
    return wantsUpdate(local, remote) ? Outcome::StartUpdater : Outcome::UpToDate;
}

}  // namespace mes
