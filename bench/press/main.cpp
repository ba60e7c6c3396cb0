// A simulated press for demonstrations: a Modbus TCP server whose 32-bit
// stroke counter (two holding registers) counts at a set rate.
//   mes-press-sim [port=1502] [strokes per minute=60] [register=0] [HIGH|LOW] [start=0]
#include <modbus.h>
#include <sys/select.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    const int port = argc > 1 ? std::atoi(argv[1]) : 1502;
    const double perMinute = argc > 2 ? std::atof(argv[2]) : 60;
    const int reg = argc > 3 ? std::atoi(argv[3]) : 0;
    const bool highFirst = argc > 4 ? std::strcmp(argv[4], "LOW") != 0 : true;
    uint32_t strokes = argc > 5 ? uint32_t(std::strtoul(argv[5], nullptr, 10)) : 0;
    if (port <= 0 || perMinute <= 0 || reg < 0 || reg > 98) {
        std::fprintf(
            stderr,
            "usage: mes-press-sim [port] [strokes/min] [register 0..98] [HIGH|LOW] [start]\n");
        return 2;
    }
    modbus_t* ctx = modbus_new_tcp("127.0.0.1", port);
    modbus_mapping_t* map = modbus_mapping_new(0, 0, 100, 0);
    int listener = modbus_tcp_listen(ctx, 1);
    if (listener < 0) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1:%d: %s\n", port, modbus_strerror(errno));
        return 1;
    }
    std::printf("press on 127.0.0.1:%d, %.1f strokes/min, register %d\n", port, perMinute, reg);
    std::fflush(stdout);
    const auto begin = std::chrono::steady_clock::now();
    const uint32_t first = strokes;
    int client = -1;
    for (;;) {
        const double minutes =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count() / 60;
        strokes = first + uint32_t(minutes * perMinute);
        const uint16_t high = strokes >> 16, low = strokes & 0xFFFF;
        map->tab_registers[reg] = highFirst ? high : low;
        map->tab_registers[reg + 1] = highFirst ? low : high;
        const int fd = client >= 0 ? client : listener;
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        timeval tv{0, 50000};
        if (select(fd + 1, &set, nullptr, nullptr, &tv) <= 0) continue;
        if (client < 0) {
            client = modbus_tcp_accept(ctx, &listener);
            continue;
        }
        uint8_t query[MODBUS_TCP_MAX_ADU_LENGTH];
        const int n = modbus_receive(ctx, query);
        if (n > 0) {
            modbus_reply(ctx, query, n, map);
        } else if (n < 0) {
            close(client);
            client = -1;
        }
    }
}
