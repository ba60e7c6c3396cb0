#pragma once

#include <QString>
#include <QTemporaryDir>

#include "ScaledPlant.h"
#include "foundation/Session.h"

namespace engine {
class Database;
}

namespace mesbench {

// The terminal's Session on a private copy of a cached scaled plant, installed as
// the process-wide Session; conf.ini and the error files go to a temporary folder.
// Screens driven by a benchmark therefore run their statements on the copy.
class BenchSession {
  public:
    explicit BenchSession(const ScaledPlantSize& size);
    ~BenchSession();
    BenchSession(const BenchSession&) = delete;
    BenchSession& operator=(const BenchSession&) = delete;

    bool ok() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }
    const ScaledPlantSize& size() const { return size_; }
    const QString& path() const { return path_; }

    mes::Session& session() { return session_; }
    // Makes this the process-wide Session again (the constructor does it first).
    void install() { mes::gsSET_SESSION(&session_); }
    // The embedded engine under the Session (for the profile hook and query plans).
    engine::Database& database();

  private:
    ScaledPlantSize size_;
    QTemporaryDir dir_;
    QString path_;
    QString error_;
    mes::Session session_;
};

}  // namespace mesbench
