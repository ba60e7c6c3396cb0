#pragma once

#include <QString>

namespace mesload {

// Adds to a copied plant the masters of each simulated terminal (ShiftNames):
// its machine, customer, finished product with a bill of material of three
// components, and each component's lots received before today, enough for
// about the runs planned. Seeded: the same arguments give the same lots.
bool prepareShiftPlant(const QString& path, int terminals, int runs, quint64 seed, QString* error);

}  // namespace mesload
