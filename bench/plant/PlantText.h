#pragma once

#include <cstdio>
#include <string>

namespace mesbench {

// printf into a std::string, for the short texts of keys, codes and times.
template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

// Minutes after midnight as "HH:MM" and as the audit time "hhmmss".
inline std::string hhmm(int minute) { return format("%02d:%02d", minute / 60, minute % 60); }
inline std::string hhmmss(int minute) { return format("%02d%02d00", minute / 60, minute % 60); }

}  // namespace mesbench
