#pragma once

#include <modbus.h>

#include <QtGlobal>

#include <atomic>
#include <thread>

// A press's PLC on the loopback: libmodbus's own server side, one client at a
// time, holding registers 0..99. It ends by itself after its lifetime, or
// when destroyed. While silent it accepts nothing and drops its client.
class ModbusPress {
  public:
    explicit ModbusPress(int port, int lifetimeMs = 60000);
    ~ModbusPress();

    // Puts the 32-bit value into registers at and at+1.
    void set(int at, quint32 value, bool highWordFirst);
    void silence(bool silent) { silent_ = silent; }
    int port() const { return port_; }
    int served() const { return served_; }

  private:
    void serve(int lifetimeMs);

    int port_;
    modbus_mapping_t* map_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> silent_{false};
    std::atomic<int> served_{0};
    std::atomic<bool> listening_{false};
    std::thread thread_;
};
