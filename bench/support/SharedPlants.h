#pragma once

#include "BenchSession.h"

namespace mesbench {

// Benchmarks that only read share one BenchSession per size for the whole run
// (each copy of the large plant costs a second). The standard sizes: 0 small,
// 1 large, 2 the demo alone, 3 small with 1,000 orders left open, 4 large with
// 10,000 left open.
BenchSession& sharedPlant(int size);
ScaledPlantSize standardSize(int size);
// Closes them; call before main returns, while Qt and the foundation still live.
void releaseSharedPlants();

}  // namespace mesbench
