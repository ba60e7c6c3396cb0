#include "app/CheckReport.h"

namespace mes {

void CheckReport::ok(const QString& point, const QString& detail) {
    lines_ << point + QStringLiteral(": ok - ") + detail;
}

void CheckReport::failed(const QString& point, const QString& problem, const QString& remedy) {
    lines_ << point + QStringLiteral(": FAILED - ") + problem + QStringLiteral("; ") + remedy;
    ++failures_;
}

void CheckReport::skipped(const QString& point, const QString& why) {
    lines_ << point + QStringLiteral(": skipped - ") + why;
}

}  // namespace mes
