#pragma once

#include <QString>

#include "ScaledPlant.h"

namespace mesbench {

// Scaled plants kept between benchmark runs, one file per size, made for the
// terminal clock's date from the current schema and demo seed; a new day, schema
// or generator builds it again and drops the old file. Benchmarks work on copies
// and never change the cached file.
class PlantCache {
  public:
    explicit PlantCache(QString dir = defaultDir());
    // $MES_PLANT_CACHE when set, else bench/plants in the build tree.
    static QString defaultDir();

    // The cached plant of that size, built first when missing; empty (with error)
    // when it cannot be built.
    QString plant(const ScaledPlantSize& size, QString* error);
    // A writable copy of it at path.
    bool copyTo(const ScaledPlantSize& size, const QString& path, QString* error);

  private:
    QString dir_;
};

}  // namespace mesbench
