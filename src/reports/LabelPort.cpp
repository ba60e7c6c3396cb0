#include "reports/LabelPort.h"

#include <QSerialPort>

#include "reports/LabelConfig.h"

namespace mes {

namespace {

QString& overrideName() {
    static QString name;
    return name;
}

bool& openFlag() {
    static bool open = false;
    return open;
}

QList<qsizetype>& writes() {
    static QList<qsizetype> w;
    return w;
}

constexpr int kWriteTimeoutMs = 3000;

}  // namespace

QString LabelPort::portName() {
    if (!overrideName().isEmpty()) return overrideName();
    const QString built = QStringLiteral(MES_LABEL_PORT_NAME);
    if (!built.isEmpty()) return built;
#ifdef Q_OS_WIN
    return QStringLiteral("COM9");
#else
    return QStringLiteral("/dev/ttyS8");
#endif
}

void LabelPort::setPortName(const QString& name) { overrideName() = name; }

bool LabelPort::isOpen() { return openFlag(); }

QList<qsizetype> LabelPort::lastWrites() { return writes(); }

bool LabelPort::send(const QStringList& lines, reports::PackSize size) {
    writes().clear();
    QSerialPort port;
    port.setPortName(portName());
    if (!port.open(QIODevice::WriteOnly)) return false;
    openFlag() = true;
    bool ok = port.setBaudRate(QSerialPort::Baud9600) && port.setDataBits(QSerialPort::Data8) &&
              port.setParity(QSerialPort::NoParity) && port.setStopBits(QSerialPort::OneStop);
    auto write = [&port](const QByteArray& bytes) {
        const qint64 n = port.write(bytes);
        writes() << n;
        if (n != bytes.size()) return false;
        while (port.bytesToWrite() > 0)
            if (!port.waitForBytesWritten(kWriteTimeoutMs)) return false;
        return true;
    };
    if (ok) {
        if (size == reports::PackSize::Small) {
            QByteArray all;
            for (const QString& l : lines) all += l.toUtf8() + '\n';
            ok = write(all);
        } else {
            for (const QString& l : lines)
                if (!(ok = write(l.toUtf8()))) break;
        }
    }
    port.close();
    openFlag() = false;
    return ok;
}

}  // namespace mes
