#pragma once

#include "BenchSession.h"

namespace mesbench {

// Benchmarks that only read share one BenchSession per size for the whole run
// (each copy of the large plant costs a second). The standard sizes: 0 small,
// 1 large.
BenchSession& sharedPlant(int size);
ScaledPlantSize standardSize(int size);
// Closes them; call before main returns, while Qt and the foundation still live.
void releaseSharedPlants();

}  // namespace mesbench
