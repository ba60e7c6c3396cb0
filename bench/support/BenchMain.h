#pragma once

#include <functional>

namespace mesbench {

// The main of a benchmark: the benchmarks the command line picks, then cleanUp
// (while Qt and the foundation still live), then the shared plants closed.
int runBenchmarks(int argc, char** argv, const std::function<void()>& cleanUp = {});

// The same for benchmarks that drive screens: a widget application, offscreen
// unless a platform is set, and the screens unloaded before cleanUp.
int runScreenBenchmarks(int argc, char** argv, const std::function<void()>& cleanUp = {});

}  // namespace mesbench
