#include "engine/EngineError.h"

#include <sqlite3.h>

namespace engine {

void unsupported(const QString& what) {
    throw EngineError(SQLITE_ERROR,
                      QStringLiteral("not supported by the embedded engine: %1").arg(what));
}

void unsupportedAt(const QString& what, int pos) {
    unsupported(QStringLiteral("%1 (at character %2)").arg(what).arg(pos));
}

}  // namespace engine
