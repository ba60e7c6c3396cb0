#pragma once

#include <QString>
#include <QStringList>

namespace mes {

// The lines of a terminal check, one per point: "point: ok - ...", "point: FAILED -
// what is wrong; what to do" or "point: skipped - why".
class CheckReport {
  public:
    void ok(const QString& point, const QString& detail);
    void failed(const QString& point, const QString& problem, const QString& remedy);
    void skipped(const QString& point, const QString& why);

    const QStringList& lines() const { return lines_; }
    bool anyFailed() const { return failures_ > 0; }

  private:
    QStringList lines_;
    int failures_ = 0;
};

}  // namespace mes
