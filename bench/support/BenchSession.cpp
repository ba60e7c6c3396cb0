#include "BenchSession.h"

#include "PlantCache.h"
#include "foundation/AppPaths.h"
#include "foundation/EmbeddedEngine.h"

namespace mesbench {

BenchSession::BenchSession(const ScaledPlantSize& size) : size_(size) {
    mes::AppPaths::setConfigDir(dir_.path());
    path_ = dir_.filePath(QStringLiteral("plant.db"));
    if (!PlantCache().copyTo(size, path_, &error_)) {
        if (error_.isEmpty()) error_ = QStringLiteral("no plant of %1").arg(size.name());
        return;
    }
    const QString path = path_;
    session_.setEngineFactory([path] { return std::make_unique<mes::EmbeddedEngine>(path); });
    if (!session_.connect()) {
        error_ = QStringLiteral("cannot open %1").arg(path_);
        return;
    }
    install();
}

BenchSession::~BenchSession() {
    if (&mes::gvSession() == &session_) mes::gsSET_SESSION(nullptr);
    mes::AppPaths::reset();
}

engine::Database& BenchSession::database() {
    // The factory above makes only embedded engines.
    return static_cast<mes::EmbeddedEngine*>(session_.connection())->database();
}

}  // namespace mesbench
