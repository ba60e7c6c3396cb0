#include "production/StrokeCounter.h"

#include <modbus.h>

#include <QThread>
#include <chrono>

namespace mes {

StrokeCounter::StrokeCounter(CounterLink link, QObject* parent)
    : QObject(parent), link_(std::move(link)) {}

StrokeCounter::~StrokeCounter() { stop(); }

bool StrokeCounter::running() const { return thread_ != nullptr; }

quint32 StrokeCounter::combine(quint16 first, quint16 second, bool highWordFirst) {
    return highWordFirst ? (quint32(first) << 16) | second : (quint32(second) << 16) | first;
}

void StrokeCounter::start() {
    if (thread_ != nullptr) return;
    stop_ = false;
    thread_ = QThread::create([this] { poll(); });
    thread_->start();
}

void StrokeCounter::stop() {
    if (thread_ == nullptr) return;
    stop_ = true;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
}

void StrokeCounter::poll() {
    const QByteArray host = link_.host.toUtf8();
    const QByteArray service = QByteArray::number(link_.port);
    const auto pause = std::chrono::milliseconds(qMax(link_.pollMs, 10));
    modbus_t* ctx = nullptr;
    bool connected = false;
    int online = -1;  // unknown until the first attempt
    const auto report = [&](bool ok) {
        if (online != int(ok)) emit linkChanged(ok);
        online = int(ok);
    };
    while (!stop_) {
        const auto due = std::chrono::steady_clock::now() + pause;
        if (ctx == nullptr) {
            // The protocol-independent variant: a host name or an IPv6 address also does.
            ctx = modbus_new_tcp_pi(host.constData(), service.constData());
            if (ctx != nullptr) {
                modbus_set_slave(ctx, link_.unit);
                // Short, so that a dead link neither delays the next try nor the stop.
                modbus_set_response_timeout(ctx, 0, 400000);
            }
        }
        if (ctx != nullptr && !connected) connected = modbus_connect(ctx) == 0;
        uint16_t words[2] = {0, 0};
        if (connected && modbus_read_registers(ctx, link_.address, 2, words) == 2) {
            report(true);
            emit counted(combine(words[0], words[1], link_.highWordFirst));
        } else {
            report(false);
            if (connected) modbus_close(ctx);
            connected = false;
        }
        while (!stop_ && std::chrono::steady_clock::now() < due) QThread::msleep(10);
    }
    if (ctx != nullptr) {
        if (connected) modbus_close(ctx);
        modbus_free(ctx);
    }
}

}  // namespace mes
