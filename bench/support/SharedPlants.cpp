#include "SharedPlants.h"

#include <memory>

namespace mesbench {

namespace {

constexpr int kSizes = 5;
std::unique_ptr<BenchSession> plants[kSizes];

}  // namespace

ScaledPlantSize standardSize(int size) {
    switch (size) {
        case 0:
            return ScaledPlantSize::small();
        case 2:
            return ScaledPlantSize::demo();
        case 3:
            return ScaledPlantSize::small().leftOpen(1000);
        case 4:
            return ScaledPlantSize::large().leftOpen(10000);
        default:
            return ScaledPlantSize::large();
    }
}

BenchSession& sharedPlant(int size) {
    auto& plant = plants[size >= 0 && size < kSizes ? size : 1];
    if (!plant) plant = std::make_unique<BenchSession>(standardSize(size));
    plant->install();
    return *plant;
}

void releaseSharedPlants() {
    for (auto& plant : plants) plant.reset();
}

}  // namespace mesbench
