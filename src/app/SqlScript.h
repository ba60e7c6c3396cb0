#pragma once

#include <QStringList>

#include "engine/Database.h"

namespace engine {

// Batches of a script: the text between lines holding only GO (any case, blanks allowed).
QStringList splitBatches(const QString& script);

// One outcome as the tool prints it: a result as tab-separated lines with a
// header, a changing statement as "(N rows affected)", anything else as nothing.
QString formatOutcome(const Outcome& outcome);

}  // namespace engine
