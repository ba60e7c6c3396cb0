#include "ModbusPress.h"

#include <sys/select.h>
#include <unistd.h>

#include <QtGlobal>
#include <chrono>
#include <mutex>

namespace {
std::mutex mapLock;
}

ModbusPress::ModbusPress(int port, int lifetimeMs)
    : port_(port), map_(modbus_mapping_new(0, 0, 100, 0)) {
    thread_ = std::thread([this, lifetimeMs] { serve(lifetimeMs); });
    // Listening before the client's first try, so that its link starts up.
    for (int i = 0; i < 200 && !listening_; ++i) usleep(10000);
}

ModbusPress::~ModbusPress() {
    stop_ = true;
    thread_.join();
    modbus_mapping_free(map_);
}

void ModbusPress::set(int at, quint32 value, bool highWordFirst) {
    const std::lock_guard<std::mutex> hold(mapLock);
    const quint16 high = value >> 16, low = value & 0xFFFF;
    map_->tab_registers[at] = highWordFirst ? high : low;
    map_->tab_registers[at + 1] = highWordFirst ? low : high;
}

void ModbusPress::serve(int lifetimeMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(lifetimeMs);
    modbus_t* ctx = modbus_new_tcp("127.0.0.1", port_);
    int listener = modbus_tcp_listen(ctx, 1);
    listening_ = listener >= 0;
    int client = -1;
    const auto waitFor = [](int fd) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        timeval tv{0, 20000};
        return select(fd + 1, &set, nullptr, nullptr, &tv) > 0;
    };
    while (!stop_ && std::chrono::steady_clock::now() < end && listener >= 0) {
        if (silent_) {
            if (client >= 0) close(client);
            client = -1;
            usleep(20000);
            continue;
        }
        if (client < 0) {
            if (waitFor(listener)) client = modbus_tcp_accept(ctx, &listener);
            continue;
        }
        if (!waitFor(client)) continue;
        modbus_set_socket(ctx, client);
        uint8_t query[MODBUS_TCP_MAX_ADU_LENGTH];
        const int n = modbus_receive(ctx, query);
        if (n > 0) {
            const std::lock_guard<std::mutex> hold(mapLock);
            modbus_reply(ctx, query, n, map_);
            ++served_;
        } else if (n < 0) {
            close(client);
            client = -1;
        }
    }
    if (client >= 0) close(client);
    if (listener >= 0) close(listener);
    modbus_free(ctx);
}
