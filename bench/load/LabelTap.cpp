#include "LabelTap.h"

#include <QThread>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace mesload {

LabelTap::LabelTap(const QString& file) {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    // The slave stays open here too: the printer port's close must not hang the master up.
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
    out_ = ::open(file.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (out_ < 0) return;
    port_ = QString::fromLocal8Bit(name);
    reader_ = std::thread([this] { read(); });
}

LabelTap::~LabelTap() {
    if (slave_ >= 0) ::close(slave_);  // the master reads EIO: the reader ends
    if (reader_.joinable()) reader_.join();
    for (int fd : {master_, out_})
        if (fd >= 0) ::close(fd);
}

void LabelTap::read() {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) return;
        if (::write(out_, buffer, size_t(n)) != n) return;
        received_ += n;
    }
}

bool LabelTap::waitFor(qint64 total, int timeoutMs) const {
    for (int waited = 0; received_ < total; waited += 2) {
        if (waited >= timeoutMs) return false;
        QThread::msleep(2);
    }
    return true;
}

}  // namespace mesload
