#include "SharedPlants.h"

#include <memory>

namespace mesbench {

namespace {

std::unique_ptr<BenchSession> plants[2];

}  // namespace

ScaledPlantSize standardSize(int size) {
    return size == 0 ? ScaledPlantSize::small() : ScaledPlantSize::large();
}

BenchSession& sharedPlant(int size) {
    auto& plant = plants[size == 0 ? 0 : 1];
    if (!plant) plant = std::make_unique<BenchSession>(standardSize(size));
    plant->install();
    return *plant;
}

void releaseSharedPlants() {
    for (auto& plant : plants) plant.reset();
}

}  // namespace mesbench
